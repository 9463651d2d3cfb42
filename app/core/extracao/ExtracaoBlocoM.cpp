// "Bloco M": assessment of PIS and COFINS. Credits from the credit base lines (M100/M105,
// M500/M505); contributions and revenues without contribution either from what the run wrote
// (ExtracaoBlocoMApuracao.cpp) or, under "Bloco M pelas tabelas de trabalho", from the sales
// working tables and the block C totals (M200/M205/M210/M215, M400/M410 and their COFINS twins).
#include <initializer_list>
#include <utility>
#include <vector>

#include "ExtracaoBlocoM.h"
#include "Funcoes.h"

namespace {
void Linhas(TDbQuery& q, std::initializer_list<const char*> linhas) {
  q.Close();
  q.Clear();
  for (const char* l : linhas) q.Add(l);
}

// The situation codes of the layout; any other number keeps the member the field holds.
bool CstDoLeiaute(int64_t n) {
  return (n >= 1 && n <= 9) || (n >= 49 && n <= 56) || (n >= 60 && n <= 67) || (n >= 70 && n <= 75) || n == 98 ||
         n == 99;
}
void AtribuiCst(const TDbField& campo, TVornCstPis& cst) {
  const int64_t n = campo.AsInteger();
  if (!CstDoLeiaute(n)) return;
  const TVornCstPis c = CstPisDeTexto(ZeroEsquerdaInt(n, 2));
  if (c != TVornCstPis::stpisNenhum) cst = c;
}
void AtribuiCst(const TDbField& campo, TVornCstCofins& cst) {
  const int64_t n = campo.AsInteger();
  if (!CstDoLeiaute(n)) return;
  const TVornCstCofins c = CstCofinsDeTexto(ZeroEsquerdaInt(n, 2));
  if (c != TVornCstCofins::stcofinsNenhum) cst = c;
}
TVornNatBcCred NatBcCred(const TDbField& campo) {
  const int64_t n = campo.AsInteger();
  return n >= 1 && n <= 18 ? static_cast<TVornNatBcCred>(n) : TVornNatBcCred::bccVazio;
}

TVornTabCodAjBaseCalcContrib CodAjusteBase(const std::string& codigo) {
  if (codigo == "02") return TVornTabCodAjBaseCalcContrib::tcaDevolucoesVendas;
  if (codigo == "21") return TVornTabCodAjBaseCalcContrib::tcaICMSaRecolher;
  if (codigo == "41") return TVornTabCodAjBaseCalcContrib::tcaOutrVlrsDecJudicial;
  if (codigo == "42") return TVornTabCodAjBaseCalcContrib::tcaOutrVlrsSemDecJudicial;
  return TVornTabCodAjBaseCalcContrib::tcaVendasCanceladas;
}

// A run of credit lines of one credit type, in the order of the query.
struct GrupoCredito {
  std::string tipo;
  long double aliquota = 0, base = 0;
};
std::vector<GrupoCredito> GruposCredito(TDbQuery& q, const char* campoAliquota) {
  std::vector<GrupoCredito> grupos;
  for (q.First(); !q.Eof(); q.Next()) {
    const std::string tipo = q.FieldByName("cd_tpcred").AsString();
    if (grupos.empty() || grupos.back().tipo != tipo)
      grupos.push_back({tipo, q.FieldByName(campoAliquota).AsFloat(), 0});
    grupos.back().base += q.FieldByName("ttitem").AsFloat();
  }
  q.Close();
  return grupos;
}

// A run of equal credit base code and situation code inside one credit type.
struct BaseCredito {
  TDbField natureza, cst;
  long double base = 0;
};
std::vector<BaseCredito> BasesCredito(TDbQuery& q, const char* campoCst) {
  std::vector<BaseCredito> bases;
  for (q.First(); !q.Eof(); q.Next()) {
    TDbField natureza = q.FieldByName("cd_bccredito"), cst = q.FieldByName(campoCst);
    if (bases.empty() || bases.back().natureza.AsString() != natureza.AsString() ||
        bases.back().cst.AsString() != cst.AsString())
      bases.push_back({natureza, cst, 0});
    bases.back().base += q.FieldByName("ttitem").AsFloat();
  }
  q.Close();
  return bases;
}

// The credit of a group: its base at its rate, either rounded once to the cent from the exact
// product or kept with four decimals as the working-table path always did.
Currency Credito(const GrupoCredito& g, bool umArredondamento) {
  if (!umArredondamento) return Currency(g.base * g.aliquota / 100);
  const int64_t centavos = TApuracao::Contribuicao(TApuracao::Centavos(g.base), TApuracao::DezMilesimos(g.aliquota));
  return Currency::FromRaw(centavos * 100);
}

const char* DescricaoCredito(TVornNatBcCred natureza) {
  return natureza == TVornNatBcCred::bccOutrasOpeComDirCredito ? "Outras Operações com Direito a Crédito" : "";
}

// Rate, gross revenue and base of the sales lines of one contribution.
struct Vendas {
  long double aliquota = 0, bruto = 0, base = 0;
};
Vendas SomaVendas(TDbQuery& q, const char* campoBruto, bool liminar) {
  Vendas v;
  bool primeira = true;
  for (q.First(); !q.Eof(); q.Next()) {
    if (primeira) v.aliquota = q.FieldByName("tx_cod").AsFloat();
    primeira = false;
    const long double bc = q.FieldByName("vl_bc").AsFloat();
    v.bruto += q.FieldByName(campoBruto).AsFloat();
    v.base += liminar ? bc - q.FieldByName("vl_icms").AsFloat() : bc;
  }
  q.Close();
  return v;
}

// Payable part of the contribution once the period's credits are deducted (M200, M600).
void Consolida(TConsolidacaoM& r, long double contribuicao, long double creditos) {
  r.VL_TOT_CONT_NC_PER = Currency(contribuicao);
  const long double c = ArredondaFmt(2, static_cast<double>(creditos));
  r.VL_TOT_CRED_DESC = c <= contribuicao ? Currency(c) : Currency(contribuicao);
  r.VL_TOT_CRED_DESC_ANT = Currency(0);
  r.VL_TOT_CONT_NC_DEV = r.VL_TOT_CONT_NC_PER - r.VL_TOT_CRED_DESC - r.VL_TOT_CRED_DESC_ANT;
  r.VL_RET_NC = Currency(0);
  r.VL_OUT_DED_NC = Currency(0);
  r.VL_CONT_NC_REC = r.VL_TOT_CONT_NC_DEV - r.VL_RET_NC - r.VL_OUT_DED_NC;
  r.VL_TOT_CONT_CUM_PER = Currency(0);
  r.VL_RET_CUM = Currency(0);
  r.VL_OUT_DED_CUM = Currency(0);
  r.VL_CONT_CUM_REC = r.VL_TOT_CONT_CUM_PER - r.VL_RET_CUM - r.VL_OUT_DED_CUM;
  r.VL_TOT_CONT_REC = Currency(Arredonda(2, (r.VL_CONT_NC_REC + r.VL_CONT_CUM_REC).ToDouble()));
}

void PreencheReceita(TRegistroM205& r, int detalhamento, const std::string& codigo, Currency aRecolher) {
  r.NUM_CAMPO = detalhamento == 0 ? "08" : "12";
  r.COD_REC = codigo;
  r.VL_DEBITO = Currency(Arredonda(2, aRecolher.ToDouble()));
}

void PreencheAjusteBase(TRegistroM215& r, const TDbQuery& q) {
  r.IND_AJ_BC = q.FieldByName("cd_tipoajuste").AsInteger() == 1 ? TVornIndAJ::indAjAcressimo : TVornIndAJ::indAjReducao;
  r.VL_AJ_BC = Currency(q.FieldByName("vl_ajuste").AsFloat());
  r.COD_AJ_BC = CodAjusteBase(q.FieldByName("cd_ajuste").AsString());
  r.NUM_DOC = q.FieldByName("nr_documento").AsString();
  r.DESCR_AJ_BC = q.FieldByName("nm_descricao").AsString();
  r.DT_REF = q.FieldByName("dt_ref").AsDate();
  r.COD_CTA = q.FieldByName("cd_contacontabil").AsString();
  r.CNPJ = q.FieldByName("nr_cnpjestabelecimento").AsString();
  r.INFO_COMPL = q.FieldByName("nm_infocomplementares").AsString();
}

// Revenue without contribution of one situation code, with its split by revenue nature.
struct ReceitaSemContribuicao {
  TDbField cst;
  long double total = 0;
  std::vector<std::pair<std::string, long double>> naturezas;
};
std::vector<ReceitaSemContribuicao> ReceitasSemContribuicao(TDbQuery& q1, TDbQuery& q2, TDbConnection& db) {
  std::vector<ReceitaSemContribuicao> receitas;
  Linhas(q1, {"select", "cd_prod,", "nat_rec,", "cd_cod,", "sum(vl_cod) as ttitem", "from m400800temp",
              "group by cd_cod"});
  q1.Open();
  for (q1.First(); !q1.Eof(); q1.Next()) {
    ReceitaSemContribuicao r{q1.FieldByName("cd_cod"), q1.FieldByName("ttitem").AsFloat(), {}};
    Linhas(q2, {"select", "cd_prod,", "nat_rec,", "cd_cod,", "sum(vl_cod) as ttitem", "from m400800temp"});
    q2.Add("WHERE cd_cod = \"" + db.Escape(r.cst.AsString()) + "\"");
    q2.Add("group by nat_rec");
    q2.Open();
    for (q2.First(); !q2.Eof(); q2.Next())
      r.naturezas.emplace_back(q2.FieldByName("nat_rec").AsString(), q2.FieldByName("ttitem").AsFloat());
    q2.Close();
    receitas.push_back(std::move(r));
  }
  q1.Close();
  return receitas;
}
template <class Receita>
void PreencheReceitaSemContribuicao(Receita& r, const ReceitaSemContribuicao& rc, const std::string& conta) {
  r.VL_TOT_REC = Currency(rc.total);
  r.COD_CTA = conta;
  r.DESC_COMPL.clear();
}
void PreencheNatureza(TRegistroM410& r, const std::string& natureza, long double valor, const std::string& conta) {
  r.NAT_REC = natureza;
  r.VL_REC = Currency(valor);
  r.COD_CTA = conta;
  r.DESC_COMPL.clear();
}
}  // namespace

