// "Bloco C", individual documents: purchase invoices with their import documents and items,
// own NF-e with their items, then NFC-e, fiscal coupons and utility bills
// (ExtracaoBlocoCNfce.cpp). Sales PIS/COFINS go to the block M totals on the way.
#include <cmath>
#include <initializer_list>

#include "FrmVUDIRozAzezav.h"
#include "Funcoes.h"

namespace {

// What is left of a document total while its items take their share of it.
struct Saldo {
  Currency R;
};

// The member whose layout code, read as a number, is the ERP's code; none leaves the field.
template <typename E>
E Cst(int64_t codigo, E atual) {
  for (int o = 0; o < 255; ++o) {
    const std::string_view c = Code(static_cast<E>(o));
    if (!c.empty() && std::stoll(std::string(c)) == codigo) return static_cast<E>(o);
  }
  return atual;
}

// A code read as an integer: an empty or non-numeric code stops the extraction.
int64_t StrToInt(const std::string& texto) {
  size_t fim = 0;
  int64_t v = 0;
  try {
    v = std::stoll(texto, &fim);
  } catch (const std::exception&) {
    fim = std::string::npos;
  }
  if (texto.empty() || fim != texto.size()) throw Erro("'" + texto + "' não é um valor inteiro válido");
  return v;
}

int64_t Inteiro(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsInteger(); }
double Num(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsFloat(); }
std::string Txt(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsString(); }

void Linhas(TDbQuery& q, std::initializer_list<const char*> linhas) {
  for (const char* l : linhas) q.Add(l);
}

TVornCstIcms CstIcms(int64_t codigo, TVornCstIcms atual) {
  // Only the situations under origins 0 to 2 and the Simples Nacional codes: the later
  // ones come last in the table, so "300" is the Simples Nacional one.
  for (int o = 255; o >= 0; --o) {
    const auto e = static_cast<TVornCstIcms>(o);
    const std::string_view c = Code(e);
    if (c.empty() || std::stoll(std::string(c)) != codigo) continue;
    if (e >= TVornCstIcms::csticms300 && e <= TVornCstIcms::csticms890) return atual;
    return e;
  }
  return atual;
}

TVornCodSit Situacao(const std::string& texto, TVornCodSit atual) {
  static const char* kCodigos[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08"};
  for (int i = 0; i < 9; ++i)
    if (texto == kCodigos[i]) return static_cast<TVornCodSit>(i);
  return atual;
}

Currency RegraA(Currency x, Saldo& s, bool ultimo) {
  if (x > s.R || ultimo) return s.R;
  s.R = Currency(Arredonda(2, (s.R - x).ToDouble()));
  return x;
}

Currency RegraB(Currency x, Saldo& s, bool ultimo) {
  if (x > s.R) return s.R > Currency(0) ? s.R : x;
  return RegraA(x, s, ultimo);
}

Currency RegraC(Currency x, Saldo& s, bool ultimo) {
  if (x <= Currency(0)) return x;
  return RegraA(x, s, ultimo);
}

Currency RegraD(Currency x, Saldo& s, bool ultimo, double aliquota) {
  if (x < s.R) {
    if (ultimo && aliquota > 0) return s.R;
    s.R = Currency(Arredonda(2, (s.R - x).ToDouble()));
    return x;
  }
  return s.R > Currency(0) ? s.R : x;
}

}  // namespace

std::string TFrmVUDIRozAzezav::ContaContabilMov(const std::string& registro, const std::string& tpMov) {
  // Asked for every item: the rows do not change during the run, so each pair is read once.
  const std::string chave = registro + "|" + tpMov;
  if (auto it = contasMov_.find(chave); it != contasMov_.end()) return it->second;
  qrContaContabil->Clear();
  Linhas(*qrContaContabil, {"select", "contascontabeis.cod_cta,", "contascontabeis.tp_mov,", "contascontabeis.tp_fp,",
                            "contascontabeisreg.cod_reg", "from contascontabeisreg",
                            "left join contascontabeis on contascontabeis.cod_cta = contascontabeisreg.cod_cta",
                            "where"});
  qrContaContabil->Add("contascontabeisreg.cod_reg = \"" + db0.Escape(registro) + "\"");
  qrContaContabil->Add("and");
  qrContaContabil->Add("contascontabeis.tp_mov = \"" + db0.Escape(tpMov) + "\"");
  qrContaContabil->Add("and");
  qrContaContabil->Add("contascontabeis.cnpj_est = \"" + db0.Escape(Empresa("nr_cgc")) + "\"");
  qrContaContabil->Open();
  std::string conta = qrContaContabil->IsEmpty() ? std::string() : Txt(*qrContaContabil, "cod_cta");
  qrContaContabil->Close();
  contasMov_[chave] = conta;
  return conta;
}

void TFrmVUDIRozAzezav::GravaM400800(int tpDoc, const std::string& cdProd, double valor, const std::string& cdCod) {
  try {
    TDbQuery natRec(db0);
    natRec.Add("select nat_rec from material where cd_mat = \"" + db0.Escape(cdProd) + "\"");
    natRec.Open();
    const std::string nat = natRec.IsEmpty() ? std::string() : Txt(natRec, "nat_rec");
    natRec.Close();
    TDbQuery ins(db0);
    ins.Add("INSERT INTO m400800temp SET");
    ins.Add("tp_doc = :tpdoc,");
    ins.Add("cd_prod = \"" + db0.Escape(cdProd) + "\",");
    ins.Add("nat_rec = \"" + db0.Escape(nat) + "\",");
    ins.Add("cd_cod = \"" + db0.Escape(cdCod) + "\",");
    ins.Add("vl_cod = :vlcod");
    ins.ParamByName("tpdoc").AsInteger(tpDoc);
    ins.ParamByName("vlcod").AsFloat(valor);
    ins.ExecSQL();
    db0.Commit();
  } catch (const std::exception& e) {
    throw std::runtime_error(e.what());
  }
}

// Item query of a purchase invoice; the totals use the second IPI code.
static void ItensEntrada(TDbConnection& db, TDbQuery& q, const std::string& nrNfent, bool ipi2) {
  q.Clear();
  Linhas(q, {"select", "nfentit.cd_mat as cd_prod,", "nfentit.nr_cfop,", "nfentit.qt_prod,", "nfentit.vl_compra,",
             "nfentit.un_prod,", "nfentit.cd_cst,", "nfentit.tx_desc,", "nfentit.tx_frete,", "nfentit.tx_outdesp,",
             "nfentit.tx_seguro,", "nfentit.tx_icmsag,", "nfentit.tx_icmscred,", "nfentit.tx_bscalc,",
             "nfentit.tx_icmsvenda,"});
  q.Add(ipi2 ? "material.cd_ipi2 as cd_ipi," : "ifnull(material.cd_ipi2,\"49\") as cd_ipi,");
  Linhas(q, {"ifnull(nfentit.tx_ipi,0) as tx_ipi,",
             "if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",material.cd_pis2,nfentit.cd_pis) as cd_pis2,",
             "if(TRIM(ifnull(nfentit.cd_cofins,\"\"))=\"\",material.cd_cofins2,nfentit.cd_cofins) as cd_cofins2,",
             "if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",material.tx_pis2,nfentit.tx_pis) as tx_pis2,",
             "if(TRIM(ifnull(nfentit.cd_cofins,\"\"))=\"\",material.tx_cofins2,nfentit.tx_cofins) as tx_cofins2,",
             "material.nm_mat as nm_prod,", "material.nm_unid as un_prod2", "from nfentit",
             "left join material on material.cd_mat = nfentit.cd_mat", "where"});
  q.Add("nfentit.nr_nfent = \"" + db.Escape(nrNfent) + "\"");
  Linhas(q, {"and", "nfentit.cd_mat = material.cd_mat", "order by nfentit.cd_cst,nfentit.nr_cfop,nfentit.tx_icmscred"});
  q.Open();
}

