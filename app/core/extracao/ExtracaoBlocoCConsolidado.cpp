#include "ExtracaoBlocoCConsolidado.h"

#include "ConsultaErp.h"
#include "Funcoes.h"

using namespace erp;

namespace {

// Value, base, rate and contribution of one consolidated PIS or COFINS line: a rate of 0 keeps
// the rate and gives base and value 0.
struct Contribuicao {
  Currency item, base, aliquota, valor;
};

Contribuicao Calcula(double item, double aliquota) {
  const double base = aliquota > 0 ? item : 0;
  return {Currency(item), Currency(base), Currency(aliquota),
          Currency(ArredondaFmt(2, Currency(base).ToDouble() * aliquota / 100))};
}

// A line without a CST would be written with an empty code: stop and name the product.
std::string CstInformado(const std::string& cst, const std::string& produto, const char* registro) {
  if (cst.empty()) throw Erro("Produto " + produto + " sem CST para o registro " + registro);
  return cst;
}

// The CFOP as the individual documents write it (punctuation removed), as a number.
int CfopInteiro(const std::string& nrCfop, const std::string& produto, const char* registro) {
  try {
    return static_cast<int>(StrToInt(TiraAcentos(nrCfop)));
  } catch (const EValorInvalido&) {
    throw Erro("CFOP '" + nrCfop + "' do produto " + produto + " no registro " + registro +
               " não é um valor inteiro válido");
  }
}

// Rows of a lines query that belong to the product of the current parent row (both queries
// are ordered by product over the same documents).
template <typename F>
void ParaCadaLinha(TDbQuery& linhas, const std::string& produto, F&& f) {
  while (!linhas.Eof() && Txt(linhas, "cd_prod") == produto) {
    f(linhas);
    linhas.Next();
  }
}

}  // namespace

TDateTime TExtracaoBlocoCConsolidado::DataOu(const TDbQuery& q, const std::string& campo, TDateTime padrao) {
  return q.FieldByName(campo).IsNull() ? padrao : q.FieldByName(campo).AsDate();
}

void TExtracaoBlocoCConsolidado::Executa() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  bc.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroC010& c010 = bc.RegistroC010New();
  c010.CNPJ = Empresa("nr_cgc");
  c010.IND_ESCRI = TVornIndEscrituracao::IndEscriConsolidado;
  Vendas();
  Compras();
  Cupons();
}

// ---- C180: NF-e sales per product ----