TExtracaoBlocoM::TExtracaoBlocoM(const TRunOptions& opcoes, TGeracao& geracao)
    : TExtracao(opcoes, geracao),
      loja_(db0.Escape(opcoes.CodigoLoja())),
      ini_(DataSQL(opcoes.DataInicial)),
      fin_(DataSQL(opcoes.DataFinal)) {}

void TExtracaoBlocoM::Executa() {
  TBloco_M& bm = VornVUDIRozAzezav1.Bloco_M;
  TRegistroM001& m001 = bm.RegistroM001New();
  m001.IND_MOV = TVornIndMov::imComDados;
  SetCaption("M001");
  const bool tabelas = opcoes_.BlocoMTabelas;
  const long double creditoPis = CreditosPis(bm, !tabelas);
  const long double creditoCofins = CreditosCofins(bm, !tabelas);
  if (tabelas) ContribuicoesDasTabelas(bm, creditoPis, creditoCofins);
  else ContribuicoesApuradas(bm);
}

// Sums of both adjustment kinds of the base of one contribution (1 PIS, 2 COFINS).
void TExtracaoBlocoM::TotaisAjuste(const char* apropriacao, long double& reducoes, long double& acrescimos) {
  Linhas(*qr2, {"select", "if(cd_tipoajuste=0,sum(vl_ajuste),0) as vlajusteredu,",
                "if(cd_tipoajuste=1,sum(vl_ajuste),0) as vlajusteacres"});
  qr2->Add("from ajustesBCpiscofins where nr_loja = \"" + loja_ + "\" and dt_ref between \"" + ini_ + "\" and \"" +
           fin_ + "\"");
  qr2->Add(std::string("and cd_apropriacao = ") + apropriacao);
  qr2->Add("group by cd_tipoajuste");
  qr2->Open();
  reducoes = acrescimos = 0;
  for (qr2->First(); !qr2->Eof(); qr2->Next()) {
    reducoes += qr2->FieldByName("vlajusteredu").AsFloat();
    acrescimos += qr2->FieldByName("vlajusteacres").AsFloat();
  }
  qr2->Close();
}