long double TFrmVUDIRozAzezav::TotalPisCofinsEntrada(const std::string& nrNfent, int tipo) {
  TDbQuery q(db0);
  ItensEntrada(db0, q, nrNfent, true);
  const bool real = TributacaoReal();
  long double total = 0;
  for (q.First(); !q.Eof(); q.Next()) {
    const double v = Arredonda(2, Num(q, "qt_prod") * Num(q, "vl_compra"));
    const double txIpi = Num(q, "tx_ipi");
    const double ipi = txIpi > 0 ? v * txIpi / 100 : 0;
    const double fd = 1 - Num(q, "tx_desc") / 100, ff = 1 + Num(q, "tx_frete") / 100;
    const long double base = real ? ArredondaFmt(2, v * fd * ff) + ipi : ArredondaFmt(2, v * fd);
    if (tipo == 1) {
      const double tx = Num(q, "tx_pis2");
      total += tx > 0 ? Arredonda(2, static_cast<double>(base * tx / 100)) : 0;
    } else {
      const double tx = Num(q, "tx_cofins2");
      total += tx > 0 ? ArredondaFmt(2, static_cast<double>(base * tx / 100)) : 0;
    }
  }
  return total;
}

bool TFrmVUDIRozAzezav::TributacaoReal() const {
  try {
    return EmpresaInt("tp_tributacao") == 2;
  } catch (const std::exception&) {
    return false;
  }
}