void TExtracaoBlocoCConsolidado::Vendas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);
  // Every register of the family reads these documents, so the lines add up to their C180.
  auto documentos = [&](TDbQuery& q) {
    Linhas(q, {"from nfitem", "left join nf on nf.nr_nf = nfitem.nr_nf and nf.nr_loja = nfitem.nr_loja",
               "left join produto on produto.cd_prod = nfitem.cd_prod",
               "left join empresa on empresa.cd_loja = nf.nr_loja", "left join cfop on cfop.cd_cfop = nfitem.cd_cfop"});
    q.Add("where nf.dt_emis between \"" + ini + "\" and \"" + fin +
          "\"and nf.sn_transmitida = '1'and nf.sn_inutil = '0'and nf.sn_canc = '0'and nf.tp_nf = '1'");
    q.Add("and empresa.sn_lojaestoque = '1'");
  };
  qr2->Clear();
  Linhas(*qr2, {"select", "nfitem.cd_prod as cd_prod,", "SUM(nfitem.tt_item) as tt_item,",
                "MIN(nf.dt_emis) as primeira,", "MAX(nf.dt_emis) as ultima,", "MAX(produto.cd_cfiscal) as cd_cfiscal"});
  documentos(*qr2);
  Linhas(*qr2, {"group by nfitem.cd_prod", "order by nfitem.cd_prod"});
  qr2->Open();
  // PIS lines in qr3, COFINS lines in qr4: one per product, CFOP, CST and rate.
  auto linhas = [&](TDbQuery& q, const char* tributo) {
    const std::string t = tributo;
    q.Clear();
    Linhas(q, {"select", "nfitem.cd_prod as cd_prod,", "cfop.nr_cfop as nr_cfop,"});
    q.Add("if(Trim(ifnull(nfitem.cd_" + t + ",\"\"))=\"\",produto.cd_" + t + ",nfitem.cd_" + t + ") as cd_" + t + ",");
    q.Add("if(Trim(ifnull(nfitem.cd_" + t + ",\"\"))=\"\",produto.tx_" + t + ",nfitem.tx_" + t + ") as tx_" + t + ",");
    q.Add("sum(nfitem.tt_item) as tt_item");
    documentos(q);
    q.Add("group by nfitem.cd_prod,cfop.nr_cfop,cd_" + t + ",tx_" + t);
    q.Add("order by nfitem.cd_prod,cfop.nr_cfop,cd_" + t + ",tx_" + t);
    q.Open();
    q.First();
  };
  linhas(*qr3, "pis");
  linhas(*qr4, "cofins");
  const std::string contaC181 = ContaContabil("C181"), contaC185 = ContaContabil("C185");

  for (qr2->First(); !qr2->Eof(); qr2->Next()) {
    const std::string cdProd = Txt(*qr2, "cd_prod");
    SetCaption("Registro C180 - Saidas: " + cdProd);
    TRegistroC180& c180 = bc.RegistroC180New();
    c180.COD_MOD = "55";
    c180.DT_DOC_INI = DataOu(*qr2, "primeira", opcoes_.DataInicial);
    c180.DT_DOC_FIN = DataOu(*qr2, "ultima", opcoes_.DataFinal);
    c180.COD_ITEM = cdProd;
    c180.COD_NCM = Txt(*qr2, "cd_cfiscal");
    c180.EX_IPI.clear();
    c180.VL_TOT_ITEM = Currency(Num(*qr2, "tt_item"));

    ParaCadaLinha(*qr3, cdProd, [&](const TDbQuery& l) {
      const std::string nrCfop = Txt(l, "nr_cfop"), cst = CstInformado(Txt(l, "cd_pis"), cdProd, "C181");
      SetCaption("Registro C181 - Saidas (PIS) Produto: " + cdProd + " CFOP: " + nrCfop + " Pis:" + cst);
      const Contribuicao c = Calcula(Num(l, "tt_item"), Num(l, "tx_pis"));
      TRegistroC181& r = bc.RegistroC181New();
      r.CST_PIS = CstPisDeTexto(cst);
      r.CFOP = TiraAcentos(nrCfop);
      r.VL_ITEM = c.item;
      r.VL_DESC = Currency(0);
      r.VL_BC_PIS = c.base;
      r.ALIQ_PIS = c.aliquota;
      r.QUANT_BC_PIS = r.ALIQ_PIS_QUANT = Variant();
      r.VL_PIS = c.valor;
      r.COD_CTA = contaC181;
      geracao_.Apuracao.Soma(r, cdProd);
      geracao_.vlpisM200 += c.valor.ToExtended();
    });
    ParaCadaLinha(*qr4, cdProd, [&](const TDbQuery& l) {
      const std::string nrCfop = Txt(l, "nr_cfop"), cst = CstInformado(Txt(l, "cd_cofins"), cdProd, "C185");
      SetCaption("Registro C185 - Saidas (COFINS) Produto: " + cdProd + " CFOP: " + nrCfop + " Cofins:" + cst);
      const Contribuicao c = Calcula(Num(l, "tt_item"), Num(l, "tx_cofins"));
      TRegistroC185& r = bc.RegistroC185New();
      r.CST_COFINS = CstCofinsDeTexto(cst);
      r.CFOP = TiraAcentos(nrCfop);
      r.VL_ITEM = c.item;
      r.VL_DESC = Currency(0);
      r.VL_BC_COFINS = c.base;
      r.ALIQ_COFINS = c.aliquota;
      r.QUANT_BC_COFINS = r.ALIQ_COFINS_QUANT = Variant();
      r.VL_COFINS = c.valor;
      r.COD_CTA = contaC185;
      geracao_.Apuracao.Soma(r, cdProd);
      geracao_.vlcofinsM200 += c.valor.ToExtended();
    });
  }
  qr2->Close();
  qr3->Close();
  qr4->Close();
}

