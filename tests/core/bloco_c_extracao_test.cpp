#include <gtest/gtest.h>

#include "DbQuery.h"
#include "TextUtil.h"
#include "support/JanelaErp.h"

namespace {
// Field positions of Fields(line): [0] the register code, then the layout's fields.
constexpr int kC100Emit = 2, kC100Mod = 4, kC100Sit = 5, kC100NumDoc = 7, kC100VlPis = 25, kC100VlCofins = 26,
              kC170VlItem = 6, kC170VlIcms = 14, kC170CstPis = 24, kC170VlPis = 29, kC175Cfop = 1, kC175BcPis = 5;

// Store 001 for March 2024 with individual documents and the detailed criterion.
struct BlocoC : JanelaErp {
  void Individual() {
    Open();
    frm->RadioGroup1.ItemIndex = 1;
    frm->RadioGroup3.ItemIndex = 2;
  }
  std::vector<std::string> Run() {
    frm->BitBtn1Click();
    EXPECT_TRUE(FileCountsAgree(File()));
    return Bloco('C');
  }
  // The first column of a query on the fixture, row by row, as text; on the window's own
  // connection when `daJanela` (the run's working tables are private to it).
  std::vector<std::string> Col(const std::string& sql, bool daJanela = false) {
    TDbConnection outra(erp->CompanySettings());
    if (!daJanela) outra.Connect();
    TDbQuery q(daJanela ? frm->db0 : outra);
    q.Add(sql);
    q.Open();
    std::vector<std::string> out;
    for (q.First(); !q.Eof(); q.Next()) out.push_back(q.FieldByName(q.FieldNames()[0]).AsString());
    return out;
  }
  // Lines of one register; with a prefix of the line, only those starting with it.
  static std::vector<std::vector<std::string>> Regs(const std::vector<std::string>& c, const std::string& reg) {
    std::vector<std::vector<std::string>> out;
    for (auto& l : c)
      if (l.rfind("|" + reg + "|", 0) == 0) out.push_back(Fields(l));
    return out;
  }
  // The C170 lines under the C100 of a document number.
  static std::vector<std::vector<std::string>> Itens(const std::vector<std::string>& c, const std::string& numDoc) {
    std::vector<std::vector<std::string>> out;
    bool dentro = false;
    for (auto& l : c) {
      auto f = Fields(l);
      if (f[0] == "C100") dentro = f[kC100NumDoc] == numDoc;
      else if (dentro && f[0] == "C170") out.push_back(f);
    }
    return out;
  }
};

}  // namespace

