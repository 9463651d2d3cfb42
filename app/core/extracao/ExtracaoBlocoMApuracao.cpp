// Block M's contributions and revenues without contribution from the detail records this run
// wrote in blocks A, C, D and F: one M210/M610 per contribution code and rate, each consistent
// on its own, M200/M600 their sums with the credits deducted up to the non-cumulative
// contribution, and M400/M410, M800/M810 by CST, nature of revenue and account.
#include <map>
#include <tuple>
#include <vector>

#include "ConsultaErp.h"
#include "ExtracaoBlocoM.h"

namespace {
// Contribution code of a CST in the store's regime; the substitute's contribution is cumulative
// whatever the regime.
TVornCodCont CodigoContribuicao(std::string_view cst, bool cumulativo) {
  if (cst == "05") return TVornCodCont::ccApuradaPorST;
  if (cst == "02") return cumulativo ? TVornCodCont::ccAcumAliqDiferenciada : TVornCodCont::ccNaoAcumAliqDiferenciada;
  if (cst == "03") return cumulativo ? TVornCodCont::ccAcumAliqUnidProduto : TVornCodCont::ccNaoAcumAliqUnidProduto;
  return cumulativo ? TVornCodCont::ccAcumAliqBasica : TVornCodCont::ccNaoAcumAliqBasica;
}

// Codes whose period contribution M200/M600 sum as cumulative (the others as non-cumulative).
bool CodigoCumulativo(TVornCodCont c) {
  switch (c) {
    case TVornCodCont::ccApuradaPorST:
    case TVornCodCont::ccAcumAliqBasica:
    case TVornCodCont::ccAcumAliqDiferenciada:
    case TVornCodCont::ccAcumAliqUnidProduto:
    case TVornCodCont::ccAcumAliqBasicaAtivImobiliaria:
    case TVornCodCont::ccApuradaSCPCumulativa:
      return true;
    default:
      return false;
  }
}

struct LinhaContribuicao {
  TVornCodCont codigo;
  int64_t aliquota = 0;  // ten-thousandths
  TSomaBase soma;
  int64_t acrescimos = 0, reducoes = 0;  // base adjustments, cents
  bool comAjustes = false;
};

std::vector<LinhaContribuicao> LinhasContribuicao(const TApuracao& a, TTributo t, bool cumulativo) {
  std::map<std::pair<TVornCodCont, int64_t>, TSomaBase> porCodigo;
  for (const auto& [k, s] : a.Bases()) {
    if (k.tributo != t || k.aliquota == 0 || !TApuracao::CstDeContribuicao(k.cst)) continue;
    TSomaBase& d = porCodigo[{CodigoContribuicao(k.cst, cumulativo), k.aliquota}];
    d.base += s.base;
    d.valor += s.valor;
    d.bruto += s.bruto;
  }
  std::vector<LinhaContribuicao> linhas;
  for (const auto& [k, s] : porCodigo) linhas.push_back({k.first, k.second, s});
  return linhas;
}

// The base adjustments of the period have no code or rate of their own: they go to the line
// with the largest base, or to a line of their own at the basic rate when nothing was sold.
void AtribuiAjustes(std::vector<LinhaContribuicao>& linhas, int64_t acrescimos, int64_t reducoes, bool cumulativo,
                    TTributo t) {
  if (acrescimos == 0 && reducoes == 0) return;
  if (linhas.empty()) {
    const long double basica = t == TTributo::Pis ? (cumulativo ? 0.65L : 1.65L) : (cumulativo ? 3.0L : 7.6L);
    linhas.push_back({CodigoContribuicao("01", cumulativo), TApuracao::DezMilesimos(basica), {}});
  }
  LinhaContribuicao* maior = &linhas.front();
  for (LinhaContribuicao& l : linhas)
    if (l.soma.base > maior->soma.base) maior = &l;
  maior->acrescimos = acrescimos;
  maior->reducoes = reducoes;
  maior->comAjustes = true;
}

Currency DeCentavos(int64_t centavos) { return Currency::FromRaw(centavos * 100); }

// M210 and M610 differ only in the names of five fields.
template <class R, Currency R::*Acres, Currency R::*Reduc, Variant R::*Aliq, Variant R::*Quant, Variant R::*AliqQuant>
int64_t PreencheContribuicao(R& r, const LinhaContribuicao& l) {
  const int64_t ajustada = l.soma.base + l.acrescimos - l.reducoes;
  const int64_t apurada = TApuracao::Contribuicao(ajustada, l.aliquota);
  r.COD_CONT = l.codigo;
  r.VL_REC_BRT = DeCentavos(l.soma.bruto);
  r.VL_BC_CONT = DeCentavos(l.soma.base);
  r.*Acres = DeCentavos(l.acrescimos);
  r.*Reduc = DeCentavos(l.reducoes);
  r.VL_BC_CONT_AJUS = DeCentavos(ajustada);
  r.*Aliq = Currency::FromRaw(l.aliquota).ToDouble();
  r.*Quant = Variant();
  r.*AliqQuant = Variant();
  r.VL_CONT_APUR = DeCentavos(apurada);
  r.VL_AJUS_ACRES = Currency(0);
  r.VL_AJUS_REDUC = Currency(0);
  r.VL_CONT_DIFER = 0;
  r.VL_CONT_DIFER_ANT = 0;
  r.VL_CONT_PER = r.VL_CONT_APUR + r.VL_AJUS_ACRES - r.VL_AJUS_REDUC;
  return apurada;
}

// The credits of the period deducted in the order of their registers up to the contribution
// (cents); each register keeps what it could not deduct as its balance. Returns the deduction.
template <class Credito>
int64_t DescontaCreditos(TRegistroList<Credito>& creditos, int64_t contribuicao) {
  int64_t restante = contribuicao > 0 ? contribuicao : 0, total = 0;
  for (Credito& c : creditos) {
    const int64_t disponivel = TApuracao::Centavos(c.VL_CRED_DISP.ToExtended());
    const int64_t desconto = disponivel < restante ? disponivel : restante;
    c.VL_CRED_DESC = DeCentavos(desconto).ToDouble();
    c.IND_DESC_CRED = desconto == disponivel ? TVornIndDescCred::idcTotal : TVornIndDescCred::idcParcial;
    c.SLD_CRED = DeCentavos(disponivel - desconto);
    restante -= desconto;
    total += desconto;
  }
  return total;
}

void Consolida(TConsolidacaoM& r, int64_t naoCumulativa, int64_t cumulativa, int64_t creditos) {
  r.VL_TOT_CONT_NC_PER = DeCentavos(naoCumulativa);
  r.VL_TOT_CRED_DESC = DeCentavos(creditos);
  r.VL_TOT_CRED_DESC_ANT = Currency(0);
  r.VL_TOT_CONT_NC_DEV = r.VL_TOT_CONT_NC_PER - r.VL_TOT_CRED_DESC - r.VL_TOT_CRED_DESC_ANT;
  r.VL_RET_NC = Currency(0);
  r.VL_OUT_DED_NC = Currency(0);
  r.VL_CONT_NC_REC = r.VL_TOT_CONT_NC_DEV - r.VL_RET_NC - r.VL_OUT_DED_NC;
  r.VL_TOT_CONT_CUM_PER = DeCentavos(cumulativa);
  r.VL_RET_CUM = Currency(0);
  r.VL_OUT_DED_CUM = Currency(0);
  r.VL_CONT_CUM_REC = r.VL_TOT_CONT_CUM_PER - r.VL_RET_CUM - r.VL_OUT_DED_CUM;
  r.VL_TOT_CONT_REC = r.VL_CONT_NC_REC + r.VL_CONT_CUM_REC;
}

// The payable amount of the field the "M205/605 Detalhamento Código Receita" choice names.
void PreencheDebito(TRegistroM205& r, const TConsolidacaoM& m, int detalhamento, const std::string& codigo) {
  r.NUM_CAMPO = detalhamento == 1 ? "12" : "08";
  r.COD_REC = codigo;
  r.VL_DEBITO = detalhamento == 1 ? m.VL_CONT_CUM_REC : m.VL_CONT_NC_REC;
}
using PorNatureza = std::map<std::pair<std::string, std::string>, int64_t>;  // (nature, account) -> cents

// M400/M800 (`R`) with its CST and account and the M410/M810 lines `novaNatureza` creates.
template <class R, class Cst, class NovaNatureza>
void PreencheReceitas(R& r, Cst cst, const std::string& conta, const PorNatureza& porNatureza, NovaNatureza novaNatureza) {
  int64_t total = 0;
  for (const auto& [_, v] : porNatureza) total += v;
  if constexpr (requires { r.CST_PIS; }) r.CST_PIS = cst;
  else r.CST_COFINS = cst;
  r.VL_TOT_REC = DeCentavos(total);
  r.COD_CTA = conta;
  r.DESC_COMPL.clear();
  for (const auto& [natConta, v] : porNatureza) {
    TRegistroM410& n = *novaNatureza();
    n.NAT_REC = natConta.first;
    n.VL_REC = DeCentavos(v);
    n.COD_CTA = natConta.second;
    n.DESC_COMPL.clear();
  }
}
}  // namespace