long double TFrmVUDIRozAzezav::TotalPisCofinsNF(const std::string& loja, const std::string& nrNf, bool pis) {
  TDbQuery q(db0);
  q.Add("select");
  const std::string taxa = pis ? "nfitem.tx_pis" : "nfitem.tx_cofins";
  q.Add("sum((nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) - (nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) * "
        "((100 - cfop.tx_cfop)/100) * (nfitem.tx_icms / 100))) * (" +
        taxa + " / 100)) as " + (pis ? "vlpis" : "vlcofins"));
  Linhas(q, {"from nfitem", "left join nf on nf.cd_fil = nfitem.cd_fil and nf.nr_nf = nfitem.nr_nf",
             "left join cfop on cfop.cd_cfop = nfitem.cd_cfop", "where", "nfitem.cd_fil = :nrloja", "and",
             "nfitem.nr_nf = :nrnf", ";"});
  q.ParamByName("nrloja").AsString(loja);
  q.ParamByName("nrnf").AsString(nrNf);
  q.Open();
  return q.IsEmpty() ? 0 : Num(q, pis ? "vlpis" : "vlcofins");
}

void TFrmVUDIRozAzezav::ExtraiBlocoC() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  contasMov_.clear();
  TDbQuery qremp(db0);
  qremp.Add("select empresa.sn_liminarbcpis from empresa left join filial on filial.cd_loja = empresa.cd_loja "
            "where filial.cd_fil = \"" +
            db0.Escape(Empresa("cd_loja")) + "\"");
  qremp.Open();
  liminar_ = !qremp.IsEmpty() && Txt(qremp, "sn_liminarbcpis") == "1";
  qremp.Close();

  bc.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroC010& c010 = bc.RegistroC010New();
  c010.CNPJ = Empresa("nr_cgc");
  c010.IND_ESCRI = TVornIndEscrituracao::IndEscriIndividualizado;

  if (TributacaoReal()) ExtraiBlocoCEntradas();
  ExtraiBlocoCSaidas();
  ExtraiBlocoCNfce();
  ExtraiBlocoCCupons();
  ExtraiBlocoCContas();
}

