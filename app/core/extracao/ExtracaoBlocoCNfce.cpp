// Block C NFC-e (C100/C175 by item group), their recomputed PIS/COFINS kept for the ERP. The
// period's NFC-e come with their items in one statement, read as a stream in document order.
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCRegras.h"

using namespace blococ;

void TExtracaoBlocoC::Nfce() {
  if (!opcoes_.IncluiNfce) return;
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  qr1->Clear();
  Linhas(*qr1, {"select", "nfce.nr_nfce,", "nfce.cd_fil as nr_loja,", "nfce.dt_emis,", "nfce.dt_saida,", "nfce.cd_cli,",
                "nfce.cd_cli as nr_cpf,", "nfce.sn_canc,", "nfce.cd_sitdoc,", "nfce.cd_modelo,", "nfce.nr_serie,",
                "nfce.nr_chave,", "nfce.dt_emis,", "nfce.vl_nf,", "nfce.vl_desc,", "nfce.vl_prod,", "nfce.vl_seguro,",
                "nfce.vl_outras,", "nfce.vl_bc,", "nfce.vl_icms,", "nfce.vl_bcst,", "nfce.vl_icmsst,", "nfce.vl_pis,",
                "nfce.vl_cofins,", "nfce.sn_transmitida,", "cfop.nr_cfop as nfce_nr_cfop,", "filial.nm_fil as nm_emp,",
                "nfce.cd_fil,", "nfceitem.nr_item,", "nfceitem.cd_prod,", "nfceitem.cd_pis,", "nfceitem.tx_pis,",
                "nfceitem.cd_cofins,", "nfceitem.tx_cofins,", "nfceitem.tt_item,", "cfopitem.nr_cfop",
                "from nfce", "left join filial on filial.cd_fil = nfce.cd_fil",
                "left join cfop on cfop.cd_cfop = nfce.cd_cfop",
                // By the header's primary key: another store's NFC-e with the same store number,
                // series and number would otherwise repeat every item.
                "left join nfceitem on (nfceitem.nr_nfce = nfce.nr_nfce and nfceitem.cd_fil = nfce.cd_fil and "
                "nfceitem.nr_serie = nfce.nr_serie)",
                "left join cfop cfopitem on cfopitem.cd_cfop = nfceitem.cd_cfop", "where"});
  qr1->Add("nfce.dt_emis >= \"" + DataSQL(opcoes_.DataInicial) + "\"");
  qr1->Add("and");
  qr1->Add("nfce.dt_emis <= \"" + DataSQL(opcoes_.DataFinal) + "\"");
  Linhas(*qr1, {"and", "(nfce.sn_transmitida=\"1\" or nfce.sn_inutil=\"1\" or nfce.sn_canc=\"1\")", "and",
                "filial.sn_lojavenda = \"1\"", "and",
                "(nfce.cd_sitdoc<>\"02\" and nfce.cd_sitdoc<>\"03\" and nfce.cd_sitdoc<>\"04\" and nfce.cd_sitdoc<>\"05\")",
                "and", "cfop.sn_efdcontrib = \"0\"",
                // Within a document its items in the order of the groups below.
                "order by nfce.cd_fil,nfce.nr_serie,nfce.nr_nfce,cfopitem.nr_cfop,nfceitem.cd_pis,nfceitem.tx_pis,"
                "nfceitem.tx_cofins,nfceitem.nr_item"});
  const std::string contaC175 = ContaContabilMov("C175", "1");
  qr1->OpenStreamed();
  while (!qr1->Eof()) {
    const TDbQuery& n = *qr1;
    const std::string nrNfce = Txt(n, "nr_nfce"), serie = Txt(n, "nr_serie"), loja = Txt(n, "nr_loja"),
                      dtEmis = Txt(n, "dt_emis"), cdSitdoc = Txt(n, "cd_sitdoc"), cdFil = Txt(n, "cd_fil"),
                      transmitida = Txt(n, "sn_transmitida");
    // This NFC-e's rows: the cursor stays on them until the next document's first row.
    auto doDocumento = [&] {
      return !qr1->Eof() && Txt(n, "nr_nfce") == nrNfce && Txt(n, "nr_serie") == serie && Txt(n, "cd_fil") == cdFil;
    };
    SetCaption("Registro C100 Saidas (65): " + serie + " " + Txt(n, "dt_saida") + " " + nrNfce);
    Lendo("NFC-e", nrNfce + " série " + serie, loja);
    TRegistroC100& c100 = bc.RegistroC100New();
    const int64_t sit = Inteiro(n, "cd_sitdoc");
    if (sit >= 0 && sit <= 8) c100.COD_SIT = static_cast<TVornCodSit>(sit);
    const bool semValores = c100.COD_SIT == TVornCodSit::sdfCancelado || c100.COD_SIT == TVornCodSit::sdfExtCancelado ||
                            c100.COD_SIT == TVornCodSit::sdfDenegado || c100.COD_SIT == TVornCodSit::sdfInutilizado;
    c100.IND_OPER = TVornIndTipoOper::tpSaidaPrestacao;
    c100.IND_EMIT = TVornEmitente::edEmissaoPropria;
    c100.COD_PART = Txt(n, "cd_cli");
    c100.COD_MOD = Txt(n, "cd_modelo");
    c100.SER = semValores ? std::string() : serie;
    c100.NUM_DOC = nrNfce.empty() ? "0" : nrNfce;
    c100.CHV_NFE = Txt(n, "nr_chave");
    c100.DT_DOC = n.FieldByName("dt_emis").AsDate();
    c100.DT_E_S = n.FieldByName("dt_saida").AsDate();
    c100.IND_PGTO = TVornIndPgto::tpSemPagamento;
    c100.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
    c100.VL_FRT = c100.VL_ABAT_NT = c100.VL_BC_ICMS_ST = c100.VL_ICMS_ST = c100.VL_IPI = c100.VL_PIS_ST =
        c100.VL_COFINS_ST = Currency(0);
    c100.VL_PIS = Currency(Num(n, "vl_pis"));
    c100.VL_COFINS = Currency(Num(n, "vl_cofins"));
    if (semValores) {
      c100.VL_DOC = c100.VL_DESC = c100.VL_MERC = c100.VL_SEG = c100.VL_OUT_DA = c100.VL_BC_ICMS = c100.VL_ICMS =
          Currency(0);
    } else {
      c100.VL_DOC = c100.COD_SIT == TVornCodSit::sdfComplementar
                        ? Currency(0)
                        : Currency(Num(n, "vl_prod") - Num(n, "vl_desc") + Num(n, "vl_seguro") + Num(n, "vl_outras") +
                                   Num(n, "vl_icmsst"));
      c100.VL_DESC = Currency(Num(n, "vl_desc"));
      c100.VL_MERC = Currency(Num(n, "vl_prod"));
      c100.VL_SEG = Currency(Num(n, "vl_seguro"));
      c100.VL_OUT_DA = Currency(Num(n, "vl_outras"));
      c100.VL_BC_ICMS = Currency(Num(n, "vl_bc"));
      c100.VL_ICMS = Currency(Num(n, "vl_icms"));
    }
    long double somaPis = c100.VL_PIS.ToExtended(), somaCofins = c100.VL_COFINS.ToExtended();
    const double vlProd = Num(n, "vl_prod");
    const double d = vlProd != 0 ? Num(n, "vl_desc") / vlProd : 0;
    const long double pisGravado = somaPis, cofinsGravado = somaCofins;
    bool comItens = false;

    if (c100.COD_SIT != TVornCodSit::sdfCancelado && c100.COD_SIT != TVornCodSit::sdfDenegado &&
        c100.COD_SIT != TVornCodSit::sdfInutilizado) {
      somaPis = somaCofins = 0;
      struct Grupo {
        std::string cfop, cdPis, cdCofins, cdProd;
        double txPis = 0, txCofins = 0, opr = 0, desc = 0;
        long double base = 0;
      } g;
      bool aberto = false;
      std::string runCfop, runPis;
      auto fecha = [&]() {
        if (!aberto) return;
        TRegistroC175& c175 = bc.RegistroC175New();
        c175.CFOP = g.cfop;
        c175.VL_OPR = g.opr;
        c175.VL_DESC = g.desc;
        const int64_t cst = StrToInt(g.cdPis, "cd_pis");
        c175.CST_PIS = Cst<TVornCstPis>(cst, c175.CST_PIS);
        if (cst >= 4 && cst <= 9 && cdSitdoc == "00" && transmitida == "1")
          GravaM400800(3, g.cdProd, NumeroDe(c175.VL_OPR), g.cdPis);
        auto base = [&]() {
          long double b = g.base;
          if (liminar_ && b > c100.VL_ICMS.ToExtended()) b -= c100.VL_ICMS.ToExtended();
          return b;
        };
        if (g.txPis > 0) {
          const long double b = base();
          c175.VL_BC_PIS = Currency(b);
          c175.ALIQ_PIS = Currency(g.txPis);
          c175.QUANT_BC_PIS = c175.ALIQ_PIS_QUANT = Variant();
          c175.VL_PIS = Currency(Arredonda(2, static_cast<double>(b * g.txPis / 100)));
        } else {
          c175.VL_BC_PIS = c175.ALIQ_PIS = c175.VL_PIS = Currency(0);
        }
        somaPis += NumeroDe(c175.VL_PIS);
        geracao_.vlpisM200 += NumeroDe(c175.VL_PIS);
        c175.CST_COFINS = Cst<TVornCstCofins>(StrToInt(g.cdCofins, "cd_cofins"), c175.CST_COFINS);
        if (g.txCofins > 0) {
          const long double b = base();
          c175.VL_BC_COFINS = Currency(b);
          c175.ALIQ_COFINS = Currency(g.txCofins);
          c175.QUANT_BC_COFINS = c175.ALIQ_COFINS_QUANT = Variant();
          c175.VL_COFINS = Currency(Arredonda(2, static_cast<double>(b * g.txCofins / 100)));
        } else {
          c175.VL_BC_COFINS = c175.ALIQ_COFINS = c175.VL_COFINS = Currency(0);
        }
        somaCofins += NumeroDe(c175.VL_COFINS);
        geracao_.vlcofinsM200 += NumeroDe(c175.VL_COFINS);
        c175.COD_CTA = contaC175;
        c175.INFO_COMPL.clear();
        geracao_.Apuracao.Soma(c175, g.cdProd);
        aberto = false;
      };
      int64_t item = 0;
      for (; doDocumento(); qr1->Next()) {
        const TDbQuery& it = *qr1;
        if (it.FieldByName("nr_item").IsNull()) continue;  // an NFC-e without items
        comItens = true;
        const std::string cfop = Txt(it, "nr_cfop"), cdPis = Txt(it, "cd_pis");
        // Checked on the item's own row, so that an error names it; its group uses them later.
        LendoItem(++item, Txt(it, "cd_prod"));
        StrToInt(cdPis, "cd_pis");
        StrToInt(Txt(it, "cd_cofins"), "cd_cofins");
        const double txPis = Num(it, "tx_pis");
        const bool novaCfop = !aberto || cfop != g.cfop;
        const bool novoRun = novaCfop || cdPis != runPis;
        if (aberto && (novoRun || txPis != g.txPis)) fecha();
        if (novaCfop)
          SetCaption("Registro C175 Saidas (65): " + ZeroEsquerdaInt(1, 4) + " " + Txt(it, "cd_prod") + " " + cfop +
                     " " + nrNfce + " " + dtEmis);
        if (novoRun) {
          runPis = cdPis;
          g.cdProd = Txt(it, "cd_prod");
          g.cdCofins = Txt(it, "cd_cofins");
        }
        if (!aberto) {
          g.cfop = cfop;
          g.cdPis = cdPis;
          g.txPis = txPis;
          g.opr = g.desc = 0;
          g.base = 0;
          aberto = true;
        }
        const double tt = Num(it, "tt_item");
        g.opr += tt * (1 - d);
        g.desc += tt * d;
        g.base += ArredondaFmt(2, tt * (1 - d));
        g.txPis = txPis;
        g.txCofins = Num(it, "tx_cofins");
      }
      fecha();
      // The header's stored values are those of the previous run's write-back.
      if (comItens) {
        c100.VL_PIS = Currency(somaPis);
        c100.VL_COFINS = Currency(somaCofins);
      }
    }
    while (doDocumento()) qr1->Next();

    // Written to the ERP once the file is complete; an NFC-e whose items are not found keeps
    // its stored values.
    if (comItens) geracao_.RetornoNfce.Adiciona(cdFil, serie, nrNfce, somaPis, somaCofins, pisGravado, cofinsGravado);
    DocumentoPronto();
  }
  qr1->Close();
}