void TExtracaoBlocoM::AjustesBase(TBloco_M& bm, const char* apropriacao) {
  Linhas(*qr3, {"select", "cd_tipoajuste,", "vl_ajuste,", "cd_ajuste,", "nr_documento,", "nm_descricao,", "dt_ref,",
                "cd_contacontabil,", "nr_cnpjestabelecimento,", "nm_infocomplementares", "from ajustesBCpiscofins"});
  qr3->Add("where nr_loja = \"" + loja_ + "\"");
  qr3->Add("and dt_ref between \"" + ini_ + "\" and \"" + fin_ + "\"");
  qr3->Add(std::string("and cd_apropriacao = ") + apropriacao);
  qr3->Open();
  const bool pis = std::string(apropriacao) == "1";
  for (qr3->First(); !qr3->Eof(); qr3->Next()) PreencheAjusteBase(pis ? bm.RegistroM215New() : bm.RegistroM615New(), *qr3);
  qr3->Close();
}

long double TExtracaoBlocoM::CreditosPis(TBloco_M& bm, bool umArredondamento) {
  long double creditoPis = 0;
  Linhas(*qr2, {"select", "nr_nf,", "dt_entrada,", "cd_prod,", "tx_desc,", "vl_item as ttitem,", "cd_cod as cd_pis,",
                "tx_cod as tx_pis,", "cd_tpcred,", "cd_bccredito", "from m100500", "where", "tp_piscofins=\"1\"", "and",
                "tx_cod>0", "and", "cd_bccredito<>\"\"", "order by cd_tpcred"});
  qr2->Open();
  for (const GrupoCredito& g : GruposCredito(*qr2, "tx_pis")) {
    TRegistroM100& r = bm.RegistroM100New();
    SetCaption("M100");
    r.COD_CRED = g.tipo;
    r.IND_CRED_ORI = TVornIndCredOri::icoOperProprias;
    r.VL_BC_PIS = static_cast<double>(g.base);
    r.ALIQ_PIS = static_cast<double>(g.aliquota);
    r.QUANT_BC_PIS = 0;
    r.ALIQ_PIS_QUANT = 0;
    r.VL_CRED = Credito(g, umArredondamento);
    r.VL_AJUS_ACRES = Currency(0);
    r.VL_AJUS_REDUC = Currency(0);
    r.VL_CRED_DIF = Currency(0);
    r.VL_CRED_DISP = r.VL_CRED + r.VL_AJUS_ACRES - r.VL_AJUS_REDUC - r.VL_CRED_DIF;
    r.IND_DESC_CRED = TVornIndDescCred::idcTotal;
    r.VL_CRED_DESC = r.VL_CRED_DISP;
    r.SLD_CRED = Currency(0);  // the whole credit available is deducted
    creditoPis += r.VL_CRED_DISP.ToExtended();

    Linhas(*qr3, {"select", "tx_desc,", "vl_item as ttitem,", "cd_cod as cd_pis,", "tx_cod as tx_pis,", "cd_tpcred,",
                  "cd_bccredito", "from m100500", "where", "tp_piscofins=\"1\"", "and"});
    qr3->Add("cd_tpcred = \"" + db0.Escape(g.tipo) + "\"");
    for (const char* l : {"and", "cd_bccredito<>\"\"", "and", "tx_cod>0", "order by cd_bccredito,cd_pis"}) qr3->Add(l);
    qr3->Open();
    for (const BaseCredito& b : BasesCredito(*qr3, "cd_pis")) {
      TRegistroM105& d = bm.RegistroM105New();
      SetCaption("M105");
      d.NAT_BC_CRED = NatBcCred(b.natureza);
      AtribuiCst(b.cst, d.CST_PIS);
      d.VL_BC_PIS_TOT = static_cast<double>(b.base);
      d.VL_BC_PIS_CUM = 0;
      d.VL_BC_PIS_NC = static_cast<double>(b.base);
      d.VL_BC_PIS = static_cast<double>(b.base);
      d.QUANT_BC_PIS_TOT = Variant::Null();
      d.QUANT_BC_PIS = 0;
      d.DESC_CRED = DescricaoCredito(d.NAT_BC_CRED);
    }
  }
  return creditoPis;
}

