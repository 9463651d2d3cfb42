#include "Resumo.h"

#include <fstream>

std::vector<std::pair<char, int>> LinhasPorBloco(const std::string& path) {
  std::vector<std::pair<char, int>> blocos;
  std::ifstream in(path, std::ios::binary);
  std::string linha;
  while (std::getline(in, linha)) {
    const char bloco = linha.size() > 1 && linha[0] == '|' ? linha[1] : '?';
    if (blocos.empty() || blocos.back().first != bloco) blocos.push_back({bloco, 0});
    ++blocos.back().second;
  }
  return blocos;
}
