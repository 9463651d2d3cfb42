#pragma once
// Block M of a written file read back and held to itself and to the file's own detail records:
// each M210/M610 consistent, M200/M600 their sums, the credits deducted as M100/M500 say, and
// the bases per contribution code and rate (revenues per CST) equal to the sums of the matching
// records of blocks A, C, D and F. Failures are reported through gtest.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "Apuracao.h"
#include "support/FileCounts.h"
#include "validacao/LayoutEfd.h"

namespace blocom {
inline std::vector<std::string> Campos(const std::string& linha) {
  std::vector<std::string> c;
  size_t i = 1;
  while (i < linha.size()) {
    const size_t j = linha.find('|', i);
    if (j == std::string::npos) break;
    c.push_back(linha.substr(i, j - i));
    i = j + 1;
  }
  return c;  // c[0] is REG
}
inline int64_t Valor(const std::string& campo) {  // "1234,56" or "1,6500" in ten-thousandths
  if (campo.empty()) return 0;
  const size_t v = campo.find(',');
  const std::string inteiro = campo.substr(0, v), dec = v == std::string::npos ? "" : campo.substr(v + 1);
  const bool negativo = !inteiro.empty() && inteiro[0] == '-';
  int64_t r = std::stoll(inteiro) * 10000;
  const int64_t d = std::stoll((dec + "0000").substr(0, 4));
  return negativo ? r - d : r + d;
}
inline int Indice(const std::string& reg, std::initializer_list<const char*> nomes) {
  const TRegistroLayout* r = TLayoutEfd::Instancia().Busca(reg);
  if (!r) return -1;
  const auto& campos = r->CamposDaVersao(kUltimaVersaoEfd);
  for (const char* nome : nomes)
    for (size_t i = 0; i < campos.size(); ++i)
      if (campos[i]->Nome == nome) return static_cast<int>(i) + 1;
  return -1;
}

// What a file says, read back line by line: block M's lines and, for comparison, the bases of
// the detail records of blocks A, C, D and F with a contribution CST and the revenues of those
// with a CST without contribution.
struct ArquivoLido {
  using Chave = std::tuple<int, std::string, int64_t>;  // tax (0 PIS), contribution code, rate
  std::map<Chave, int64_t> basesDetalhe, basesM;
  std::map<std::pair<int, std::string>, int64_t> receitasDetalhe, receitasM;  // tax, CST
  std::vector<std::vector<std::string>> m;