void TFrmVUDIRozAzezav::ExtraiBlocoCEntradas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(DateEdit1.Date), fin = DataSQL(DateEdit2.Date);
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
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    const std::string nrNfent = Txt(n, "nr_nfent"), dtEntrada = Txt(n, "dt_entrada"), nrNf = Txt(n, "nr_nf");
    SetCaption("Registro C100 Entradas: " + dtEntrada + " " + Txt(n, "cd_forn") + " " + nrNf);
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
    c100.VL_PIS = fisica ? Currency(0) : Currency(TotalPisCofinsEntrada(nrNfent, 1));
    c100.VL_COFINS = fisica ? Currency(0) : Currency(TotalPisCofinsEntrada(nrNfent, 2));
    c100.VL_PIS_ST = Currency(0);
    c100.VL_COFINS_ST = Currency(0);

    Saldo sPis{c100.VL_PIS}, sCofins{c100.VL_COFINS}, sProd{Currency(Arredonda(2, Num(n, "vl_prod")))},
        sDesc{Currency(Arredonda(2, Num(n, "vl_desc")))}, sIcms{Currency(Arredonda(2, Num(n, "vl_icms")))};

    qr2->Clear();
    Linhas(*qr2, {"select * from nfent,nfentantec", "where", "nfent.nr_nfent = nfentantec.nr_nfent", "and"});
    qr2->Add("nfent.dt_entrada >= \"" + ini + "\"");
    qr2->Add("and");
    qr2->Add("nfent.dt_entrada <= \"" + fin + "\"");
    qr2->Add("and");
    qr2->Add("nfent.nr_nfent = \"" + db0.Escape(nrNfent) + "\"");
    qr2->Open();
    if (!qr2->IsEmpty()) {
      SetCaption("Registro C110 - Informação Complementar");
      TRegistroC110& c110 = bc.RegistroC110New();
      c110.COD_INF = "000001";
      c110.TXT_COMPL = "PAGTO DE ICMS ANTECIPADO";
    }
    qr2->Close();

    qr2->Clear();
    qr2->Add("select * from nfentimp where nr_nfent = \"" + db0.Escape(nrNfent) + "\"");
    qr2->Open();
    for (qr2->First(); !qr2->Eof(); qr2->Next()) {
      SetCaption("Registro C120 " + Txt(*qr2, "nr_doc") + " " + Txt(*qr2, "nr_acdraw"));
      TRegistroC120& c120 = bc.RegistroC120New();
      switch (Inteiro(*qr2, "tp_doc")) {
        case 0: c120.COD_DOC_IMP = TVornDoctoImporta::diImportacao; break;
        case 1: c120.COD_DOC_IMP = TVornDoctoImporta::diSimplificadaImport; break;
        case 2: c120.COD_DOC_IMP = TVornDoctoImporta::diUnicaImportacao; break;
        default: break;
      }
      c120.NUM_DOC__IMP = Txt(*qr2, "nr_doc");
      c120.PIS_IMP = Currency(Num(*qr2, "vl_pis"));
      c120.COFINS_IMP = Currency(Num(*qr2, "vl_cofins"));
      c120.NUM_ACDRAW = Txt(*qr2, "nr_acdraw");
    }
    qr2->Close();

    if (sit == "05" || sit == "02" || sit == "03" || sit == "04") continue;

    ItensEntrada(db0, *qr2, nrNfent, false);
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
    qr2->Close();
  }
  qr1->Close();
}

void TFrmVUDIRozAzezav::ExtraiBlocoCSaidas() {
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
  qr1->Add("nf.dt_emis >= \"" + DataSQL(DateEdit1.Date) + "\"");
  qr1->Add("and");
  qr1->Add("nf.dt_emis <= \"" + DataSQL(DateEdit2.Date) + "\"");
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
                  "LEFT JOIN nf ON nf.cd_fil = nfitem.cd_fil AND nf.nr_nf = nfitem.nr_nf", "where",
                  "nfitem.cd_mat = material.cd_mat", "and"});
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
      SetCaption("Registro C170 Saidas (55): " + ZeroEsquerdaInt(static_cast<int64_t>(i), 4) + " " + cdProd + " " +
                 nrCfop + " " + nrNf + " " + dtEmis);
      const double tt = Num(it, "tt_item");
      TRegistroC170& c170 = bc.RegistroC170New();
      c170.NUM_ITEM = ZeroEsquerdaInt(static_cast<int64_t>(i), 3);
      c170.COD_ITEM = cdProd;
      c170.DESCR_COMPL = Txt(it, "nm_prod");
      c170.QTD = std::fabs(Num(it, "qt_prod"));
      c170.UNID = Txt(it, "un_prod");
      c170.VL_ITEM = RegraA(Currency(tt), sProd, ultimo);
      if (tpNf == "1" && sit == "00")
        for (const char* c : {"04", "05", "06", "07", "08", "09"})
          if (cdPis == c) GravaM400800(1, cdProd, c170.VL_ITEM.ToDouble(), cdPis);
      c170.VL_DESC = RegraA(Currency(Arredonda(2, c170.VL_ITEM.ToDouble() * d)), sDesc, ultimo);
      c170.IND_MOV = TVornIndMovFisica::mfNao;
      c170.CST_ICMS = CstIcms(StrToInt(TiraAcentos(Txt(it, "sit_a") + sitB)), c170.CST_ICMS);
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
      vlpisM200 += vlPis.ToExtended();

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
      vlcofinsM200 += vlCofins.ToExtended();
      c170.COD_CTA = conta;
    }
    qr2->Close();
  }
  qr1->Close();
}

