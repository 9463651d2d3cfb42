// Throughput of the file check on one core: writes a valid-shaped file of about N MB (default
// 1024) into a temporary folder, checks it and prints MB/s and the findings.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

namespace {
const char* kCabecalho[] = {
    "|0000|006|0|||01032024|31032024|EMPRESA TESTE LTDA|11222333000181|SP|3550308||00|2|",
    "|0001|0|",
    "|0100|CONTADOR|11144477735|1SP000000||01001000|RUA A|1|||1133334444||c@x.com|3550308|",
    "|0110|1|1|1||",
    "|0140|001|LOJA 001|11222333000181|SP||3550308|||",
    "|0150|F1|FORNECEDOR|01058|11444777000161|||||||||",
    "|0190|UN|UNIDADE|",
    "|0200|P1|PRODUTO|||UN|00||||||",
    "|0400|N1|COMPRA|",
    "|0500|01012024|04|A|5|3.01|CONTA|||",
};
const char* kC100 =
    "|C100|0|1|F1|55|00|1|123|35240311444777000161550010000001231123456788|05032024|05032024|500,00|0|0,00|0,00|"
    "500,00|9|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|8,25|38,00|0,00|0,00|";
const char* kC170 =
    "|C170|1|P1|ITEM DE TESTE|1,00000|UN|100,00|0,00|0|000|1102|N1|0,00|0,00|0,00|0,00|0,00|0,00|0|49||||"
    "|50|100,00|1,6500|||1,65|50|100,00|7,6000|||7,60|3.01|";
}  // namespace

int main(int argc, char** argv) {
  const long long megas = argc > 1 ? std::atoll(argv[1]) : 1024;
  const auto pasta = std::filesystem::temp_directory_path() / "vudi-validacao-bench";
  std::filesystem::create_directories(pasta);
  const std::string arquivo = (pasta / "efd.txt").string();
  long long documentos = 0, linhas = 0;
  {
    std::ofstream f(arquivo, std::ios::binary);
    auto poe = [&](const std::string& l) { f << l << "\r\n"; ++linhas; };
    for (const char* l : kCabecalho) poe(l);
    poe("|0990|" + std::to_string(10) + "|");
    poe("|A001|1|"); poe("|A990|2|");
    poe("|C001|0|"); poe("|C010|11222333000181|2|");
    const long long alvo = megas * 1024 * 1024;
    long long c = 2;
    while (static_cast<long long>(f.tellp()) < alvo) {
      poe(kC100);
      for (int i = 0; i < 5; ++i) poe(kC170);
      c += 6;
      ++documentos;
    }
    poe("|C990|" + std::to_string(c + 1) + "|");
    for (const char* b : {"D", "F", "I", "M", "P", "1"}) { poe(std::string("|") + b + "001|1|"); poe(std::string("|") + b + "990|2|"); }
    const char* regs[] = {"0000", "0001", "0100", "0110", "0140", "0150", "0190", "0200", "0400", "0500", "0990",
                          "A001", "A990", "C001", "C010", "C100", "C170", "C990", "D001", "D990", "F001", "F990",
                          "I001", "I990", "M001", "M990", "P001", "P990", "1001", "1990", "9001", "9900", "9990", "9999"};
    const int n9900 = sizeof regs / sizeof regs[0];
    poe("|9001|0|");
    for (const char* r : regs) {
      const std::string s(r);
      const long long q = s == "C100" ? documentos : s == "C170" ? documentos * 5 : s == "9900" ? n9900 : 1;
      poe("|9900|" + s + "|" + std::to_string(q) + "|");
    }
    poe("|9990|" + std::to_string(n9900 + 3) + "|");
    poe("|9999|" + std::to_string(linhas + 1) + "|");
  }
  const double tamanho = static_cast<double>(std::filesystem::file_size(arquivo)) / (1024.0 * 1024.0);
  const auto t0 = std::chrono::steady_clock::now();
  const TResultadoValidacao r = ValidaArquivoEfd(arquivo);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("arquivo: %.0f MB, %lld linhas\ntempo: %.2f s\nvazão: %.1f MB/s\n%s\n", tamanho,
              static_cast<long long>(r.Linhas), s, tamanho / s, ResumoValidacao(r).c_str());
  for (const std::string& l : MensagensValidacao(r, 5)) std::printf("%s\n", l.c_str());
  std::filesystem::remove_all(pasta);
  return 0;
}
