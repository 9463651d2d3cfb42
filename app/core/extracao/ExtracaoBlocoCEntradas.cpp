// Block C purchases: purchase invoices (C100) with their import documents (C120) and items (C170).
// The period's advance payments and import documents are read once; the items once per invoice,
// for its totals and its C170 lines alike.
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCRegras.h"

#include <set>

using namespace blococ;

void TExtracaoBlocoC::Entradas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);
  const bool real = TributacaoReal();
  qr1->Clear();
  Linhas(*qr1, {"select", "nfent.nr_nfent,", "nfent.vl_pis,", "nfent.vl_cofins,", "nfent.cd_fil as nr_loja,",
                "nfent.cd_forn,", "nfent.cd_sitdoc,", "nfent.nr_nf,", "nfent.cd_modelo,", "nfent.cd_serie,",
                "nfent.nr_chave,", "nfent.dt_emis,", "nfent.dt_entrada,", "nfent.vl_prod,", "nfent.vl_desc,",
                "nfent.vl_frete,", "nfent.vl_seguro,", "nfent.vl_outras,", "nfent.vl_ipi,", "nfent.vl_bcicms,",
                "nfent.vl_icms,", "nfent.vl_bcicmssub,", "nfent.vl_icmssub,", "nfent.vl_pis,", "nfent.sn_outbc,",
                "nfent.ind_pgto,", "nfent.sn_dev,", "forn.sn_freteipi,", "forn.sn_reticms,", "forn.tp_crt,",
                "forn.tp_forn,", "filial.nm_fil as nm_emp,", "filial.nr_cgc", "from nfent",
                "left join forn on forn.cd_forn = nfent.cd_forn", "left join filial on filial.cd_fil = nfent.cd_fil",
                "left join cfop on cfop.nr_cfop = nfent.nr_cfop", "where"});
  qr1->Add("nfent.dt_entrada >= \"" + ini + "\"");
  qr1->Add("and");
  qr1->Add("nfent.dt_entrada <= \"" + fin + "\"");
  Linhas(*qr1, {"and", "filial.sn_lojaestoque = \"1\"", "and", "nfent.sn_enc = \"1\"", "and", "nfent.sn_canc = \"0\"",
                "and", "nfent.sn_nf = \"1\"", "and cfop.sn_efdcontrib = \"0\"", "group by nfent.nr_nfent"});
  qr1->Open();

  std::set<std::string> antecipados;
  qr2->Clear();
  Linhas(*qr2, {"select nfent.nr_nfent from nfent,nfentantec", "where", "nfent.nr_nfent = nfentantec.nr_nfent", "and"});
  qr2->Add("nfent.dt_entrada >= \"" + ini + "\"");
  qr2->Add("and");
  qr2->Add("nfent.dt_entrada <= \"" + fin + "\"");
  qr2->Open();
  for (qr2->First(); !qr2->Eof(); qr2->Next()) antecipados.insert(Txt(*qr2, "nr_nfent"));
  qr2->Close();

  TDbQuery imp(db0);
  Linhas(imp, {"select nfentimp.* from nfentimp", "join nfent on nfent.nr_nfent = nfentimp.nr_nfent", "where"});
  imp.Add("nfent.dt_entrada >= \"" + ini + "\"");
  imp.Add("and");
  imp.Add("nfent.dt_entrada <= \"" + fin + "\"");
  imp.Add("order by nfentimp.nr_nfent,nfentimp.nr_doc");
  imp.Open();
  const auto inicioImp = InicioDeCada(imp, "nr_nfent");

  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    const std::string nrNfent = Txt(n, "nr_nfent"), dtEntrada = Txt(n, "dt_entrada"), nrNf = Txt(n, "nr_nf");
    SetCaption("Registro C100 Entradas: " + dtEntrada + " " + Txt(n, "cd_forn") + " " + nrNf);
    Lendo("NF de entrada", nrNf, Txt(n, "nr_loja"));
    const std::string tpMov = Txt(n, "sn_dev") == "1" ? "2" : "0";
    std::string sit = Txt(n, "cd_sitdoc");
    if (sit.empty()) sit = "00";
    const bool fisica = Txt(n, "tp_forn") == "F";

    TRegistroC100& c100 = bc.RegistroC100New();
    c100.IND_OPER = TVornIndTipoOper::tpEntradaAquisicao;
    c100.IND_EMIT = TVornEmitente::edTerceiros;
    c100.COD_PART = Txt(n, "cd_forn");
    c100.COD_MOD = Txt(n, "cd_modelo");
    c100.COD_SIT = Situacao(sit, c100.COD_SIT);
    c100.SER = Txt(n, "cd_serie");
    c100.NUM_DOC = nrNf.empty() ? "0" : nrNf;
    c100.CHV_NFE = Txt(n, "nr_chave");
    c100.DT_DOC = n.FieldByName("dt_emis").AsDate();
    c100.DT_E_S = n.FieldByName("dt_entrada").AsDate();
    c100.VL_DOC = Currency(Num(n, "vl_prod") - Num(n, "vl_desc") + Num(n, "vl_frete") + Num(n, "vl_seguro") +
                           Num(n, "vl_outras") + Num(n, "vl_icmssub") + Num(n, "vl_ipi"));
    switch (Inteiro(n, "ind_pgto")) {
      case 0: c100.IND_PGTO = TVornIndPgto::tpVista; break;
      case 1: c100.IND_PGTO = TVornIndPgto::tpPrazo; break;
      case 2: c100.IND_PGTO = TVornIndPgto::tpSemPagamento; break;
      default: break;
    }
    c100.VL_DESC = Currency(Num(n, "vl_desc"));
    c100.VL_ABAT_NT = Currency(0);
    c100.VL_MERC = Currency(Num(n, "vl_prod"));
    c100.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
    c100.VL_FRT = Currency(Num(n, "vl_frete"));
    c100.VL_SEG = Currency(Num(n, "vl_seguro"));
    c100.VL_OUT_DA = Currency(Num(n, "vl_outras"));
    c100.VL_BC_ICMS = Currency(Num(n, "vl_bcicms"));
    c100.VL_ICMS = Currency(Num(n, "vl_icms"));
    c100.VL_BC_ICMS_ST = Currency(Num(n, "vl_bcicmssub"));
    c100.VL_ICMS_ST = Currency(Num(n, "vl_icmssub"));
    c100.VL_IPI = Currency(Num(n, "vl_ipi"));
    ItensEntrada(db0, *qr2, nrNfent);
    c100.VL_PIS = fisica ? Currency(0) : Currency(TotalPisCofinsEntrada(*qr2, 1));
    c100.VL_COFINS = fisica ? Currency(0) : Currency(TotalPisCofinsEntrada(*qr2, 2));
    c100.VL_PIS_ST = Currency(0);
    c100.VL_COFINS_ST = Currency(0);

    Saldo sPis{c100.VL_PIS}, sCofins{c100.VL_COFINS}, sProd{Currency(Arredonda(2, Num(n, "vl_prod")))},
        sDesc{Currency(Arredonda(2, Num(n, "vl_desc")))}, sIcms{Currency(Arredonda(2, Num(n, "vl_icms")))};

    if (antecipados.count(nrNfent)) {
      SetCaption("Registro C110 - Informação Complementar");
      TRegistroC110& c110 = bc.RegistroC110New();
      c110.COD_INF = "000001";
      c110.TXT_COMPL = "PAGTO DE ICMS ANTECIPADO";
    }

    const auto importacao = inicioImp.find(nrNfent);
    if (importacao != inicioImp.end()) {
      for (imp.VoltaA(importacao->second); !imp.Eof() && Txt(imp, "nr_nfent") == nrNfent; imp.Next()) {
        SetCaption("Registro C120 " + Txt(imp, "nr_doc") + " " + Txt(imp, "nr_acdraw"));
        TRegistroC120& c120 = bc.RegistroC120New();
        switch (Inteiro(imp, "tp_doc")) {
          case 0: c120.COD_DOC_IMP = TVornDoctoImporta::diImportacao; break;
          case 1: c120.COD_DOC_IMP = TVornDoctoImporta::diSimplificadaImport; break;
          case 2: c120.COD_DOC_IMP = TVornDoctoImporta::diUnicaImportacao; break;
          default: break;
        }
        c120.NUM_DOC__IMP = Txt(imp, "nr_doc");
        c120.PIS_IMP = Currency(Num(imp, "vl_pis"));
        c120.COFINS_IMP = Currency(Num(imp, "vl_cofins"));
        c120.NUM_ACDRAW = Txt(imp, "nr_acdraw");
      }
    }

    if (sit == "05" || sit == "02" || sit == "03" || sit == "04") {
      DocumentoPronto();
      continue;
    }

    const std::string conta = ContaContabilMov("C170", tpMov);
    const uint64_t total = qr2->RecordCount();
    uint64_t i = 0;
    const bool crt3 = Txt(n, "tp_crt") == "3";
    const bool outbc = Txt(n, "sn_outbc") == "1";
    for (qr2->First(); !qr2->Eof(); qr2->Next()) {
      const TDbQuery& it = *qr2;
      ++i;
      const bool ultimo = i == total;
      const std::string cdProd = Txt(it, "cd_prod"), nrCfop = Txt(it, "nr_cfop"), cst = Txt(it, "cd_cst");
      LendoItem(static_cast<int64_t>(i), cdProd);
      SetCaption("Registro C170 Entradas: " + ZeroEsquerdaInt(static_cast<int64_t>(i), 4) + " " + cdProd + " " +
                 nrCfop + " " + dtEntrada + " " + nrNf);
      const double v = Arredonda(2, Num(it, "qt_prod") * Num(it, "vl_compra"));
      const double txDesc = Num(it, "tx_desc"), txFrete = Num(it, "tx_frete"), txOut = Num(it, "tx_outdesp");
      const double fd = 1 - txDesc / 100, ff = 1 + txFrete / 100, fo = 1 + txOut / 100;
      const double txBsCalc = Num(it, "tx_bscalc"), txCred = Num(it, "tx_icmscred"), txVenda = Num(it, "tx_icmsvenda");

      TRegistroC170& c170 = bc.RegistroC170New();
      c170.NUM_ITEM = ZeroEsquerdaInt(static_cast<int64_t>(i), 3);
      c170.COD_ITEM = cdProd;
      c170.DESCR_COMPL = Txt(it, "nm_prod");
      c170.QTD = Num(it, "qt_prod");
      c170.UNID = Txt(it, "un_prod").empty() ? Txt(it, "un_prod2") : Txt(it, "un_prod");
      if (it.FieldByName("nm_prod").IsNull()) {
        const TProdutoVariante p = SemCadastro(cdProd);
        c170.DESCR_COMPL = p.nome;
        if (c170.UNID.empty()) c170.UNID = p.unidade.empty() ? "UN" : p.unidade;
      }
      c170.VL_ITEM = RegraA(Currency(v), sProd, ultimo);
      c170.VL_DESC = RegraA(Currency(Arredonda(2, c170.VL_ITEM.ToDouble() * txDesc / 100)), sDesc, ultimo);
      c170.IND_MOV = TVornIndMovFisica::mfNao;
      c170.CST_ICMS = CstIcms(Inteiro(it, "cd_cst"), c170.CST_ICMS);
      c170.CFOP = TiraAcentos(nrCfop);
      c170.COD_NAT = TiraAcentos(Empresa("cd_loja") + nrCfop);

      if (crt3) {
        const std::string s2 = cst.size() > 1 ? cst.substr(1, 2) : std::string();
        const double base = v - v * txDesc / 100 + v * txFrete / 100 + (outbc ? 0 : v * txOut / 100);
        if (s2 == "00" || s2 == "10") {
          c170.VL_BC_ICMS = Currency(base);
          c170.ALIQ_ICMS = Currency(txCred);
          c170.VL_ICMS = Currency(Arredonda(2, base * txCred / 100));
        } else if (s2 == "20" || s2 == "70") {
          const double red = base * (100 - txBsCalc) / 100;
          c170.VL_BC_ICMS = Currency(red);
          c170.ALIQ_ICMS = Currency(txCred);
          c170.VL_ICMS = Currency(Arredonda(2, red * txCred / 100));
        } else if (s2 == "30" || s2 == "40" || s2 == "41" || s2 == "50" || s2 == "51" || s2 == "60" || s2 == "90") {
          c170.VL_BC_ICMS = c170.ALIQ_ICMS = c170.VL_ICMS = Currency(0);
        }
        if (s2 == "10" || s2 == "30") {
          const double bst = v * fd * (100 - txBsCalc) / 100 * (1 + Num(it, "tx_icmsag") / 100);
          c170.VL_BC_ICMS_ST = Currency(bst);
          if (Txt(n, "sn_reticms") == "S") {
            c170.ALIQ_ST = Currency(txVenda);
            c170.VL_ICMS_ST = Currency(bst * txVenda / 100);
          } else {
            c170.ALIQ_ST = Currency(txCred);
            c170.VL_ICMS_ST =
                Currency(bst * txVenda / 100 - v * fd * ff * fo * (100 - txBsCalc) / 100 * txCred / 100);
          }
        }
        c170.VL_ICMS = RegraC(c170.VL_ICMS, sIcms, ultimo);
      } else {
        const std::string s3 = cst.substr(0, 3);
        for (const char* sn : {"101", "102", "103", "201", "202", "203", "300", "400", "500", "900"})
          if (s3 == sn) c170.VL_BC_ICMS = c170.ALIQ_ICMS = c170.VL_ICMS = Currency(0);
      }

      c170.IND_APUR = TVornApuracaoIPI::iaMensal;
      c170.CST_IPI = Cst<TVornCstIpi>(Inteiro(it, "cd_ipi"), c170.CST_IPI);
      c170.COD_ENQ.clear();
      const double txIpi = Num(it, "tx_ipi");
      if (txIpi > 0) {
        c170.VL_BC_IPI = Currency(v);
        c170.ALIQ_IPI = Currency(txIpi);
        c170.VL_IPI = c170.VL_BC_IPI * c170.ALIQ_IPI / Currency(100);
      } else {
        c170.VL_BC_IPI = c170.ALIQ_IPI = c170.VL_IPI = Currency(0);
      }

      const long double baseBruta = real ? ArredondaFmt(2, v * fd * ff) + c170.VL_IPI.ToExtended()
                                         : ArredondaFmt(2, v * fd);
      c170.CST_PIS = Cst<TVornCstPis>(fisica ? 70 : Inteiro(it, "cd_pis2"), c170.CST_PIS);
      const double txPis = Num(it, "tx_pis2");
      Currency vlPis(0);
      if (txPis > 0) {
        c170.VL_BC_PIS = Currency(baseBruta);
        c170.ALIQ_PIS_PERC = Currency(txPis);
        vlPis = Currency(Arredonda(2, static_cast<double>(Currency(baseBruta).ToExtended() * txPis / 100)));
      } else {
        c170.VL_BC_PIS = c170.ALIQ_PIS_PERC = Currency(0);
      }
      try {
        vlPis = RegraD(vlPis, sPis, ultimo, txPis);
      } catch (const std::exception&) {
      }
      c170.VL_PIS = vlPis;

      c170.CST_COFINS = Cst<TVornCstCofins>(fisica ? 70 : Inteiro(it, "cd_cofins2"), c170.CST_COFINS);
      const double txCofins = Num(it, "tx_cofins2");
      Currency vlCofins(0);
      if (txCofins > 0) {
        c170.VL_BC_COFINS = Currency(baseBruta);
        c170.ALIQ_COFINS_PERC = Currency(txCofins);
        vlCofins = Currency(ArredondaFmt(2, static_cast<double>(Currency(baseBruta).ToExtended() * txCofins / 100)));
      } else {
        c170.VL_BC_COFINS = c170.ALIQ_COFINS_PERC = Currency(0);
      }
      try {
        vlCofins = RegraD(vlCofins, sCofins, ultimo, txCofins);
      } catch (const std::exception&) {
      }
      c170.VL_COFINS = vlCofins;
      c170.COD_CTA = conta;
    }
    DocumentoPronto();
  }
  qr2->Close();
  qr1->Close();
}