void TFrmVUDIRozAzezav::ExtraiBlocoCNfce() {
  if (!CheckBox7.Checked) return;
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  qr1->Clear();
  Linhas(*qr1, {"select", "nfce.nr_nfce,", "nfce.cd_fil as nr_loja,", "nfce.dt_emis,", "nfce.dt_saida,", "nfce.cd_cli,",
                "nfce.cd_cli as nr_cpf,", "nfce.sn_canc,", "nfce.cd_sitdoc,", "nfce.cd_modelo,", "nfce.nr_serie,",
                "nfce.nr_chave,", "nfce.dt_emis,", "nfce.vl_nf,", "nfce.vl_desc,", "nfce.vl_prod,", "nfce.vl_seguro,",
                "nfce.vl_outras,", "nfce.vl_bc,", "nfce.vl_icms,", "nfce.vl_bcst,", "nfce.vl_icmsst,", "nfce.vl_pis,",
                "nfce.vl_cofins,", "nfce.sn_transmitida,", "cfop.nr_cfop,", "filial.nm_fil as nm_emp,",
                "nfce.cd_fil", "from nfce", "left join filial on filial.cd_fil = nfce.cd_fil",
                "left join cfop on cfop.cd_cfop = nfce.cd_cfop", "where"});
  qr1->Add("nfce.dt_emis >= \"" + DataSQL(DateEdit1.Date) + "\"");
  qr1->Add("and");
  qr1->Add("nfce.dt_emis <= \"" + DataSQL(DateEdit2.Date) + "\"");
  Linhas(*qr1, {"and", "(nfce.sn_transmitida=\"1\" or nfce.sn_inutil=\"1\" or nfce.sn_canc=\"1\")", "and",
                "filial.sn_lojavenda = \"1\"", "and",
                "(nfce.cd_sitdoc<>\"02\" and nfce.cd_sitdoc<>\"03\" and nfce.cd_sitdoc<>\"04\" and nfce.cd_sitdoc<>\"05\")",
                "and", "cfop.sn_efdcontrib = \"0\"", "order by nfce.cd_fil,nfce.nr_serie,nfce.nr_nfce"});
  qr1->Open();
  const std::string contaC175 = ContaContabilMov("C175", "1");
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    const std::string nrNfce = Txt(n, "nr_nfce"), serie = Txt(n, "nr_serie"), loja = Txt(n, "nr_loja"),
                      dtEmis = Txt(n, "dt_emis"), cdSitdoc = Txt(n, "cd_sitdoc");
    SetCaption("Registro C100 Saidas (65): " + serie + " " + Txt(n, "dt_saida") + " " + nrNfce);
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

    if (c100.COD_SIT != TVornCodSit::sdfCancelado && c100.COD_SIT != TVornCodSit::sdfDenegado &&
        c100.COD_SIT != TVornCodSit::sdfInutilizado) {
      somaPis = somaCofins = 0;
      qr2->Clear();
      Linhas(*qr2, {"select", "nfce.vl_icms,", "nfce.vl_bcst,", "nfce.vl_icmsst,", "nfceitem.nr_nfce,",
                    "nfceitem.cd_prod,", "nfceitem.un_prod,", "nfceitem.sit_a,", "nfceitem.sit_b,", "nfceitem.cd_cfop,",
                    "nfceitem.tx_bscalc,", "nfceitem.tx_icms,", "nfceitem.qt_prod,", "nfceitem.vl_unit,",
                    "nfceitem.tt_item,", "nfceitem.tx_tva,", "nfceitem.cd_pis,", "nfceitem.tx_pis,",
                    "nfceitem.cd_cofins,", "nfceitem.tx_cofins,", "nfceitem.sn_oferta,", "produto.nm_prod,",
                    "produto.cd_ipi,", "cfop.nr_cfop", "from nfceitem",
                    "left join produto on produto.cd_prod = nfceitem.cd_prod",
                    "left join cfop on cfop.cd_cfop = nfceitem.cd_cfop",
                    // By the header's primary key: another store's NFC-e with the same store
                    // number, series and number would otherwise repeat every item.
                    "left join nfce on (nfce.nr_nfce = nfceitem.nr_nfce and nfce.cd_fil = nfceitem.cd_fil and "
                    "nfce.nr_serie = nfceitem.nr_serie)",
                    "where"});
      qr2->Add("nfceitem.nr_nfce = \"" + db0.Escape(nrNfce) + "\"");
      qr2->Add("and");
      qr2->Add("nfceitem.cd_fil = \"" + db0.Escape(Txt(n, "cd_fil")) + "\"");
      qr2->Add("and");
      qr2->Add("nfceitem.nr_serie = \"" + db0.Escape(serie) + "\"");
      qr2->Add("order by cfop.nr_cfop,nfceitem.cd_pis,nfceitem.tx_pis,nfceitem.tx_cofins");
      qr2->Open();

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
        c175.CST_PIS = Cst<TVornCstPis>(StrToInt(g.cdPis), c175.CST_PIS);
        const int64_t cst = StrToInt(g.cdPis);
        if (cst >= 4 && cst <= 9 && cdSitdoc == "00" && Txt(n, "sn_transmitida") == "1")
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
        vlpisM200 += NumeroDe(c175.VL_PIS);
        c175.CST_COFINS = Cst<TVornCstCofins>(StrToInt(g.cdCofins), c175.CST_COFINS);
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
        vlcofinsM200 += NumeroDe(c175.VL_COFINS);
        c175.COD_CTA = contaC175;
        c175.INFO_COMPL.clear();
        aberto = false;
      };
      for (qr2->First(); !qr2->Eof(); qr2->Next()) {
        const TDbQuery& it = *qr2;
        const std::string cfop = Txt(it, "nr_cfop"), cdPis = Txt(it, "cd_pis");
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
      qr2->Close();
    }

    // Keyed by the header's whole primary key, so that only this NFC-e is touched.
    z1->Clear();
    z1->Add("update nfce set");
    z1->Add("vl_pis    = \"" + db0.Escape(ValorSQL(somaPis)) + "\",");
    z1->Add("vl_cofins = \"" + db0.Escape(ValorSQL(somaCofins)) + "\"");
    z1->Add("where");
    z1->Add("nr_nfce = \"" + db0.Escape(nrNfce) + "\"");
    z1->Add("and");
    z1->Add("nr_serie = \"" + db0.Escape(serie) + "\"");
    z1->Add("and");
    z1->Add("cd_fil = \"" + db0.Escape(Txt(n, "cd_fil")) + "\"");
    z1->Add(";");
    z1->Add("commit;");
    z1->Execute();
  }
  qr1->Close();
}

