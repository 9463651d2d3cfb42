// Block M arithmetic (each M100/M210/M500/M610 against its own parts, the totals of M200,
// M400, M500, M600 and M800 against their detail lines) and the assessment of block M against
// the contribution and credit bases of the detail records of blocks A, C, D and F.
#include <cmath>
#include <map>

#include "EstadoValidacao.h"

namespace {
int64_t Campo(const TLinhaEfd& l, const TPlanoRegistro& p, std::string_view nome) {
  const int i = p.Indice(nome);
  int64_t v = 0;
  if (i > 0) LeValor(l.Campos[i], v);
  return v;
}

// Amount of a base at a rate in percent, or of a quantity at a rate per unit, to the cent.
int64_t Produto(int64_t base, int64_t aliquota, bool percentual) {
  long double v = static_cast<long double>(base) / 10000.0L * (static_cast<long double>(aliquota) / 10000.0L);
  if (percentual) v /= 100.0L;
  return static_cast<int64_t>(std::llround(v * 100.0L)) * 100;
}

bool Em(std::string_view codigo, std::string_view lista) {
  return lista.find("," + std::string(codigo) + ",") != std::string_view::npos;
}

bool CstDeContribuicao(std::string_view cst) { return cst == "01" || cst == "02" || cst == "05"; }
bool CstDeCredito(std::string_view cst) {
  return cst.size() == 2 && ((cst >= "50" && cst <= "56") || (cst >= "60" && cst <= "66"));
}
}  // namespace