// COFINS credits. Lines at rate 0 stay out of the details as they stay out of the credit, so
// that the M505 bases add up to their M500.
long double TExtracaoBlocoM::CreditosCofins(TBloco_M& bm, bool umArredondamento) {
  long double creditoCofins = 0;
  Linhas(*qr2, {"select", "tx_desc,", "vl_item as ttitem,", "cd_cod as cd_cofins,", "tx_cod as tx_cofins,",
                "cd_tpcred,", "cd_bccredito", "from m100500", "where", "tp_piscofins = \"2\"", "and", "tx_cod>0",
                "and", "cd_bccredito<>\"\"", "order by cd_tpcred"});
  qr2->Open();
  for (const GrupoCredito& g : GruposCredito(*qr2, "tx_cofins")) {
    TRegistroM500& r = bm.RegistroM500New();
    SetCaption("M500");
    r.COD_CRED = g.tipo;
    r.IND_CRED_ORI = TVornIndCredOri::icoOperProprias;
    r.VL_BC_COFINS = static_cast<double>(g.base);
    r.ALIQ_COFINS = static_cast<double>(g.aliquota);
    r.QUANT_BC_COFINS = 0;
    r.ALIQ_COFINS_QUANT = 0;
    r.VL_CRED = Credito(g, umArredondamento);
    r.VL_AJUS_ACRES = Currency(0);
    r.VL_AJUS_REDUC = Currency(0);
    r.VL_CRED_DIFER = Currency(0);
    r.VL_CRED_DISP = r.VL_CRED + r.VL_AJUS_ACRES - r.VL_AJUS_REDUC - r.VL_CRED_DIFER;
    r.IND_DESC_CRED = TVornIndDescCred::idcTotal;
    r.VL_CRED_DESC = r.VL_CRED_DISP;
    r.SLD_CRED = Currency(0);
    creditoCofins += r.VL_CRED_DISP.ToExtended();

    Linhas(*qr3, {"select", "tx_desc,", "(vl_item) as ttitem,", "cd_cod as cd_cofins,", "tx_cod as tx_cofins,",
                  "cd_tpcred,", "cd_bccredito", "from m100500", "where", "tp_piscofins=\"2\"", "and"});
    qr3->Add("cd_tpcred = \"" + db0.Escape(g.tipo) + "\"");
    for (const char* l : {"and", "cd_bccredito<>\"\"", "and", "tx_cod>0", "order by cd_bccredito,cd_cofins"})
      qr3->Add(l);
    qr3->Open();
    for (const BaseCredito& b : BasesCredito(*qr3, "cd_cofins")) {
      TRegistroM505& d = bm.RegistroM505New();
      SetCaption("M505");
      d.NAT_BC_CRED = NatBcCred(b.natureza);
      AtribuiCst(b.cst, d.CST_COFINS);
      d.VL_BC_COFINS_TOT = static_cast<double>(b.base);
      d.VL_BC_COFINS_CUM = 0;
      d.VL_BC_COFINS_NC = static_cast<double>(b.base);
      d.VL_BC_COFINS = static_cast<double>(b.base);
      d.QUANT_BC_COFINS_TOT = Variant::Null();
      d.QUANT_BC_COFINS = 0;
      d.DESC_CRED = DescricaoCredito(d.NAT_BC_CRED);
    }
  }
  return creditoCofins;
}

