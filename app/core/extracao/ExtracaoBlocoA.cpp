// "Bloco A": contracted services (service entries) and services rendered (own NFS-e), each
// document an A100 with its A170 items.
#include "ExtracaoBlocoA.h"
#include "ConsultaErp.h"
#include "Funcoes.h"

using erp::SituacaoDocumento;
#include "TextUtil.h"

namespace {
bool CodigoCst(int64_t codigo) {
  return (codigo >= 1 && codigo <= 9) || (codigo >= 49 && codigo <= 56) || (codigo >= 60 && codigo <= 67) ||
         (codigo >= 70 && codigo <= 75) || codigo == 98 || codigo == 99;
}

// The ERP keeps situation codes as numbers in text ("50", sometimes "5"): read as a number,
// an unknown one keeps the register's default.
void CstPis(TVornCstPis& cst, const TDbField& campo) {
  const int64_t codigo = campo.AsInteger();
  if (CodigoCst(codigo)) cst = CstPisDeTexto(ZeroEsquerdaInt(codigo, 2));
}

void CstCofins(TVornCstCofins& cst, const TDbField& campo) {
  const int64_t codigo = campo.AsInteger();
  if (CodigoCst(codigo)) cst = CstCofinsDeTexto(ZeroEsquerdaInt(codigo, 2));
}

}  // namespace