TEST_F(BlocoC, PurchasesAndOwnInvoicesOfThePeriod) {
  Individual();
  auto c = Run();
  ASSERT_GE(c.size(), 3u);
  EXPECT_EQ(c[0], "|C001|0|");
  EXPECT_EQ(c[1], "|C010|12345678000195|2|");
  // Only the first entry has an advance ICMS record; only the import has its document.
  EXPECT_EQ(Regs(c, "C110").size(), 1u);
  EXPECT_EQ(c[3], "|C110|000001|PAGTO DE ICMS ANTECIPADO|");
  EXPECT_EQ(Regs(c, "C120"), (std::vector<std::vector<std::string>>{
                                 {"C120", "0", "2403456789", "42,00", "193,00", "00000000000000000000"}}));
  // A purchase from an individual: no PIS/COFINS on the document, CST 70 on its items.
  for (auto& r : Regs(c, "C100"))
    if (r[kC100NumDoc] == "15") {
      EXPECT_EQ(r[kC100VlPis], "0,00");
      EXPECT_EQ(r[kC100VlCofins], "0,00");
    }
  auto pf = Itens(c, "15");
  ASSERT_EQ(pf.size(), 1u);
  EXPECT_EQ(pf[0][kC170CstPis], "70");
  // Items of every NF-e add up to its PIS (the individual's items keep theirs over a 0 total).
  for (auto& r : Regs(c, "C100")) {
    if (r[kC100Mod] != "55" || r[kC100NumDoc] == "15") continue;
    double soma = 0;
    for (auto& i : Itens(c, r[kC100NumDoc])) soma += std::stod(ReplaceAll(i[kC170VlPis], ",", "."));
    EXPECT_NEAR(soma, std::stod(ReplaceAll(r[kC100VlPis], ",", ".")), 0.001) << r[kC100NumDoc];
  }
  // Cancelled, disabled and outside-the-contributions own invoices never appear.
  for (auto& r : Regs(c, "C100")) EXPECT_EQ(r[kC100Sit], "00") << r[kC100NumDoc];
  // The electricity bill: PIS at 1,65 % of 1.000,00; its non-numeric subseries gives 0.
  EXPECT_EQ(Regs(c, "C501"), (std::vector<std::vector<std::string>>{
                                 {"C501", "50", "1000,00", "04", "1000,00", "1,6500", "16,50", "1.1.3.01"}}));
  EXPECT_EQ(Regs(c, "C500").at(0).at(5), "000");
  // Sales PIS/COFINS of NF-e and NFC-e reach the block M totals; the customer's return does not.
  EXPECT_NEAR(static_cast<double>(frm->Geracao().vlpisM200), 6.47 + 4.95 + 0.50 + 0.89 + 0.83, 1e-9);
  EXPECT_NEAR(static_cast<double>(frm->Geracao().vlcofinsM200), 29.79 + 22.80 + 2.28 + 4.10 + 3.80, 1e-9);
}

TEST_F(BlocoC, PurchasesOnlyForRealProfitCompanies) {
  Sql("update empresa set tp_tributacao = 3");
  Individual();
  auto c = Run();
  for (auto& r : Regs(c, "C100")) EXPECT_EQ(r[kC100Emit], "0") << "only own documents";
  EXPECT_EQ(Regs(c, "C110").size(), 0u);
  EXPECT_EQ(Regs(c, "C500").size(), 1u);
}

TEST_F(BlocoC, ItemsTakeWhatIsLeftOfTheDocumentTotals) {
  // Item values add to one cent more than the document: the last item gets the remainder.
  Sql("update nfent set vl_prod = 249.99 where nr_nf = '778'");
  // The header's PIS exceeds its items': the last sales item takes it even at rate 0.
  Sql("update nf set vl_pis = 7.00 where nr_nf = '1001'");
  Individual();
  auto c = Run();
  auto compra = Itens(c, "778");
  ASSERT_EQ(compra.size(), 2u);
  EXPECT_EQ(compra[0][kC170VlItem], "100,00");
  EXPECT_EQ(compra[1][kC170VlItem], "149,99");
  // The exempt item of the purchase ("040") keeps ICMS 0.
  EXPECT_EQ(compra[1][kC170VlIcms], "0,00");
  auto venda = Itens(c, "1001");
  ASSERT_EQ(venda.size(), 2u);
  EXPECT_EQ(venda[0][kC170VlPis], "6,47");
  EXPECT_EQ(venda[1][kC170VlPis], "0,53");
}

TEST_F(BlocoC, RevenueWithoutContributionGoesToTheWorkTable) {
  Individual();
  Run();
  // The CST 04 item of a regular NF-e sale (type 1) and the NFC-e groups of CST 04 and 06.
  EXPECT_EQ(Col("select concat(tp_doc,'/',cd_prod,'/',cd_cod,'/',vl_cod) from m400800temp order by tp_doc, cd_cod",
                true),
            (std::vector<std::string>{"1/000103/04/100.00", "3/000103/04/30.00", "3/000102/06/16.00"}));
}