  explicit ArquivoLido(const std::string& arquivo) {
    for (const std::string& linha : FileLines(arquivo)) {
      const std::vector<std::string> c = Campos(linha);
      if (c.empty()) continue;
      const std::string& reg = c[0];
      if (reg[0] == 'M') {
        m.push_back(c);
        continue;
      }
      if (reg[0] != 'A' && reg[0] != 'C' && reg[0] != 'D' && reg[0] != 'F') continue;
      const int bruto = Indice(reg, {"VL_ITEM", "VL_OPR", "VL_OPER"});
      for (int t = 0; t < 2; ++t) {
        const int cst = Indice(reg, {t == 0 ? "CST_PIS" : "CST_COFINS"});
        const int base = Indice(reg, {t == 0 ? "VL_BC_PIS" : "VL_BC_COFINS"});
        const int aliq = Indice(reg, {t == 0 ? "ALIQ_PIS" : "ALIQ_COFINS", t == 0 ? "ALIQ_PIS_PERC" : "ALIQ_COFINS_PERC"});
        if (cst < 0 || base < 0 || aliq < 0) continue;
        const std::string& codigo = c[cst];
        const int64_t b = Valor(c[base]);
        if ((codigo == "01" || codigo == "02" || codigo == "03" || codigo == "05") && b != 0 && Valor(c[aliq]) != 0)
          basesDetalhe[{t, codigo == "05" ? "31" : codigo, Valor(c[aliq])}] += b;
        else if (codigo == "04" || codigo == "06" || codigo == "07" || codigo == "08" || codigo == "09" || codigo == "05")
          receitasDetalhe[{t, codigo}] += bruto > 0 ? Valor(c[bruto]) : 0;
      }
    }
  }
  std::vector<std::vector<std::string>> Linhas(const std::string& reg) const {
    std::vector<std::vector<std::string>> r;
    for (const auto& c : m)
      if (c[0] == reg) r.push_back(c);
    return r;
  }
};

// Block M of a file against itself and against the file's detail records.
inline void ConfereBlocoM(const ArquivoLido& a) {
  for (int t = 0; t < 2; ++t) {
    const std::string total = t == 0 ? "M200" : "M600", linha = t == 0 ? "M210" : "M610";
    const std::string credito = t == 0 ? "M100" : "M500", receita = t == 0 ? "M400" : "M800";
    SCOPED_TRACE(total);
    int64_t naoCumulativa = 0, cumulativa = 0;
    std::map<ArquivoLido::Chave, int64_t> bases;
    for (const auto& c : a.Linhas(linha)) {
      // COD_CONT, VL_REC_BRT, VL_BC_CONT, ACRES_BC, REDUC_BC, BC_CONT_AJUS, ALIQ, QUANT, ALIQ_QUANT,
      // CONT_APUR, AJUS_ACRES, AJUS_REDUC, DIFER, DIFER_ANT, CONT_PER
      const int64_t ajustada = Valor(c[3]) + Valor(c[4]) - Valor(c[5]);
      EXPECT_EQ(Valor(c[6]), ajustada) << c[1];
      const int64_t apurada = TApuracao::Contribuicao(ajustada / 100, Valor(c[7])) * 100;
      EXPECT_EQ(Valor(c[10]), apurada) << c[1] << " " << c[7];
      const int64_t periodo = Valor(c[10]) + Valor(c[11]) - Valor(c[12]) - Valor(c[13]) + Valor(c[14]);
      EXPECT_EQ(Valor(c[15]), periodo);
      (c[1] == "31" || c[1].substr(0, 1) == "5" ? cumulativa : naoCumulativa) += periodo;
      if (Valor(c[3]) != 0) bases[{t, c[1], Valor(c[7])}] += Valor(c[3]);
    }
    for (const auto& [k, v] : a.basesDetalhe)
      if (std::get<0>(k) == t) EXPECT_EQ(bases[k], v) << std::get<1>(k) << " a " << std::get<2>(k);
    for (const auto& [k, v] : bases) EXPECT_EQ(a.basesDetalhe.count(k) ? a.basesDetalhe.at(k) : 0, v) << std::get<1>(k);

    int64_t descontado = 0;
    for (const auto& c : a.Linhas(credito)) {
      EXPECT_EQ(Valor(c[11]), Valor(c[7]) + Valor(c[8]) - Valor(c[9]) - Valor(c[10]));  // VL_CRED_DISP
      EXPECT_EQ(Valor(c[14]), Valor(c[11]) - Valor(c[13]));                            // SLD_CRED
      EXPECT_EQ(c[12], Valor(c[13]) == Valor(c[11]) ? "0" : "1");                      // IND_DESC_CRED
      descontado += Valor(c[13]);
    }
    const auto m = a.Linhas(total);
    ASSERT_EQ(m.size(), 1u);
    const auto& v = m[0];
    EXPECT_EQ(Valor(v[1]), naoCumulativa);
    EXPECT_EQ(Valor(v[2]), descontado);
    EXPECT_LE(Valor(v[2]), Valor(v[1]));
    EXPECT_EQ(Valor(v[4]), Valor(v[1]) - Valor(v[2]) - Valor(v[3]));
    EXPECT_EQ(Valor(v[7]), Valor(v[4]) - Valor(v[5]) - Valor(v[6]));
    EXPECT_EQ(Valor(v[8]), cumulativa);
    EXPECT_EQ(Valor(v[11]), Valor(v[8]) - Valor(v[9]) - Valor(v[10]));
    EXPECT_EQ(Valor(v[12]), Valor(v[7]) + Valor(v[11]));

    std::map<std::pair<int, std::string>, int64_t> receitas;
    for (const auto& c : a.Linhas(receita)) receitas[{t, c[1]}] += Valor(c[2]);
    for (const auto& [k, valor] : a.receitasDetalhe)
      if (k.first == t) EXPECT_EQ(receitas[k], valor) << k.second;
  }
}
}  // namespace blocom