void TFrmVUDIRozAzezav::ExtraiBlocoCCupons() {
  if (!CheckBox2.Checked) return;
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(DateEdit1.Date), fin = DataSQL(DateEdit2.Date);
  qr5->Clear();
  Linhas(*qr5, {"select", "ze12.nr_loja,", "ze12.dt_mov,", "ze12.nr_fab,", "ze12.nr_ecf,", "ze01.tp_ecf,",
                "empresa.nm_emp", "from ze12", "left join ze01 on ze01.nr_fab = ze12.nr_fab",
                "left join empresa on empresa.cd_loja = ze12.nr_loja", "where"});
  qr5->Add("ze12.dt_mov >= \"" + ini + "\"");
  qr5->Add("and");
  qr5->Add("ze12.dt_mov <= \"" + fin + "\"");
  Linhas(*qr5, {"and", "empresa.sn_lojavenda = \"1\"", "group by ze12.nr_fab", "order by ze12.nr_ecf"});
  qr5->Open();

  const std::string contaC481 = ContaContabil("C481"), contaC485 = ContaContabil("C485");

  for (qr5->First(); !qr5->Eof(); qr5->Next()) {
    const std::string nrFab = Txt(*qr5, "nr_fab");
    SetCaption("Registro C400 " + Txt(*qr5, "nr_ecf") + " " + nrFab);
    TRegistroC400& c400 = bc.RegistroC400New();
    c400.COD_MOD = "2D";
    c400.ECF_MOD = Txt(*qr5, "tp_ecf");
    c400.ECF_FAB = nrFab;
    c400.ECF_CX = static_cast<int>(Inteiro(*qr5, "nr_ecf"));

    qr2->Clear();
    qr2->Add("select * from ze12");
    qr2->Add("where");
    qr2->Add("dt_mov >= \"" + ini + "\"");
    qr2->Add("and");
    qr2->Add("dt_mov <= \"" + fin + "\"");
    qr2->Add("and");
    qr2->Add("nr_fab = \"" + db0.Escape(nrFab) + "\"");
    qr2->Add("order by dt_mov,nr_ecf");
    qr2->Open();
    for (qr2->First(); !qr2->Eof(); qr2->Next()) {
      const TDateTime dia = qr2->FieldByName("dt_mov").AsDate();
      const std::string diaSql = DataSQL(dia), diaTxt = Txt(*qr2, "dt_mov");
      SetCaption("Registro C405 " + Txt(*qr2, "nr_ecf") + " " + diaTxt);
      qr3->Clear();
      qr3->Add("select sum(vl_gt) as vlgt from ze02");
      qr3->Add("where");
      qr3->Add("nr_fab = \"" + db0.Escape(nrFab) + "\"");
      qr3->Add("and");
      qr3->Add("dt_mov = \"" + diaSql + "\"");
      qr3->Open();
      TRegistroC405& c405 = bc.RegistroC405New();
      c405.DT_DOC = dia;
      c405.CRO = static_cast<int>(Inteiro(*qr2, "nr_cro"));
      c405.CRZ = static_cast<int>(Inteiro(*qr2, "nr_crz"));
      c405.NUM_COO_FIN = static_cast<int>(Inteiro(*qr2, "nr_coo"));
      c405.GT_FIN = Currency(Num(*qr3, "vlgt"));
      c405.VL_BRT = Currency(Num(*qr2, "vl_vendabruta"));
      qr3->Close();

      for (int pis = 1; pis >= 0; --pis) {
        qr6->Clear();
        qr6->Add("select");
        qr6->Add("ze15.cd_prod,");
        if (pis) {
          qr6->Add("ze15.nr_coo,");
          qr6->Add("ze15.nr_ecf,");
        }
        Linhas(*qr6, {"ze15.vl_total as vltotal,", "(ze14.vl_liquido/ze14.vl_subtotal) as txdesc,", "produto.cd_pis,",
                      "produto.tx_pis,", "produto.cd_cofins,", "produto.tx_cofins,", "cfop.nr_cfop", "from ze15",
                      "left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov)",
                      "left join produto on produto.cd_prod = ze15.cd_prod",
                      "left join cfop on cfop.cd_cfop = produto.cd_cfop", "where"});
        qr6->Add("ze15.nr_fab = \"" + db0.Escape(nrFab) + "\"");
        qr6->Add("and");
        qr6->Add("ze15.dt_mov = \"" + diaSql + "\"");
        Linhas(*qr6, {"and", "ze15.cd_prod <> \"\"", "and", "ze14.sn_canc = \"N\"", "and", "ze15.sn_canc = \"N\"",
                      "order by ze15.cd_prod"});
        qr6->Open();
        std::string prod, codigo;
        double taxa = 0, valor = 0;
        bool aberto = false;
        auto fecha = [&]() {
          if (!aberto) return;
          const Variant zero(Currency(0));
          if (pis) {
            TRegistroC481& r = bc.RegistroC481New();
            const int64_t c = StrToInt(codigo);
            if ((c >= 1 && c <= 9) || c == 49 || c == 99) r.CST_PIS = Cst<TVornCstPis>(c, r.CST_PIS);
            r.VL_ITEM = Currency(valor);
            if (taxa > 0) {
              r.VL_BC_PIS = Currency(valor);
              r.ALIQ_PIS = Currency(taxa);
              r.VL_PIS = NumeroDe(r.VL_BC_PIS) * NumeroDe(r.ALIQ_PIS) / 100;
            } else {
              r.VL_BC_PIS = r.ALIQ_PIS = r.VL_PIS = zero;
            }
            r.COD_ITEM = prod;
            r.COD_CTA = contaC481;
          } else {
            TRegistroC485& r = bc.RegistroC485New();
            const int64_t c = StrToInt(codigo);
            if ((c >= 1 && c <= 9) || c == 49 || c == 99) r.CST_COFINS = Cst<TVornCstCofins>(c, r.CST_COFINS);
            r.VL_ITEM = Currency(valor);
            if (taxa > 0) {
              r.VL_BC_COFINS = Currency(valor);
              r.ALIQ_COFINS = Currency(taxa);
              r.VL_COFINS = NumeroDe(r.VL_BC_COFINS) * NumeroDe(r.ALIQ_COFINS) / 100;
            } else {
              r.VL_BC_COFINS = r.ALIQ_COFINS = r.VL_COFINS = zero;
            }
            r.COD_ITEM = prod;
            r.COD_CTA = contaC485;
          }
          aberto = false;
        };
        for (qr6->First(); !qr6->Eof(); qr6->Next()) {
          const std::string cd = Txt(*qr6, "cd_prod");
          SetCaption(std::string(pis ? "Registro C481 " : "Registro C485 ") + diaTxt + " " + cd);
          if (aberto && cd != prod) fecha();
          if (!aberto) {
            prod = cd;
            codigo = Txt(*qr6, pis ? "cd_pis" : "cd_cofins");
            taxa = Num(*qr6, pis ? "tx_pis" : "tx_cofins");
            valor = 0;
            aberto = true;
          }
          valor += Arredonda(2, Num(*qr6, "vltotal") * Num(*qr6, "txdesc"));
        }
        fecha();
        qr6->Close();
      }
    }
    qr2->Close();
  }
  qr5->Close();
}

