#include "Validar.h"

#include <cstdio>
#include <filesystem>

#include "Opcoes.h"
#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

bool PedeValidacao(const std::vector<std::string>& args) { return !args.empty() && args[0] == "--validar"; }

int ExecutaValidacao(const std::vector<std::string>& args) {
  std::string arquivo;
  bool json = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") json = true;
    else if (arquivo.empty() && args[i].rfind("--", 0) != 0) arquivo = args[i];
    else {
      std::fprintf(stderr, "vudirozazezav-cli: opção inválida com --validar: \"%s\"\n", args[i].c_str());
      return kSaidaOpcao;
    }
  }
  if (arquivo.empty()) {
    std::fprintf(stderr, "vudirozazezav-cli: --validar precisa do nome do arquivo\n");
    return kSaidaOpcao;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(arquivo, ec)) {
    std::fprintf(stderr, "vudirozazezav-cli: não foi possível ler o arquivo \"%s\"\n", arquivo.c_str());
    return kSaidaOpcao;
  }
  const TResultadoValidacao r = ValidaArquivoEfd(arquivo);
  if (!r.Legivel) {
    std::fprintf(stderr, "vudirozazezav-cli: %s\n", r.ErroLeitura.c_str());
    return kSaidaOpcao;
  }
  if (json) {
    std::fputs(JsonValidacao(r).c_str(), stdout);
  } else {
    for (const std::string& l : MensagensValidacao(r)) std::printf("%s\n", l.c_str());
    for (const std::string& l : ResumoPorTipo(r)) std::printf("%s\n", l.c_str());
    std::printf("%s\n", ResumoValidacao(r).c_str());
  }
  return r.Erros > 0 ? kSaidaValidacao : kSaidaOk;
}