void TExtracaoBlocoA::Executa() {
  TBloco_A& ba = VornVUDIRozAzezav1.Bloco_A;
  TRegistroA001& a001 = ba.RegistroA001New();
  a001.IND_MOV = TVornIndMov::imComDados;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);
  const std::string conta = ContaContabil("A170");

  // Service entries.
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select", "nfent.*,", "forn.sn_freteipi,", "forn.sn_reticms,", "filial.nm_fil as nm_emp,",
                        "filial.nr_cgc", "from nfent", "left join forn on forn.cd_forn = nfent.cd_forn",
                        "left join filial on filial.cd_fil = nfent.cd_fil",
                        "left join cfop on cfop.nr_cfop = nfent.nr_cfop", "where"})
    qr1->Add(l);
  qr1->Add("nfent.dt_entrada >= \"" + ini + "\"");
  qr1->Add("and");
  qr1->Add("nfent.dt_entrada <= \"" + fin + "\"");
  for (const char* l : {"and", "filial.sn_lojaestoque = \"1\"", "and", "nfent.sn_enc = \"1\"", "and",
                        "nfent.sn_canc = \"0\"", "and", "nfent.sn_nf = \"6\"", "and", "cfop.sn_efdcontrib = \"0\""})
    qr1->Add(l);
  qr1->Open();
  const bool comEntradas = !qr1->IsEmpty();
  if (comEntradas) ba.RegistroA010New().CNPJ = Empresa("nr_cgc");
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome); };
    auto valor = [&](const char* nome) { return qr1->FieldByName(nome).AsFloat(); };
    SetCaption("Registro A010: " + ShortDate(campo("dt_entrada").AsDate()) + " " + campo("cd_forn").AsString() +
               " " + campo("nr_nf").AsString());
    Lendo("NF de serviço tomado", campo("nr_nf").AsString(), campo("cd_fil").AsString());
    TRegistroA100& a100 = ba.RegistroA100New();
    a100.IND_OPER = TVornIndOper::itoContratado;
    a100.IND_EMIT = TVornIndEmit::iedfProprio;
    a100.COD_PART = campo("cd_forn").AsString();
    a100.COD_SIT = SituacaoDocumento(campo("cd_sitdoc").AsString());
    a100.SER = campo("cd_serie").AsString();
    a100.SUB = campo("cd_subserie").AsString();
    a100.NUM_DOC = campo("nr_nf").AsString();
    a100.CHV_NFSE = campo("nr_chave").AsString();
    a100.DT_DOC = campo("dt_emis").AsDate();
    a100.DT_EXE_SERV = campo("dt_entrada").AsDate();
    const double prod = valor("vl_prod"), desc = valor("vl_desc");
    a100.VL_DOC = prod - desc + valor("vl_frete") + valor("vl_seguro") + valor("vl_outras") + valor("vl_icmssub") +
                  valor("vl_ipi");
    a100.IND_PGTO = TVornIndPgto::tpSemPagamento;
    a100.VL_DESC = desc;
    a100.VL_BC_PIS = prod - desc;
    a100.VL_PIS = valor("vl_pis");
    a100.VL_BC_COFINS = prod - desc;
    a100.VL_COFINS = valor("vl_cofins");
    a100.VL_PIS_RET = valor("vl_retpis");
    a100.VL_COFINS_RET = valor("vl_retcofins");
    a100.VL_ISS = valor("vl_iss");
    // An invoice without a goods value has no discount to share among its items.
    const double parcela = prod != 0 ? desc / prod : 0.0;

    qr2->Close();
    qr2->Clear();
    for (const char* l : {"select", "nfentsv.cd_serv,", "nfentsv.tt_item,", "produto.nm_prod,", "produto.cd_pis2,",
                          "produto.tx_pis2,", "produto.cd_cofins2,", "produto.tx_cofins2", "from nfentsv",
                          "left join produto on produto.cd_prod = nfentsv.cd_serv", "where"})
      qr2->Add(l);
    qr2->Add("nfentsv.nr_nfent = \"" + db0.Escape(campo("nr_nfent").AsString()) + "\"");
    qr2->Open();
    int item = 1;
    for (qr2->First(); !qr2->Eof(); qr2->Next(), ++item) {
      auto it = [&](const char* nome) { return qr2->FieldByName(nome); };
      SetCaption("Registro A170 Entradas: " + ZeroEsquerdaInt(item, 4) + " " + it("cd_serv").AsString());
      LendoItem(item, it("cd_serv").AsString());
      TRegistroA170& a170 = ba.RegistroA170New();
      const double total = it("tt_item").AsFloat();
      a170.NUM_ITEM = item;
      a170.COD_ITEM = it("cd_serv").AsString();
      a170.DESCR_COMPL = Utf8Left(it("nm_prod").AsString(), 50);
      a170.VL_ITEM = total;
      a170.VL_DESC = total * parcela;
      if (it("cd_pis2").AsString() == "50") a170.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
      a170.IND_ORIG_CRED = TVornIndOrigCred::opcMercadoInterno;
      CstPis(a170.CST_PIS, it("cd_pis2"));
      const double txPis = it("tx_pis2").AsFloat();
      if (txPis > 0) {
        a170.VL_BC_PIS = total * (1 - parcela);
        a170.ALIQ_PIS = txPis;
        a170.VL_PIS = total * (1 - parcela) * txPis / 100;
      } else {
        a170.VL_BC_PIS = 0.0;
        a170.ALIQ_PIS = 0.0;
        a170.VL_PIS = 0.0;
      }
      CstCofins(a170.CST_COFINS, it("cd_cofins2"));
      const double txCofins = it("tx_cofins2").AsFloat();
      if (txCofins > 0) {
        a170.VL_BC_COFINS = total * (1 - parcela);
        a170.ALIQ_COFINS = txCofins;
        a170.VL_COFINS = total * (1 - parcela) * txCofins / 100;
      } else {
        a170.VL_BC_COFINS = 0.0;
        a170.ALIQ_COFINS = 0.0;
        a170.VL_COFINS = 0.0;
      }
      a170.COD_CTA = conta;
      geracao_.Apuracao.Soma(a170);
    }
    qr2->Close();
  }
  qr1->Close();

  // Own service invoices.
  qr1->Clear();
  for (const char* l : {"select", "nfse.*,", "filial.nm_fil as nm_emp,", "filial.nr_cgc", "from nfse",
                        "left join cliente on cliente.cd_cli = nfse.nr_cpf_cnpj_tom",
                        "left join filial on filial.cd_fil = nfse.cd_fil", "where"})
    qr1->Add(l);
  qr1->Add("nfse.dt_emis >= \"" + ini + "\"");
  qr1->Add("and");
  qr1->Add("nfse.dt_emis <= \"" + fin + "\"");
  for (const char* l : {"and", "filial.sn_lojaestoque = \"1\"", "and", "nfse.sn_enc = \"1\"", "and",
                        "nfse.cd_situacao = 4"})
    qr1->Add(l);
  qr1->Open();
  if (!qr1->IsEmpty()) {
    a001.IND_MOV = TVornIndMov::imComDados;
    ba.RegistroA010New().CNPJ = qr1->FieldByName("nr_cgc").AsString();
  } else if (!comEntradas) {
    a001.IND_MOV = TVornIndMov::imSemDados;
  }
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome); };
    SetCaption("Registro A010: " + ShortDate(campo("dt_emis").AsDate()) + " " + campo("cd_cli").AsString() + " " +
               campo("nr_nfse").AsString());
    Lendo("NFS-e", campo("nr_nfse").AsString(), campo("cd_fil").AsString());
    TRegistroA100& a100 = ba.RegistroA100New();
    const double liquido = campo("vl_liquido").AsFloat();
    const double descontoNota = campo("vl_descincondicional").AsFloat();
    a100.IND_OPER = TVornIndOper::itoPrestado;
    a100.IND_EMIT = TVornIndEmit::iedfProprio;
    a100.COD_PART = campo("cd_cli").AsString();
    a100.COD_SIT = campo("cd_status").AsInteger() == 1 ? TVornCodSit::sdfRegular : TVornCodSit::sdfCancelado;
    a100.SER = campo("nr_serie").AsString();
    a100.SUB.clear();
    a100.NUM_DOC = campo("nr_nfse").AsString();
    a100.CHV_NFSE = campo("cd_verificacao").AsString();
    a100.DT_DOC = campo("dt_emis").AsDate();
    a100.DT_EXE_SERV = campo("dt_prestacao").AsDate();
    a100.VL_DOC = liquido;
    a100.IND_PGTO = TVornIndPgto::tpSemPagamento;
    a100.VL_DESC = descontoNota;
    a100.VL_BC_PIS = liquido;
    a100.VL_PIS = campo("vl_pis").AsFloat();
    a100.VL_BC_COFINS = liquido;
    a100.VL_COFINS = campo("vl_cofins").AsFloat();
    a100.VL_PIS_RET = 0.0;
    a100.VL_COFINS_RET = 0.0;
    a100.VL_ISS = campo("vl_iss").AsFloat();

    qr2->Close();
    qr2->Clear();
    for (const char* l : {"select", "nfse.vl_descincondicional,", "nfseitem.*,", "material.nm_mat as nm_prod,",
                          "material.cd_pis as cd_pisprod,", "material.tx_pis as tx_pisprod,",
                          "material.cd_cofins as cd_cofinsprod,", "material.tx_cofins as tx_cofinsprod",
                          "from nfseitem", "left join material on material.cd_mat = nfseitem.cd_serv",
                          "left join nfse on nfse.cd_fil = nfseitem.cd_fil and nfse.nr_rps = nfseitem.nr_rps",
                          "where"})
      qr2->Add(l);
    qr2->Add("nfseitem.nr_rps = \"" + db0.Escape(campo("nr_rps").AsString()) + "\"");
    qr2->Add("and");
    // By the branch code, as the header is keyed: the store number may be written differently.
    qr2->Add("nfseitem.cd_fil = \"" + db0.Escape(campo("cd_fil").AsString()) + "\"");
    qr2->Open();
    // The invoice's unconditional discount is shared among its items by their gross value.
    double brutoNota = 0;
    for (qr2->First(); !qr2->Eof(); qr2->Next())
      brutoNota += qr2->FieldByName("qt_serv").AsFloat() * qr2->FieldByName("vl_unit").AsFloat();
    int item = 1;
    for (qr2->First(); !qr2->Eof(); qr2->Next(), ++item) {
      auto it = [&](const char* nome) { return qr2->FieldByName(nome); };
      SetCaption("Registro A170 Saidas: " + ZeroEsquerdaInt(item, 4) + " " + it("cd_servico").AsString());
      LendoItem(item, it("cd_serv").AsString());
      const double bruto = it("qt_serv").AsFloat() * it("vl_unit").AsFloat();
      TRegistroA170& a170 = ba.RegistroA170New();
      a170.NUM_ITEM = item;
      // The product code block 0 lists (cd_servico is the service list code).
      a170.COD_ITEM = it("cd_serv").AsString();
      a170.DESCR_COMPL = Utf8Left(it("nm_prod").AsString(), 50);
      a170.VL_ITEM = bruto;
      a170.VL_DESC = brutoNota != 0 ? descontoNota * bruto / brutoNota : 0.0;
      a170.NAT_BC_CRED = TVornNatBcCred::bccVazio;
      a170.IND_ORIG_CRED = TVornIndOrigCred::opcVazio;
      CstPis(a170.CST_PIS, it("cd_pis"));
      const double txPis = it("tx_pis").AsFloat();
      if (txPis > 0) {
        a170.VL_BC_PIS = bruto;
        a170.ALIQ_PIS = txPis;
        a170.VL_PIS = txPis * bruto / 100;
      } else {
        a170.VL_BC_PIS = 0.0;
        a170.ALIQ_PIS = 0.0;
        a170.VL_PIS = 0.0;
      }
      CstCofins(a170.CST_COFINS, it("cd_cofins"));
      const double txCofins = it("tx_cofins").AsFloat();
      if (txCofins > 0) {
        a170.VL_BC_COFINS = bruto;
        a170.ALIQ_COFINS = txCofins;
        a170.VL_COFINS = txCofins * bruto / 100;
      } else {
        a170.VL_BC_COFINS = 0.0;
        a170.ALIQ_COFINS = 0.0;
        a170.VL_COFINS = 0.0;
      }
      a170.COD_CTA = conta;
      a170.COD_CCUS.clear();
      geracao_.Apuracao.Soma(a170);
    }
    qr2->Close();
  }
  qr1->Close();
}