void TValidadorEfd::TEstado::BlocoM(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p) {
  const auto confere = [&](std::string_view campo, int64_t informado, int64_t esperado, int64_t tolerancia,
                           const std::string& regra) {
    if (std::llabs(informado - esperado) <= tolerancia) return;
    Achado(TSeveridade::Erro, TTipoAchado::BlocoM, l.Numero, r.Reg, campo, FormataValor(informado),
           std::string(campo) + " " + FormataValor(informado) + " difere do esperado " + FormataValor(esperado) + " (" + regra + ")");
  };
  const std::string& reg = r.Reg;
  if (r.Nivel == 2) FechaPendentesM();
  const auto guarda = [&](TValorM& m) {
    m = TValorM{l.Numero, reg, {}, true};
    m.V.resize(p.Campos.size() + 1);
    for (size_t i = 1; i < l.Campos.size(); ++i) LeValor(l.Campos[i], m.V[i]);
  };

  if (reg == "M100" || reg == "M500") {
    const int t = reg == "M100" ? 0 : 1;
    const std::string sufixo = t == 0 ? "PIS" : "COFINS";
    const int64_t base = Campo(l, p, "VL_BC_" + sufixo), aliq = Campo(l, p, "ALIQ_" + sufixo);
    const int64_t quant = Campo(l, p, "QUANT_BC_" + sufixo), aliqQuant = Campo(l, p, "ALIQ_" + sufixo + "_QUANT");
    const int64_t cred = Campo(l, p, "VL_CRED");
    if (aliq != 0) confere("VL_CRED", cred, Produto(base, aliq, true), 100, "VL_BC_" + sufixo + " × ALIQ_" + sufixo + " / 100");
    else if (aliqQuant != 0) confere("VL_CRED", cred, Produto(quant, aliqQuant, false), 100, "QUANT_BC_" + sufixo + " × ALIQ_" + sufixo + "_QUANT");
    const std::string dif = t == 0 ? "VL_CRED_DIF" : "VL_CRED_DIFER";
    const int64_t disp = Campo(l, p, "VL_CRED_DISP");
    confere("VL_CRED_DISP", disp, cred + Campo(l, p, "VL_AJUS_ACRES") - Campo(l, p, "VL_AJUS_REDUC") - Campo(l, p, dif), 0,
            "VL_CRED + VL_AJUS_ACRES - VL_AJUS_REDUC - " + dif);
    confere("SLD_CRED", Campo(l, p, "SLD_CRED"), disp - Campo(l, p, "VL_CRED_DESC"), 0, "VL_CRED_DISP - VL_CRED_DESC");
    guarda(t == 0 ? M100 : M500);
    (t == 0 ? SomaM105 : SomaM505) = 0;
    if (base != 0) {
      const auto chave = std::make_tuple(t, aliq, true);
      BaseM[chave] += base;
      LinhaM.emplace(chave, std::make_pair(l.Numero, reg));
    }
  } else if (reg == "M105") {
    SomaM105 += Campo(l, p, "VL_BC_PIS");
  } else if (reg == "M505") {
    SomaM505 += Campo(l, p, "VL_BC_COFINS");
  } else if (reg == "M200" || reg == "M600") {
    guarda(reg == "M200" ? M200 : M600);
    const int t = reg == "M200" ? 0 : 1;
    SomaM210Nc[t] = SomaM210Cum[t] = 0;
  } else if (reg == "M210" || reg == "M610") {
    const int t = reg == "M210" ? 0 : 1;
    const std::string sufixo = t == 0 ? "PIS" : "COFINS";
    const int64_t bc = Campo(l, p, "VL_BC_CONT");
    int64_t base = bc;
    if (p.Indice("VL_BC_CONT_AJUS") > 0) {
      base = Campo(l, p, "VL_BC_CONT_AJUS");
      confere("VL_BC_CONT_AJUS", base,
              bc + Campo(l, p, "VL_AJUS_ACRES_BC_" + sufixo) - Campo(l, p, "VL_AJUS_REDUC_BC_" + sufixo), 0,
              "VL_BC_CONT + VL_AJUS_ACRES_BC_" + sufixo + " - VL_AJUS_REDUC_BC_" + sufixo);
    }
    const int64_t aliq = Campo(l, p, "ALIQ_" + sufixo), aliqQuant = Campo(l, p, "ALIQ_" + sufixo + "_QUANT");
    const int64_t apur = Campo(l, p, "VL_CONT_APUR");
    const std::string nomeBase = p.Indice("VL_BC_CONT_AJUS") > 0 ? "VL_BC_CONT_AJUS" : "VL_BC_CONT";
    if (aliq != 0) confere("VL_CONT_APUR", apur, Produto(base, aliq, true), 100, nomeBase + " × ALIQ_" + sufixo + " / 100");
    else if (aliqQuant != 0)
      confere("VL_CONT_APUR", apur, Produto(Campo(l, p, "QUANT_BC_" + sufixo), aliqQuant, false), 100,
              "QUANT_BC_" + sufixo + " × ALIQ_" + sufixo + "_QUANT");
    const int64_t per = Campo(l, p, "VL_CONT_PER");
    confere("VL_CONT_PER", per,
            apur + Campo(l, p, "VL_AJUS_ACRES") - Campo(l, p, "VL_AJUS_REDUC") - Campo(l, p, "VL_CONT_DIFER") +
                Campo(l, p, "VL_CONT_DIFER_ANT"),
            0, "VL_CONT_APUR + VL_AJUS_ACRES - VL_AJUS_REDUC - VL_CONT_DIFER + VL_CONT_DIFER_ANT");
    const std::string_view cod = l.Campos[p.Indice("COD_CONT")];
    if (Em(cod, ",01,02,03,04,32,71,")) SomaM210Nc[t] += per;
    if (Em(cod, ",31,32,51,52,53,54,72,")) SomaM210Cum[t] += per;
    if (bc != 0) {
      const auto chave = std::make_tuple(t, aliq, false);
      BaseM[chave] += bc;
      LinhaM.emplace(chave, std::make_pair(l.Numero, reg));
    }
  } else if (reg == "M400" || reg == "M800") {
    guarda(reg == "M400" ? M400 : M800);
    (reg == "M400" ? SomaM410 : SomaM810) = 0;
  } else if (reg == "M410") {
    SomaM410 += Campo(l, p, "VL_REC");
  } else if (reg == "M810") {
    SomaM810 += Campo(l, p, "VL_REC");
  }
}