// ---- C190: NF-e purchases per product ----

void TExtracaoBlocoCConsolidado::Compras() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);
  auto documentos = [&](TDbQuery& q) {
    Linhas(q, {"from nfentit", "left join nfent on nfent.nr_nfent = nfentit.nr_nfent",
               "left join produto on produto.cd_prod = nfentit.cd_prod",
               "left join empresa on empresa.cd_loja = nfent.nr_loja", "left join forn on forn.cd_forn = nfent.cd_forn"});
    q.Add("where nfent.dt_entrada between \"" + ini + "\" and \"" + fin +
          "\"and nfent.sn_enc = '1'and nfent.sn_canc = '0'and nfent.sn_nf = '1'");
    q.Add("and empresa.sn_lojaestoque = '1'");
  };
  qr2->Clear();
  Linhas(*qr2, {"select", "nfentit.cd_prod as cd_prod,", "sum(nfentit.qt_prod * nfentit.vl_compra) as tt_item,",
                "MIN(nfent.dt_entrada) as primeira,", "MAX(nfent.dt_entrada) as ultima,",
                "MAX(produto.cd_cfiscal) as cd_cfiscal"});
  documentos(*qr2);
  Linhas(*qr2, {"group by nfentit.cd_prod", "order by nfentit.cd_prod"});
  qr2->Open();
  // One line per product, supplier, CFOP, CST and rate: the layout consolidates C191/C195 by
  // participant under the product's one C190.
  auto linhas = [&](TDbQuery& q, const char* tributo) {
    const std::string t = tributo;
    q.Clear();
    // An import has no supplier CNPJ/CPF: its NF-e is issued by the store itself.
    Linhas(q, {"select", "nfentit.cd_prod as cd_prod,",
               "ifnull(nullif(forn.nr_cgc,\"\"),empresa.nr_cgc) as nr_cgc,", "nfentit.nr_cfop as nr_cfop,"});
    q.Add("if(Trim(nfentit.cd_" + t + ")=\"\" or nfentit.cd_" + t + " is null,produto.cd_" + t + "2,nfentit.cd_" + t +
          ") as cd_" + t + ",");
    q.Add("if(Trim(nfentit.cd_" + t + ")=\"\" or nfentit.cd_" + t + " is null,produto.tx_" + t + "2,nfentit.tx_" + t +
          ") as tx_" + t + ",");
    q.Add("sum(nfentit.qt_prod * nfentit.vl_compra) as tt_item");
    documentos(q);
    q.Add("group by nfentit.cd_prod,nr_cgc,nfentit.nr_cfop,cd_" + t + ",tx_" + t);
    q.Add("order by nfentit.cd_prod,nr_cgc,nfentit.nr_cfop,cd_" + t + ",tx_" + t);
    q.Open();
    q.First();
  };
  linhas(*qr3, "pis");
  linhas(*qr4, "cofins");
  const std::string contaC191 = ContaContabil("C191"), contaC195 = ContaContabil("C195");

  for (qr2->First(); !qr2->Eof(); qr2->Next()) {
    const std::string cdProd = Txt(*qr2, "cd_prod");
    TRegistroC190& c190 = bc.RegistroC190New();
    SetCaption("Registro C190 - Entradas: " + cdProd);
    c190.COD_MOD = "55";
    c190.DT_REF_INI = DataOu(*qr2, "primeira", opcoes_.DataInicial);
    c190.DT_REF_FIN = DataOu(*qr2, "ultima", opcoes_.DataFinal);
    c190.COD_ITEM = cdProd;
    c190.COD_NCM = Txt(*qr2, "cd_cfiscal");
    c190.EX_IPI.clear();
    c190.VL_TOT_ITEM = Currency(Num(*qr2, "tt_item"));

    ParaCadaLinha(*qr3, cdProd, [&](const TDbQuery& l) {
      const std::string nrCfop = Txt(l, "nr_cfop"), cst = CstInformado(Txt(l, "cd_pis"), cdProd, "C191");
      SetCaption("Registro C191 - Entradas (PIS) Produto: " + cdProd + " CFOP: " + nrCfop + " PIS:" + cst);
      const Contribuicao c = Calcula(Num(l, "tt_item"), Num(l, "tx_pis"));
      TRegistroC191& r = bc.RegistroC191New();
      r.CNPJ_CPF_PART = Txt(l, "nr_cgc");
      r.CST_PIS = CstPisDeTexto(cst);
      r.CFOP = CfopInteiro(nrCfop, cdProd, "C191");
      r.VL_ITEM = c.item;
      r.VL_DESC = Currency(0);
      r.VL_BC_PIS = c.base;
      r.ALIQ_PIS = c.aliquota;
      r.QUANT_BC_PIS = r.ALIQ_PIS_QUANT = Variant();
      r.VL_PIS = c.valor;
      r.COD_CTA = contaC191;
      geracao_.Apuracao.Soma(r, cdProd);
    });
    ParaCadaLinha(*qr4, cdProd, [&](const TDbQuery& l) {
      const std::string nrCfop = Txt(l, "nr_cfop"), cst = CstInformado(Txt(l, "cd_cofins"), cdProd, "C195");
      SetCaption("Registro C195 - Entradas (COFINS) Produto: " + cdProd + " CFOP: " + nrCfop + " Cofins:" + cst);
      const Contribuicao c = Calcula(Num(l, "tt_item"), Num(l, "tx_cofins"));
      TRegistroC195& r = bc.RegistroC195New();
      r.CNPJ_CPF_PART = Txt(l, "nr_cgc");
      r.CST_COFINS = CstCofinsDeTexto(cst);
      r.CFOP = CfopInteiro(nrCfop, cdProd, "C195");
      r.VL_ITEM = c.item;
      r.VL_DESC = Currency(0);
      r.VL_BC_COFINS = c.base;
      r.ALIQ_COFINS = c.aliquota;
      r.QUANT_BC_COFINS = r.ALIQ_COFINS_QUANT = Variant();
      r.VL_COFINS = c.valor;
      r.COD_CTA = contaC195;
      geracao_.Apuracao.Soma(r, cdProd);
    });
  }
  qr2->Close();
  qr3->Close();
  qr4->Close();
}

