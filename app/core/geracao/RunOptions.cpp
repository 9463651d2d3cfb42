#include "RunOptions.h"

const std::vector<std::string>& TListasGeracao::Versoes() {
  static const std::vector<std::string> v = {"100", "101", "200", "201", "202", "310", "320"};
  return v;
}

const std::vector<std::string>& TListasGeracao::IndicadoresApuracao() {
  static const std::vector<std::string> v = {
      "Apuração com Base nos Registros de Consolidação das Operações por NF-e (C180 e C190) e por ECF (C490)",
      "Apuração com Base nos Registro Individualizado de NF-e (C100 e C170) e de ECF (C400)"};
  return v;
}

const std::vector<std::string>& TListasGeracao::Criterios() {
  static const std::vector<std::string> v = {
      "1 - Regime de Caixa Escrituração Consolidada (Registro F500); ",
      "2 - Regime de Competência - Escrituração Consolidada (Registro F550); ",
      "9 - Regime de Competência - Escrituração Detalhada, com Base nos Registros dos Blocos A, C, D e F."};
  return v;
}

const std::vector<std::string>& TListasGeracao::Detalhamentos() {
  static const std::vector<std::string> v = {"08 Regime Não Cumulativo", "12 Regime Cumulativo"};
  return v;
}
