#include "Configuracao.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdlib>
#include <fstream>

#include "TextUtil.h"

std::string CaminhoConfiguracao() {
  if (const char* p = std::getenv("VUDI_CONEXAO_INI"); p && *p) return p;
  std::string base;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) base = x;
  else if (const char* h = std::getenv("HOME"); h && *h) base = std::string(h) + "/.config";
  else if (const char* u = std::getenv("USERPROFILE"); u && *u) base = std::string(u) + "/.config";
  return base + "/vudirozazezav/conexao.ini";
}

void AplicaConfiguracao(const std::string& caminho, TDbSettings& s) {
  std::ifstream in(caminho, std::ios::binary);
  if (!in) return;
  auto erro = [&](const std::string& motivo) { return EConfiguracao("Configuração \"" + caminho + "\": " + motivo); };
#ifndef _WIN32
  struct stat st {};
  if (::stat(caminho.c_str(), &st) == 0 && (st.st_mode & 077) != 0)
    throw erro("o arquivo guarda uma senha e deve ser legível só pelo dono (chmod 600)");
#endif
  std::string linha;
  for (int n = 1; std::getline(in, linha); ++n) {
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    const std::string t = TrimControl(linha);
    if (t.empty() || t[0] == '#' || t[0] == ';' || t[0] == '[') continue;
    const size_t eq = t.find('=');
    if (eq == std::string::npos) throw erro("linha " + std::to_string(n) + " sem \"=\"");
    const std::string chave = TrimControl(t.substr(0, eq)), valor = TrimControl(t.substr(eq + 1));
    if (chave == "host") {
      if (valor.empty() || valor.find_first_of(";=") != std::string::npos)
        throw erro("host inválido na linha " + std::to_string(n));
      s.HostName = valor;
    } else if (chave == "porta") {
      unsigned p = 0;
      auto [fim, ec] = std::from_chars(valor.data(), valor.data() + valor.size(), p);
      if (ec != std::errc() || fim != valor.data() + valor.size() || p < 1 || p > 65535)
        throw erro("porta inválida na linha " + std::to_string(n) + ": \"" + valor + "\"");
      s.Port = p;
    } else if (chave == "socket") {
      s.Socket = valor;
    } else if (chave == "banco") {
      s.Database = valor;
    } else if (chave == "usuario") {
      s.User = valor;
    } else if (chave == "senha") {
      s.Password = valor;
    } else {
      throw erro("chave desconhecida na linha " + std::to_string(n) + ": \"" + chave + "\"");
    }
  }
}

TAppSettings ConfiguracaoDoPrograma() {
  TAppSettings a = TAppSettings::BuildTime();
  AplicaConfiguracao(CaminhoConfiguracao(), a.Conexao);
  return a;
}