void TFrmVUDIRozAzezav::ExtraiBlocoCContas() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  qr1->Clear();
  Linhas(*qr1, {"select", "nfent.nr_nf,", "nfent.nr_cfop,", "nfent.dt_emis,", "nfent.cd_sitdoc,", "nfent.cd_forn,",
                "nfent.cd_modelo,", "nfent.cd_serie,", "nfent.cd_subserie,", "nfent.nr_chave,", "nfent.dt_entrada,",
                "nfent.vl_prod,", "nfent.vl_nota,", "nfent.vl_desc,", "nfent.tp_frete,", "nfent.vl_bcicms,",
                "nfent.vl_icms,", "nfent.vl_bcicmssub,", "nfent.vl_icmssub,", "nfent.vl_outras,", "nfent.vl_pis,",
                "nfent.tx_pis2,", "nfent.vl_cofins,", "nfent.tx_cofins2,", "nfent.cd_cstnf,", "nfent.tx_icms,",
                "nfent.tx_bscalcCT,", "nfent.cd_cstnf,", "nfent.tp_assinante,", "filial.nm_fil as nm_emp", "from nfent",
                "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop",
                "where"});
  qr1->Add("nfent.dt_entrada >= \"" + DataSQL(DateEdit1.Date) + "\"");
  qr1->Add("and");
  qr1->Add("nfent.dt_entrada <= \"" + DataSQL(DateEdit2.Date) + "\"");
  Linhas(*qr1, {"and", "nfent.sn_enc = \"1\"", "and", "nfent.sn_canc = \"0\"", "and", "nfent.sn_nf = \"5\"", "and",
                "filial.sn_lojaestoque = \"1\"", "and", "cfop.sn_efdcontrib = \"0\""});
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    const TDbQuery& n = *qr1;
    SetCaption("C500 - Entradas: " + Txt(n, "nr_nf") + " " + Txt(n, "dt_emis"));
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
    c500.NUM_DOC = static_cast<int>(Inteiro(n, "nr_nf"));
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

    TRegistroC505& c505 = bc.RegistroC505New();
    c505.CST_COFINS = Cst<TVornCstCofins>(50, c505.CST_COFINS);
    c505.VL_ITEM = c505.VL_BC_COFINS = Currency(Num(n, "vl_prod"));
    c505.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
    c505.ALIQ_COFINS = Currency(Num(n, "tx_cofins2"));
    c505.VL_COFINS = Currency(Arredonda(2, (c505.VL_BC_COFINS * c505.ALIQ_COFINS).ToDouble() / 100));
    c505.COD_CTA = ContaContabilMov("C505", "0");
  }
  qr1->Close();
}