// ---- C490: the chosen store's fiscal coupons per product ----

void TExtracaoBlocoCConsolidado::Cupons() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string loja = db0.Escape(opcoes_.CodigoLoja());
  // The period and the lines come from the same coupons: a store whose coupons were all
  // cancelled gets no C490.
  auto documentos = [&](TDbQuery& q) {
    Linhas(q, {"from ze15",
               "left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov)",
               "left join produto on produto.cd_prod = ze15.cd_prod",
               "left join prodze on prodze.cd_prod = ze15.cd_prod",
               // A product without its prodze row takes the CFOP of its own record.
               "left join cfop on cfop.cd_cfop = ifnull(prodze.cd_cfop,produto.cd_cfop)",
               "left join empresa on empresa.cd_loja = ze15.nr_loja"});
    q.Add("where ze15.dt_mov between \"" + DataSQL(opcoes_.DataInicial) + "\" and \"" + DataSQL(opcoes_.DataFinal) +
          "\"and ze15.sn_canc = 'N'");
    q.Add("and ze15.nr_loja = \"" + loja + "\"");
    Linhas(q, {"and ze14.sn_canc = \"N\"", "and empresa.sn_lojavenda = \"1\""});
  };
  qr2->Clear();
  Linhas(*qr2, {"select", "MIN(ze15.dt_mov) as primeira,", "MAX(ze15.dt_mov) as ultima"});
  documentos(*qr2);
  qr2->Open();
  const bool semCupons = qr2->IsEmpty() || qr2->FieldByName("primeira").IsNull();
  if (!semCupons) {
    TRegistroC490& c490 = bc.RegistroC490New();
    c490.DT_DOC_INI = DataOu(*qr2, "primeira", opcoes_.DataInicial);
    c490.DT_DOC_FIN = DataOu(*qr2, "ultima", opcoes_.DataFinal);
    c490.COD_MOD = "2D";
  }
  qr2->Close();
  if (semCupons) return;

  qr2->Clear();
  Linhas(*qr2, {"select", "ze15.cd_prod as cd_prod,", "MAX(produto.cd_pis) as cd_pis,", "MAX(produto.tx_pis) as tx_pis,",
                "MAX(produto.cd_cofins) as cd_cofins,", "MAX(produto.tx_cofins) as tx_cofins,",
                "MAX(cfop.nr_cfop) as nr_cfop,", "MAX(prodze.cd_prod is null) as sem_prodze,",
                "ifnull(SUM(ze15.vl_total),0) as total"});
  documentos(*qr2);
  Linhas(*qr2, {"group by ze15.cd_prod", "order by ze15.cd_prod"});
  qr2->Open();
  const std::string contaC491 = ContaContabil("C491"), contaC495 = ContaContabil("C495");
  for (qr2->First(); !qr2->Eof(); qr2->Next()) {
    const std::string cdProd = Txt(*qr2, "cd_prod"), nrCfop = Txt(*qr2, "nr_cfop");
    SetCaption("Registro C490 - Saidas Cupom Fiscal Produto: " + cdProd + " CFOP: " + nrCfop);
    if (Inteiro(*qr2, "sem_prodze") == 1)
      geracao_.Mensagem("AVISO: Produto " + cdProd + " sem registro em prodze; C491/C495 com o CFOP do cadastro do produto (" +
                        nrCfop + ")");
    const std::string cstPis = CstInformado(Txt(*qr2, "cd_pis"), cdProd, "C491"),
                      cstCofins = CstInformado(Txt(*qr2, "cd_cofins"), cdProd, "C495");
    const double total = Num(*qr2, "total");

    const Contribuicao p = Calcula(total, Num(*qr2, "tx_pis"));
    TRegistroC491& c491 = bc.RegistroC491New();
    c491.COD_ITEM = cdProd;
    c491.CST_PIS = CstPisDeTexto(cstPis);
    c491.CFOP = CfopInteiro(nrCfop, cdProd, "C491");
    c491.VL_ITEM = p.item;
    c491.VL_BC_PIS = p.base;
    c491.ALIQ_PIS = p.aliquota;
    c491.QUANT_BC_PIS = c491.ALIQ_PIS_QUANT = Currency(0);
    c491.VL_PIS = p.valor;
    c491.COD_CTA = contaC491;
    geracao_.Apuracao.Soma(c491);

    const Contribuicao c = Calcula(total, Num(*qr2, "tx_cofins"));
    TRegistroC495& c495 = bc.RegistroC495New();
    c495.COD_ITEM = cdProd;
    c495.CST_COFINS = CstCofinsDeTexto(cstCofins);
    c495.CFOP = CfopInteiro(nrCfop, cdProd, "C495");
    c495.VL_ITEM = c.item;
    c495.VL_BC_COFINS = c.base;
    c495.ALIQ_COFINS = c.aliquota;
    c495.QUANT_BC_COFINS = c495.ALIQ_COFINS_QUANT = Currency(0);
    c495.VL_COFINS = c.valor;
    c495.COD_CTA = contaC495;
    geracao_.Apuracao.Soma(c495);
  }
  qr2->Close();
}
