#include "ArquivoSaida.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
// Unique among the runs of this process and of other processes writing to the same folder.
std::string NomeTemporario(const fs::path& destino) {
  static std::atomic<unsigned> sequencia{0};
  std::string nome = "." + destino.filename().string() + "." + std::to_string(getpid()) + "." +
                     std::to_string(++sequencia) + ".parcial";
  return (destino.parent_path() / nome).string();
}
}  // namespace

void TArquivoSaida::Abre(const std::string& destino) {
  Descarta();
  fs::path alvo(destino);
  std::error_code ec;
  fs::file_status st = fs::status(alvo, ec);
  if (ec && st.type() != fs::file_type::not_found)
    throw std::runtime_error("Não foi possível examinar o arquivo \"" + destino + "\": " + ec.message());
  if (st.type() != fs::file_type::not_found) {
    if (st.type() != fs::file_type::regular)
      throw std::runtime_error("O caminho \"" + destino +
                               "\" não é um arquivo comum: informe outro nome de arquivo");
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none)
      throw std::runtime_error("O arquivo \"" + destino + "\" é somente leitura: não será substituído");
    // A link keeps pointing at the file: the new file replaces what it points to.
    if (fs::is_symlink(fs::symlink_status(alvo, ec)))
      if (fs::path real = fs::canonical(alvo, ec); !ec) alvo = real;
  }
  std::string temporario = NomeTemporario(alvo);
  errno = 0;
  std::FILE* f = std::fopen(temporario.c_str(), "wbx");
  if (!f)
    throw std::runtime_error("Não foi possível criar o arquivo \"" + temporario + "\": " + std::strerror(errno));
  std::fclose(f);
  destino_ = alvo.string();
  temporario_ = temporario;
}

void TArquivoSaida::Conclui() {
  if (temporario_.empty()) return;
  std::error_code ec;
  fs::rename(temporario_, destino_, ec);
  if (ec)
    throw std::runtime_error("Não foi possível substituir o arquivo \"" + destino_ + "\": " + ec.message());
  temporario_.clear();
}

void TArquivoSaida::Descarta() {
  if (temporario_.empty()) return;
  std::error_code ec;
  fs::remove(temporario_, ec);
  temporario_.clear();
}