// The contributions as the working tables give them: bases from the sales lines of m200600,
// totals from block C's running sums, revenues without contribution from m400800temp.
void TExtracaoBlocoM::ContribuicoesDasTabelas(TBloco_M& bm, long double creditoPis, long double creditoCofins) {
  TDbQuery qremp(db0);
  qremp.Add("select empresa.sn_liminarbcpis from empresa left join filial on filial.cd_loja = empresa.cd_loja "
            "where filial.cd_fil = \"" + loja_ + "\"");
  qremp.Open();
  // Under the injunction the ICMS leaves the contribution base of the sales.
  const bool liminar = !qremp.IsEmpty() && qremp.FieldByName("sn_liminarbcpis").AsInteger() == 1;
  qremp.Close();

  // PIS contribution.
  Linhas(*qr1, {"select", "tp_doc,", "nr_nf,", "dt_nf,", "cd_prod,", "tx_desc,", "vl_icms,", "vl_item,", "vl_bc,",
                "cd_codrec,", "cd_codcont,", "tx_cod,", "sn_lojaestoque,", "tp_piscofins", "from m200600", "where",
                "tp_piscofins = \"1\"", "order by cd_prod"});
  qr1->Open();
  TRegistroM200& m200 = bm.RegistroM200New();
  SetCaption("M200");
  Consolida(m200, geracao_.vlpisM200, creditoPis);
  if (m200.VL_CONT_NC_REC > Currency(0))
    PreencheReceita(bm.RegistroM205New(), opcoes_.Detalhamento, opcoes_.ReceitaM205, m200.VL_CONT_NC_REC);

  const Vendas pis = SomaVendas(*qr1, "vl_bc", liminar);
  long double reducoes = 0, acrescimos = 0;
  TotaisAjuste("1", reducoes, acrescimos);
  TRegistroM210& m210 = bm.RegistroM210New();
  m210.COD_CONT = TVornCodCont::ccNaoAcumAliqBasica;
  m210.VL_REC_BRT = Currency(pis.bruto);
  m210.VL_BC_CONT = Currency(pis.base);
  m210.VL_AJUS_ACRES_BC_PIS = Currency(acrescimos);
  m210.VL_AJUS_REDUC_BC_PIS = Currency(reducoes);
  m210.VL_BC_CONT_AJUS = m210.VL_BC_CONT + m210.VL_AJUS_ACRES_BC_PIS - m210.VL_AJUS_REDUC_BC_PIS;
  m210.ALIQ_PIS = static_cast<double>(pis.aliquota);
  m210.QUANT_BC_PIS = 0;
  m210.ALIQ_PIS_QUANT = 0;
  m210.VL_CONT_APUR = Currency(geracao_.vlpisM200);
  m210.VL_AJUS_ACRES = Currency(0);
  m210.VL_AJUS_REDUC = Currency(0);
  m210.VL_CONT_DIFER = 0;
  m210.VL_CONT_DIFER_ANT = 0;
  m210.VL_CONT_PER = m210.VL_CONT_APUR + m210.VL_AJUS_ACRES - m210.VL_AJUS_REDUC;
  if (reducoes > 0 || acrescimos > 0) AjustesBase(bm, "1");

  // Revenues without contribution, by situation code and then by revenue nature; the same
  // lines serve PIS (now) and COFINS (at the end).
  const std::vector<ReceitaSemContribuicao> receitas = ReceitasSemContribuicao(*qr1, *qr2, db0);
  const std::string contaM400 = ContaContabil("M400"), contaM410 = ContaContabil("M410");
  for (const ReceitaSemContribuicao& rc : receitas) {
    TRegistroM400& r = bm.RegistroM400New();
    AtribuiCst(rc.cst, r.CST_PIS);
    PreencheReceitaSemContribuicao(r, rc, contaM400);
    for (const auto& [natureza, valor] : rc.naturezas)
      PreencheNatureza(bm.RegistroM410New(), natureza, valor, contaM410);
  }

  // COFINS contribution: the period's contribution as block C totalled it, and the one
  // recomputed from the sales lines as the detail's assessed amount.
  Linhas(*qr1, {"select", "cd_prod,", "tx_desc,", "vl_item,", "vl_icms,", "vl_bc,", "cd_codrec,", "cd_codcont,",
                "tx_cod,", "sn_lojaestoque,", "tp_piscofins", "from m200600", "where", "tp_piscofins=2"});
  qr1->Open();
  const Vendas cofins = SomaVendas(*qr1, "vl_item", liminar);
  const long double contribuicaoCofins = cofins.base * cofins.aliquota / 100;
  TRegistroM600& m600 = bm.RegistroM600New();
  SetCaption("M600");
  Consolida(m600, geracao_.vlcofinsM200, creditoCofins);
  if (m600.VL_CONT_NC_REC > Currency(0))
    PreencheReceita(bm.RegistroM605New(), opcoes_.Detalhamento, opcoes_.ReceitaM605, m600.VL_CONT_NC_REC);

  TotaisAjuste("2", reducoes, acrescimos);
  TRegistroM610& m610 = bm.RegistroM610New();
  SetCaption("M610");
  m610.COD_CONT = TVornCodCont::ccNaoAcumAliqBasica;
  m610.VL_REC_BRT = Currency(cofins.bruto);
  m610.VL_BC_CONT = Currency(cofins.base);
  m610.VL_AJUS_ACRES_BC_COFINS = Currency(acrescimos);
  m610.VL_AJUS_REDUC_BC_COFINS = Currency(reducoes);
  m610.VL_BC_CONT_AJUS = m610.VL_BC_CONT + m610.VL_AJUS_ACRES_BC_COFINS - m610.VL_AJUS_REDUC_BC_COFINS;
  m610.ALIQ_COFINS = static_cast<double>(cofins.aliquota);
  m610.QUANT_BC_COFINS = 0;
  m610.ALIQ_COFINS_QUANT = 0;
  m610.VL_CONT_APUR = Currency(contribuicaoCofins);
  m610.VL_AJUS_ACRES = Currency(0);
  m610.VL_AJUS_REDUC = Currency(0);
  m610.VL_CONT_DIFER = 0;
  m610.VL_CONT_DIFER_ANT = 0;
  m610.VL_CONT_PER = m610.VL_CONT_APUR + m610.VL_AJUS_ACRES - m610.VL_AJUS_REDUC;
  if (reducoes > 0 || acrescimos > 0) AjustesBase(bm, "2");

  const std::string contaM800 = ContaContabil("M800"), contaM810 = ContaContabil("M810");
  for (const ReceitaSemContribuicao& rc : receitas) {
    TRegistroM800& r = bm.RegistroM800New();
    AtribuiCst(rc.cst, r.CST_COFINS);
    PreencheReceitaSemContribuicao(r, rc, contaM800);
    for (const auto& [natureza, valor] : rc.naturezas)
      PreencheNatureza(bm.RegistroM810New(), natureza, valor, contaM810);
  }
}