TEST_F(BlocoC, NfceGroupsAndWriteBack) {
  // Another store's NFC-e with the same series and number, carrying store 001 as its number:
  // the write-back must leave it alone.
  Sql("insert into nfce (cd_fil, nr_serie, nr_nfce, nr_loja, dt_emis, cd_cfop, vl_pis, vl_cofins) "
      "values ('002', '1', '5001', '001', '2024-03-09', '201', 9.99, 9.99)");
  Sql("update nfce set vl_pis = 0, vl_cofins = 0 where cd_fil = '001' and nr_nfce = '5002'");
  Individual();
  auto c = Run();
  EXPECT_EQ(Col("select concat(nr_nfce,'/',vl_pis,'/',vl_cofins) from nfce where cd_fil = '001' and "
                "nr_nfce in ('5001','5002') order by nr_nfce"),
            (std::vector<std::string>{"5001/0.50/2.28", "5002/0.89/4.10"}));
  EXPECT_EQ(Col("select concat(vl_pis,'/',vl_cofins) from nfce where cd_fil = '002'"),
            (std::vector<std::string>{"9.99/9.99"}));
  // One C175 per CFOP and PIS code.
  auto c175 = Regs(c, "C175");
  ASSERT_EQ(c175.size(), 5u);
  EXPECT_EQ(c175[0][kC175Cfop], "5102");
  EXPECT_EQ(c175[1][kC175Cfop], "5405");

  // A second run reads the written-back values: the C100 now equals its C175 lines.
  Individual();
  for (auto& r : Regs(Run(), "C100")) {
    if (r[kC100NumDoc] == "5002") {
      EXPECT_EQ(r[kC100VlPis], "0,89");
    }
  }
}

TEST_F(BlocoC, InjunctionTakesIcmsOutOfTheNfceBaseOnlyWhenSmaller) {
  Sql("update empresa set sn_liminarbcpis = '1'");
  Sql("update nfce set vl_icms = 40 where nr_nfce = '5002'");
  Individual();
  auto c = Run();
  std::vector<std::string> bases;
  for (auto& r : Regs(c, "C175")) bases.push_back(r[kC175Cfop] + ":" + r[kC175BcPis]);
  // The document's ICMS comes out of each group base that exceeds it.
  EXPECT_EQ(bases[0], "5102:27,90");
  EXPECT_EQ(bases[2], "5102:14,00");
  Sql("update nfce set vl_icms = 60 where nr_nfce = '5002'");
  Individual();
  auto c2 = Run();
  EXPECT_EQ(Regs(c2, "C175")[2][kC175BcPis], "54,00");
}

TEST_F(BlocoC, FiscalCouponsOnlyWhenChosen) {
  Individual();
  EXPECT_TRUE(Regs(Run(), "C400").empty());
  Individual();
  frm->CheckBox2.Checked = true;
  auto c = Run();
  auto c405 = Regs(c, "C405");
  ASSERT_FALSE(Regs(c, "C400").empty());
  ASSERT_FALSE(c405.empty());
  EXPECT_FALSE(Regs(c, "C481").empty());
  EXPECT_EQ(Regs(c, "C481").size(), Regs(c, "C485").size());
  // A day whose reduction has no coupon items still has its C405, followed by no C481.
  bool diaSemItens = false;
  for (size_t i = 0; i + 1 < c.size(); ++i)
    if (c[i].rfind("|C405|", 0) == 0 && c[i + 1].rfind("|C481|", 0) != 0) diaSemItens = true;
  EXPECT_TRUE(diaSemItens);
}

TEST_F(BlocoC, MismatchedOptionsGiveAnEmptyBlock) {
  Individual();
  frm->RadioGroup3.ItemIndex = 1;
  EXPECT_EQ(Run(), (std::vector<std::string>{"|C001|1|", "|C990|2|"}));
}

TEST_F(BlocoC, EmptyNfceSituationStopsTheBlock) {
  Sql("update nfce set cd_sitdoc = '' where nr_nfce = '5002'");
  Individual();
  EXPECT_ANY_THROW(frm->BitBtn1Click());
}