// Totals that need every child line: checked when the next parent (or the end of block M) comes.
void TValidadorEfd::TEstado::FechaPendentesM() {
  const auto confere = [&](const TValorM& m, std::string_view campo, int posicao, int64_t esperado, const std::string& regra) {
    if (posicao >= static_cast<int>(m.V.size()) || m.V[posicao] == esperado) return;
    Achado(TSeveridade::Erro, TTipoAchado::BlocoM, m.Linha, m.Reg, campo, FormataValor(m.V[posicao]),
           std::string(campo) + " " + FormataValor(m.V[posicao]) + " difere do esperado " + FormataValor(esperado) + " (" + regra + ")");
  };
  for (int t = 0; t < 2; ++t) {
    TValorM& cred = t == 0 ? M100 : M500;
    const int64_t soma = t == 0 ? SomaM105 : SomaM505;
    const std::string filho = t == 0 ? "M105" : "M505";
    if (cred.Presente && soma != 0) confere(cred, t == 0 ? "VL_BC_PIS" : "VL_BC_COFINS", 3, soma, "soma das bases dos " + filho);
    cred.Presente = false;

    TValorM& m = t == 0 ? M200 : M600;
    const std::string det = t == 0 ? "M210" : "M610";
    if (m.Presente) {
      // Fields: 1 NC_PER, 2 CRED_DESC, 3 CRED_DESC_ANT, 4 NC_DEV, 5 RET_NC, 6 OUT_DED_NC, 7 NC_REC,
      // 8 CUM_PER, 9 RET_CUM, 10 OUT_DED_CUM, 11 CUM_REC, 12 TOT_REC.
      const auto& v = m.V;
      confere(m, "VL_TOT_CONT_NC_PER", 1, SomaM210Nc[t], "soma de VL_CONT_PER dos " + det + " não cumulativos (01, 02, 03, 04, 32, 71)");
      confere(m, "VL_TOT_CONT_NC_DEV", 4, v[1] - v[2] - v[3], "VL_TOT_CONT_NC_PER - VL_TOT_CRED_DESC - VL_TOT_CRED_DESC_ANT");
      confere(m, "VL_CONT_NC_REC", 7, v[4] - v[5] - v[6], "VL_TOT_CONT_NC_DEV - VL_RET_NC - VL_OUT_DED_NC");
      confere(m, "VL_TOT_CONT_CUM_PER", 8, SomaM210Cum[t], "soma de VL_CONT_PER dos " + det + " cumulativos (31, 32, 51, 52, 53, 54, 72)");
      confere(m, "VL_CONT_CUM_REC", 11, v[8] - v[9] - v[10], "VL_TOT_CONT_CUM_PER - VL_RET_CUM - VL_OUT_DED_CUM");
      confere(m, "VL_TOT_CONT_REC", 12, v[7] + v[11], "VL_CONT_NC_REC + VL_CONT_CUM_REC");
      m.Presente = false;
    }
    TValorM& rec = t == 0 ? M400 : M800;
    if (rec.Presente) confere(rec, "VL_TOT_REC", 2, t == 0 ? SomaM410 : SomaM810, t == 0 ? "soma dos M410" : "soma dos M810");
    rec.Presente = false;
  }
}

void TValidadorEfd::TEstado::AcumulaDetalhe(const TLinhaEfd& l, const TRegistroLayout&, const TPlanoRegistro& p) {
  for (int t = 0; t < 2; ++t) {
    if (p.Cst[t] < 0 || p.Base[t] < 0 || p.Aliq[t] < 0) continue;
    const std::string_view cst = l.Campos[p.Cst[t]];
    const bool credito = CstDeCredito(cst);
    if (!credito && !CstDeContribuicao(cst)) continue;
    int64_t base = 0, aliq = 0;
    if (!LeValor(l.Campos[p.Base[t]], base) || !LeValor(l.Campos[p.Aliq[t]], aliq) || base == 0) continue;
    BaseDetalhe[std::make_tuple(t, aliq, credito)] += base;
  }
}

void TValidadorEfd::TEstado::ConcluiApuracao() {
  std::map<std::tuple<int, int64_t, bool>, std::pair<int64_t, int64_t>> pares;
  for (const auto& [k, v] : BaseDetalhe) pares[k].first = v;
  for (const auto& [k, v] : BaseM) pares[k].second = v;
  for (const auto& [k, v] : pares) {
    if (v.first == v.second) continue;
    const auto [t, aliq, credito] = k;
    const std::string tributo = t == 0 ? "PIS" : "COFINS";
    const std::string regM = credito ? (t == 0 ? "M100" : "M500") : (t == 0 ? "M210" : "M610");
    const auto linha = LinhaM.find(k);
    const std::string_view campo = credito ? (t == 0 ? "VL_BC_PIS" : "VL_BC_COFINS") : "VL_BC_CONT";
    Achado(TSeveridade::Aviso, TTipoAchado::Apuracao, linha == LinhaM.end() ? 0 : linha->second.first, regM, campo,
           FormataValor(v.second),
           std::string(credito ? "base de crédito" : "base de cálculo") + " do " + tributo + " à alíquota " +
               FormataValor(aliq, 4) + ": " + FormataValor(v.second) + " nos " + regM + " e " + FormataValor(v.first) +
               " nos registros dos blocos A, C, D e F" + (credito ? " com CST de crédito" : ""));
  }
}