void TExtracaoBlocoM::ContribuicoesApuradas(TBloco_M& bm) {
  TRegistroM001& m001 = bm.RegistroM001();
  const bool cumulativo = opcoes_.Detalhamento == 1;
  for (const TTributo t : {TTributo::Pis, TTributo::Cofins}) {
    const bool pis = t == TTributo::Pis;
    std::vector<LinhaContribuicao> linhas = LinhasContribuicao(geracao_.Apuracao, t, cumulativo);
    long double reducoes = 0, acrescimos = 0;
    TotaisAjuste(pis ? "1" : "2", reducoes, acrescimos);
    AtribuiAjustes(linhas, TApuracao::Centavos(acrescimos), TApuracao::Centavos(reducoes), cumulativo, t);

    TConsolidacaoM& m = pis ? static_cast<TConsolidacaoM&>(bm.RegistroM200New()) : bm.RegistroM600New();
    SetCaption(pis ? "M200" : "M600");
    int64_t naoCumulativa = 0, cumulativa = 0;
    for (const LinhaContribuicao& l : linhas) {
      int64_t periodo = 0;
      if (pis) {
        periodo = PreencheContribuicao<TRegistroM210, &TRegistroM210::VL_AJUS_ACRES_BC_PIS,
                                       &TRegistroM210::VL_AJUS_REDUC_BC_PIS, &TRegistroM210::ALIQ_PIS,
                                       &TRegistroM210::QUANT_BC_PIS, &TRegistroM210::ALIQ_PIS_QUANT>(
            bm.RegistroM210New(), l);
      } else {
        SetCaption("M610");
        periodo = PreencheContribuicao<TRegistroM610, &TRegistroM610::VL_AJUS_ACRES_BC_COFINS,
                                       &TRegistroM610::VL_AJUS_REDUC_BC_COFINS, &TRegistroM610::ALIQ_COFINS,
                                       &TRegistroM610::QUANT_BC_COFINS, &TRegistroM610::ALIQ_COFINS_QUANT>(
            bm.RegistroM610New(), l);
      }
      if (l.comAjustes) AjustesBase(bm, pis ? "1" : "2");
      (CodigoCumulativo(l.codigo) ? cumulativa : naoCumulativa) += periodo;
    }
    const int64_t creditos =
        pis ? DescontaCreditos(m001.RegistroM100, naoCumulativa) : DescontaCreditos(m001.RegistroM500, naoCumulativa);
    Consolida(m, naoCumulativa, cumulativa, creditos);
    TRegistroM205 debito;
    PreencheDebito(debito, m, opcoes_.Detalhamento, pis ? opcoes_.ReceitaM205 : opcoes_.ReceitaM605);
    if (debito.VL_DEBITO > Currency(0)) (pis ? bm.RegistroM205New() : bm.RegistroM605New()) = debito;
  }
  ReceitasApuradas(bm);
}

