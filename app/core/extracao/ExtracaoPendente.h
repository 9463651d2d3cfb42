#pragma once
// Blocks whose reading from the ERP is not built yet: their trees stay as they are, so the run
// writes those blocks without data. The message list says so, because a file with an empty
// block C or M is not one to send to the tax authority.
#include <string>

inline std::string AvisoExtracaoPendente(const std::string& bloco) {
  return "AVISO: a leitura do Bloco " + bloco + " no ERP ainda não está disponível nesta versão; o bloco foi gravado sem dados.";
}
