// Block C utility bills (C500/C501/C505) of the stock stores.
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCRegras.h"

using namespace blococ;

void TExtracaoBlocoC::Contas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  qr1->Clear();
  Linhas(*qr1, {"select", "nfent.nr_nf,", "nfent.nr_cfop,", "nfent.dt_emis,", "nfent.cd_sitdoc,", "nfent.cd_forn,",
                "nfent.cd_modelo,", "nfent.cd_serie,", "nfent.cd_subserie,", "nfent.nr_chave,", "nfent.dt_entrada,",
                "nfent.vl_prod,", "nfent.vl_nota,", "nfent.vl_desc,", "nfent.tp_frete,", "nfent.vl_bcicms,",
                "nfent.vl_icms,", "nfent.vl_bcicmssub,", "nfent.vl_icmssub,", "nfent.vl_outras,", "nfent.vl_pis,",
                "nfent.tx_pis2,", "nfent.vl_cofins,", "nfent.tx_cofins2,", "nfent.cd_cstnf,", "nfent.tx_icms,",
                "nfent.tx_bscalcCT,", "nfent.cd_cstnf,", "nfent.tp_assinante,", "nfent.cd_fil,", "filial.nm_fil as nm_emp", "from nfent",
                "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop",
                "where"});
  qr1->Add("nfent.dt_entrada >= \"" + DataSQL(opcoes_.DataInicial) + "\"");
  qr1->Add("and");
  qr1->Add("nfent.dt_entrada <= \"" + DataSQL(opcoes_.DataFinal) + "\"");
  Linhas(*qr1, {"and", "nfent.sn_enc = \"1\"", "and", "nfent.sn_canc = \"0\"", "and", "nfent.sn_nf = \"5\"", "and",
                "filial.sn_lojaestoque = \"1\"", "and", "cfop.sn_efdcontrib = \"0\""});
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    SetCaption("C500 - Entradas: " + Txt(n, "nr_nf") + " " + Txt(n, "dt_emis"));
    Lendo("conta de energia/água/gás", Txt(n, "nr_nf"), Txt(n, "cd_fil"));
    std::string sit = Txt(n, "cd_sitdoc");
    if (sit.empty()) sit = "00";
    TRegistroC500& c500 = bc.RegistroC500New();
    c500.COD_PART = Txt(n, "cd_forn");
    c500.COD_MOD = Txt(n, "cd_modelo");
    c500.COD_SIT = Situacao(sit, c500.COD_SIT);
    c500.SER = Txt(n, "cd_serie");
    try {
      c500.SUB = static_cast<int>(Inteiro(n, "cd_subserie"));
    } catch (const std::exception&) {
      c500.SUB = 0;
    }
    c500.NUM_DOC = NumeroDocumento(n, "nr_nf");
    c500.DT_DOC = n.FieldByName("dt_emis").AsDate();
    c500.DT_ENT = n.FieldByName("dt_entrada").AsDate();
    c500.VL_DOC = Currency(Num(n, "vl_prod"));
    c500.VL_ICMS = Currency(Num(n, "vl_icms"));
    c500.COD_INF.clear();
    c500.VL_PIS = Currency(Num(n, "vl_pis"));
    c500.VL_COFINS = Currency(Num(n, "vl_cofins"));

    TRegistroC501& c501 = bc.RegistroC501New();
    c501.CST_PIS = Cst<TVornCstPis>(50, c501.CST_PIS);
    c501.VL_ITEM = c501.VL_BC_PIS = Currency(Num(n, "vl_prod"));
    c501.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
    c501.ALIQ_PIS = Currency(Num(n, "tx_pis2"));
    c501.VL_PIS = Currency(Arredonda(2, (c501.VL_BC_PIS * c501.ALIQ_PIS).ToDouble() / 100));
    c501.COD_CTA = ContaContabilMov("C501", "0");
    geracao_.Apuracao.Soma(c501);

    TRegistroC505& c505 = bc.RegistroC505New();
    c505.CST_COFINS = Cst<TVornCstCofins>(50, c505.CST_COFINS);
    c505.VL_ITEM = c505.VL_BC_COFINS = Currency(Num(n, "vl_prod"));
    c505.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
    c505.ALIQ_COFINS = Currency(Num(n, "tx_cofins2"));
    c505.VL_COFINS = Currency(Arredonda(2, (c505.VL_BC_COFINS * c505.ALIQ_COFINS).ToDouble() / 100));
    c505.COD_CTA = ContaContabilMov("C505", "0");
    geracao_.Apuracao.Soma(c505);
  }
  qr1->Close();
}