// Revenues without contribution: one M400/M800 per CST and account, one M410/M810 per nature
// of revenue (the product's) and account under it. A record without an account takes the one
// set for the register.
void TExtracaoBlocoM::ReceitasApuradas(TBloco_M& bm) {
  std::map<std::string, std::string> naturezas;  // by product
  auto natureza = [&](const std::string& produto) -> const std::string& {
    auto [it, novo] = naturezas.try_emplace(produto);
    if (novo && !produto.empty()) {
      qr1->Close();
      qr1->Clear();
      qr1->Add("select nat_rec from material where cd_mat = \"" + db0.Escape(produto) + "\"");
      qr1->Open();
      if (!qr1->IsEmpty()) it->second = erp::Txt(*qr1, "nat_rec");
      qr1->Close();
    }
    return it->second;
  };
  for (const TTributo t : {TTributo::Pis, TTributo::Cofins}) {
    const bool pis = t == TTributo::Pis;
    const std::string contaTotal = ContaContabil(pis ? "M400" : "M800"), contaNatureza = ContaContabil(pis ? "M410" : "M810");
    // (CST, account) -> (nature, account) -> revenue
    std::map<std::pair<std::string, std::string>, PorNatureza> receitas;
    for (const auto& [k, valor] : geracao_.Apuracao.Receitas()) {
      if (k.tributo != t) continue;
      receitas[{k.cst, k.conta.empty() ? contaTotal : k.conta}]
              [{natureza(k.produto), k.conta.empty() ? contaNatureza : k.conta}] += valor;
    }
    for (const auto& [cstConta, porNatureza] : receitas) {
      if (pis) PreencheReceitas(bm.RegistroM400New(), CstPisDeTexto(cstConta.first), cstConta.second, porNatureza, [&] { return &bm.RegistroM410New(); });
      else PreencheReceitas(bm.RegistroM800New(), CstCofinsDeTexto(cstConta.first), cstConta.second, porNatureza, [&] { return &bm.RegistroM810New(); });
    }
  }
}
