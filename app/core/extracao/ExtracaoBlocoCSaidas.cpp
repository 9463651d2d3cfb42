// Block C own NF-e sales (C100/C170), their PIS/COFINS added to the block M totals.
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCRegras.h"

#include <cmath>

using namespace blococ;

void TExtracaoBlocoC::Saidas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const bool real = TributacaoReal();
  qr1->Clear();
  Linhas(*qr1, {"select", "nf.nr_nf,", "nf.tp_nf,", "nf.cd_fil as nr_loja,", "nf.dt_emis,", "nf.cd_cli,",
                "nf.cd_sitdoc,", "nf.sn_canc,", "nf.cd_modelo,", "nf.cd_serie,", "nf.nr_chavenfe as nr_chave,",
                "nf.dt_emis,", "nf.vl_nf,", "nf.vl_desc,", "nf.vl_prod,", "nf.vl_frete,", "nf.vl_seguro,",
                "nf.vl_outros as vl_outras,", "nf.vl_bc,", "nf.vl_icms,", "nf.vl_bcst,", "nf.vl_icmsst,", "nf.vl_ipi,",
                "nf.vl_pis,", "nf.vl_cofins,", "nf.tp_finalidade,", "nf.cd_pagnf,", "cliente.tp_cli,",
                "filial.nm_fil as nm_emp", "from nf", "left join cliente on cliente.cd_cli = nf.cd_cli",
                "left join filial on filial.cd_fil = nf.cd_fil", "left join cfop on cfop.cd_cfop = nf.cd_cfop",
                "left join condpag on condpag.cd_pag = nf.cd_pagnf", "where"});
  qr1->Add("nf.dt_emis >= \"" + DataSQL(opcoes_.DataInicial) + "\"");
  qr1->Add("and");
  qr1->Add("nf.dt_emis <= \"" + DataSQL(opcoes_.DataFinal) + "\"");
  Linhas(*qr1, {"and", "nf.sn_transmitida = \"1\"", "and", "nf.sn_inutil = \"0\"", "and", "nf.sn_canc = \"0\"", "and",
                "(nf.cd_sitdoc<>\"02\" and nf.cd_sitdoc<>\"03\" and nf.cd_sitdoc<>\"04\" and nf.cd_sitdoc<>\"05\")",
                "and", "filial.sn_lojavenda = \"1\"", "and", "cfop.sn_efdcontrib = \"0\""});
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    const std::string tpNf = Txt(n, "tp_nf"), nrNf = Txt(n, "nr_nf"), loja = Txt(n, "nr_loja"),
                      dtEmis = Txt(n, "dt_emis");
    std::string tpMov = tpNf;
    if (Txt(n, "tp_finalidade") == "3") tpMov = tpNf == "0" ? "2" : "3";
    std::string sit = Txt(n, "cd_sitdoc");
    if (sit.empty()) sit = "0";
    SetCaption("Registro C100 Saidas (55): " + dtEmis + " " + Txt(n, "cd_cli") + " " + nrNf);
    Lendo("NF-e", nrNf, loja);
    const int64_t tipo = Inteiro(n, "tp_nf");

    TRegistroC100& c100 = bc.RegistroC100New();
    c100.IND_OPER = tipo == 0 ? TVornIndTipoOper::tpEntradaAquisicao : TVornIndTipoOper::tpSaidaPrestacao;
    c100.IND_EMIT = TVornEmitente::edEmissaoPropria;
    c100.COD_PART = Txt(n, "cd_cli");
    c100.COD_MOD = Txt(n, "cd_modelo");
    c100.COD_SIT = Situacao(sit, c100.COD_SIT);
    c100.SER = Txt(n, "cd_serie");
    c100.NUM_DOC = nrNf.empty() ? "0" : nrNf;
    c100.CHV_NFE = Txt(n, "nr_chave");
    c100.DT_DOC = c100.DT_E_S = n.FieldByName("dt_emis").AsDate();
    c100.VL_DOC = Currency(Num(n, "vl_prod") - Num(n, "vl_desc") + Num(n, "vl_frete") + Num(n, "vl_seguro") +
                           Num(n, "vl_outras") + Num(n, "vl_icmsst") + Num(n, "vl_ipi"));
    c100.IND_PGTO = TVornIndPgto::tpVista;
    c100.VL_DESC = Currency(Num(n, "vl_desc"));
    c100.VL_ABAT_NT = Currency(0);
    c100.VL_MERC = Currency(Num(n, "vl_prod"));
    c100.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
    c100.VL_FRT = Currency(Num(n, "vl_frete"));
    c100.VL_SEG = Currency(Num(n, "vl_seguro"));
    c100.VL_OUT_DA = Currency(Num(n, "vl_outras"));
    c100.VL_BC_ICMS = Currency(Num(n, "vl_bc"));
    c100.VL_ICMS = Currency(Num(n, "vl_icms"));
    c100.VL_BC_ICMS_ST = Currency(Num(n, "vl_bcst"));
    c100.VL_ICMS_ST = Currency(Num(n, "vl_icmsst"));
    c100.VL_IPI = Currency(Num(n, "vl_ipi"));
    if (liminar_) {
      c100.VL_PIS = Currency(TotalPisCofinsNF(loja, nrNf, true));
      c100.VL_COFINS = Currency(TotalPisCofinsNF(loja, nrNf, false));
    } else {
      c100.VL_PIS = Currency(Num(n, "vl_pis"));
      c100.VL_COFINS = Currency(Num(n, "vl_cofins"));
    }
    c100.VL_PIS_ST = c100.VL_COFINS_ST = Currency(0);

    auto fmt = [](Currency c) { return Currency(ArredondaFmt(2, c.ToDouble())); };
    Saldo sPis{fmt(c100.VL_PIS)}, sCofins{fmt(c100.VL_COFINS)}, sProd{fmt(c100.VL_MERC)}, sDesc{fmt(c100.VL_DESC)},
        sBc{fmt(c100.VL_BC_ICMS)}, sIcms{fmt(c100.VL_ICMS)}, sIpi{fmt(c100.VL_IPI)};
    const double vlProd = Num(n, "vl_prod");
    const double d = vlProd != 0 ? Num(n, "vl_desc") / vlProd : 0;

    qr2->Clear();
    Linhas(*qr2, {"select", "nfitem.nr_nf,", "nfitem.cd_mat as cd_prod,", "nfitem.qt_prod,",
                  "nfitem.nm_unid as un_prod,", "nfitem.vl_nf as vl_unit,", "nfitem.vl_totalnf as tt_item,",
                  "nfitem.cd_sita as sit_a,", "nfitem.cd_sitb as sit_b,", "nfitem.nr_nf,", "nfitem.tx_icms,",
                  "nfitem.tx_ipi,", "nfitem.cd_cfop,", "cfop.tx_cfop as tx_bscalc,",
                  "round((nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) - (nfitem.vl_totalnf * (1-(nf.vl_desc / "
                  "nf.vl_prod)) * ((100 - cfop.tx_cfop)/100) * (nfitem.tx_icms / 100))),2) AS vl_bcpiscofins,",
                  "(nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) - (nfitem.vl_totalnf * (1-(nf.vl_desc / "
                  "nf.vl_prod)) * ((100 - cfop.tx_cfop)/100) * (nfitem.tx_icms / 100))) * (nfitem.tx_pis / 100) AS vl_pis,",
                  "round((nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) - (nfitem.vl_totalnf * (1-(nf.vl_desc / "
                  "nf.vl_prod)) * ((100 - cfop.tx_cfop)/100) * (nfitem.tx_icms / 100))) * (nfitem.tx_cofins / 100),2) AS "
                  "vl_cofins,",
                  "material.nm_mat as nm_prod,", "material.cd_ipi as cd_ipi,"});
    if (tipo == 0)
      Linhas(*qr2, {"if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",material.cd_pis2,nfitem.cd_pis) as cd_pis,",
                    "if(TRIM(ifnull(nfitem.cd_cofins,\"\"))=\"\",material.cd_cofins2,nfitem.cd_cofins) as cd_cofins,",
                    "if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",material.tx_pis2,nfitem.tx_pis) as tx_pis,",
                    "if(TRIM(ifnull(nfitem.cd_cofins,\"\"))=\"\",material.tx_cofins2,nfitem.tx_cofins) as tx_cofins,"});
    else
      Linhas(*qr2, {"if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",material.cd_pis,nfitem.cd_pis) as cd_pis,",
                    "if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",material.tx_pis,nfitem.tx_pis) as tx_pis,",
                    "if(TRIM(ifnull(nfitem.cd_cofins,\"\"))=\"\",material.cd_cofins,nfitem.cd_cofins) as cd_cofins,",
                    "if(TRIM(ifnull(nfitem.cd_cofins,\"\"))=\"\",material.tx_cofins,nfitem.tx_cofins) as tx_cofins,"});
    Linhas(*qr2, {"cfop.nr_cfop,", "cfop.sn_transest as sn_transest", "from nfitem",
                  "left join material on material.cd_mat = nfitem.cd_mat",
                  "left join cfop on cfop.cd_cfop = nfitem.cd_cfop",
                  "LEFT JOIN nf ON nf.cd_fil = nfitem.cd_fil AND nf.nr_nf = nfitem.nr_nf", "where"});
    qr2->Add("nfitem.nr_nf = \"" + db0.Escape(nrNf) + "\"");
    qr2->Add("and");
    qr2->Add("nfitem.cd_fil = \"" + db0.Escape(loja) + "\"");
    qr2->Open();
    const std::string conta = ContaContabilMov("C170", tpMov);
    const uint64_t total = qr2->RecordCount();
    uint64_t i = 0;
    for (qr2->First(); !qr2->Eof(); qr2->Next()) {
      const TDbQuery& it = *qr2;
      ++i;
      const bool ultimo = i == total;
      const std::string cdProd = Txt(it, "cd_prod"), nrCfop = Txt(it, "nr_cfop"), cdPis = Txt(it, "cd_pis"),
                        sitB = Txt(it, "sit_b");
      LendoItem(static_cast<int64_t>(i), cdProd);
      SetCaption("Registro C170 Saidas (55): " + ZeroEsquerdaInt(static_cast<int64_t>(i), 4) + " " + cdProd + " " +
                 nrCfop + " " + nrNf + " " + dtEmis);
      const double tt = Num(it, "tt_item");
      TRegistroC170& c170 = bc.RegistroC170New();
      c170.NUM_ITEM = ZeroEsquerdaInt(static_cast<int64_t>(i), 3);
      c170.COD_ITEM = cdProd;
      c170.DESCR_COMPL = Txt(it, "nm_prod");
      c170.QTD = std::fabs(Num(it, "qt_prod"));
      c170.UNID = Txt(it, "un_prod");
      if (it.FieldByName("nm_prod").IsNull()) {
        const TProdutoVariante p = SemCadastro(cdProd);
        c170.DESCR_COMPL = p.nome;
        if (c170.UNID.empty()) c170.UNID = p.unidade.empty() ? "UN" : p.unidade;
      }
      c170.VL_ITEM = RegraA(Currency(tt), sProd, ultimo);
      if (tpNf == "1" && sit == "00")
        for (const char* c : {"04", "05", "06", "07", "08", "09"})
          if (cdPis == c) GravaM400800(1, cdProd, c170.VL_ITEM.ToDouble(), cdPis);
      c170.VL_DESC = RegraA(Currency(Arredonda(2, c170.VL_ITEM.ToDouble() * d)), sDesc, ultimo);
      c170.IND_MOV = TVornIndMovFisica::mfNao;
      c170.CST_ICMS = CstIcms(StrToInt(TiraAcentos(Txt(it, "sit_a") + sitB), "cd_sita/cd_sitb"), c170.CST_ICMS);
      c170.CFOP = TiraAcentos(nrCfop);
      c170.COD_NAT = TiraAcentos(Empresa("cd_loja") + nrCfop);

      const double txIcms = Num(it, "tx_icms");
      if (sitB == "00" || sitB == "10" || sitB == "90" || sitB == "20") {
        double base = tt * (1 - d);
        if (sitB == "20") base = base * (100 - Num(it, "tx_bscalc")) / 100;
        base = Arredonda(2, base);
        c170.VL_BC_ICMS = Currency(base);
        c170.ALIQ_ICMS = Currency(txIcms);
        c170.VL_ICMS = Currency(Arredonda(2, base * txIcms / 100));
      } else if (sitB == "30" || sitB == "40" || sitB == "50" || sitB == "51" || sitB == "60" || sitB == "70") {
        c170.VL_BC_ICMS = c170.ALIQ_ICMS = c170.VL_ICMS = Currency(0);
        if (sitB == "60") c170.VL_BC_ICMS_ST = c170.ALIQ_ST = c170.VL_ICMS_ST = Currency(0);
      }
      c170.VL_BC_ICMS = RegraC(c170.VL_BC_ICMS, sBc, ultimo);
      c170.VL_ICMS = RegraC(c170.VL_ICMS, sIcms, ultimo);

      c170.IND_APUR = TVornApuracaoIPI::iaMensal;
      c170.CST_IPI = Cst<TVornCstIpi>(Inteiro(it, "cd_ipi"), c170.CST_IPI);
      c170.COD_ENQ.clear();
      const double txIpi = Num(it, "tx_ipi");
      if (txIpi > 0) {
        c170.VL_BC_IPI = Currency(tt);
        c170.ALIQ_IPI = Currency(txIpi);
        c170.VL_IPI = Currency(Arredonda(2, tt * txIpi / 100));
      } else {
        c170.VL_BC_IPI = c170.ALIQ_IPI = c170.VL_IPI = Currency(0);
      }
      c170.VL_IPI = RegraB(c170.VL_IPI, sIpi, ultimo);

      const double baseItem = liminar_ ? Num(it, "vl_bcpiscofins") : static_cast<double>(ArredondaFmt(2, tt * (1 - d)));
      c170.CST_PIS = Cst<TVornCstPis>(Inteiro(it, "cd_pis"), c170.CST_PIS);
      const double txPis = Num(it, "tx_pis");
      Currency vlPis(0);
      if (txPis > 0) {
        c170.VL_BC_PIS = Currency(baseItem);
        c170.ALIQ_PIS_PERC = Currency(txPis);
        c170.QUANT_BC_PIS = c170.ALIQ_PIS_R = Variant();
        vlPis = liminar_ ? Currency(ArredondaFmt(2, Num(it, "vl_pis")))
                         : Currency(Arredonda(2, Currency(baseItem).ToDouble() * txPis / 100));
      } else {
        c170.VL_BC_PIS = c170.ALIQ_PIS_PERC = Currency(0);
      }
      vlPis = RegraB(vlPis, sPis, ultimo);
      c170.VL_PIS = vlPis;
      // A customer's return comes in on an own entry invoice: it is no sale.
      const bool venda = c100.IND_OPER == TVornIndTipoOper::tpSaidaPrestacao;
      if (venda) geracao_.vlpisM200 += vlPis.ToExtended();

      c170.CST_COFINS = Cst<TVornCstCofins>(Inteiro(it, "cd_cofins"), c170.CST_COFINS);
      const double txCofins = Num(it, "tx_cofins");
      Currency vlCofins(0);
      if (txCofins > 0) {
        c170.VL_BC_COFINS = Currency(baseItem);
        c170.ALIQ_COFINS_PERC = Currency(txCofins);
        c170.QUANT_BC_COFINS = c170.ALIQ_COFINS_R = Variant();
        vlCofins = liminar_ ? Currency(ArredondaFmt(2, Num(it, "vl_cofins")))
                            : Currency(Arredonda(2, Currency(baseItem).ToDouble() * txCofins / 100));
      } else {
        c170.VL_BC_COFINS = c170.ALIQ_COFINS_PERC = Currency(0);
      }
      if (real && c100.IND_OPER == TVornIndTipoOper::tpEntradaAquisicao && Txt(n, "tp_cli") == "F")
        vlCofins = Currency(0);
      vlCofins = RegraB(vlCofins, sCofins, ultimo);
      c170.VL_COFINS = vlCofins;
      if (venda) geracao_.vlcofinsM200 += vlCofins.ToExtended();
      c170.COD_CTA = conta;
      geracao_.Apuracao.Soma(c170);
    }
    qr2->Close();
    DocumentoPronto();
  }
  qr1->Close();
}
