#include <gtest/gtest.h>

#include "support/JanelaErp.h"

namespace {
// A whole "TODOS" run of store 001 for March 2024 with detailed bookkeeping (the default, which
// runs block D); the lines of block D.
struct BlocoD : JanelaErp {
  std::vector<std::string> Run() {
    frm->BitBtn1Click();
    EXPECT_TRUE(FileCountsAgree(File()));
    return Bloco('D');
  }
  static std::vector<std::string> Linhas(const std::vector<std::string>& d, const std::string& reg) {
    std::vector<std::string> out;
    for (auto& l : d)
      if (l.rfind("|" + reg + "|", 0) == 0) out.push_back(l);
    return out;
  }
};
}  // namespace

TEST_F(BlocoD, TransportAndCommunicationDocumentsOfTheMonth) {
  Open();
  EXPECT_EQ(Run(), (std::vector<std::string>{
                       "|D001|0|",
                       "|D010|12345678000195|",
                       "|D100|0|1|77788899000183|57|00|1||4455|35240377788899000183570010000044551000044555|09032024|10032024|0||1000,00|0,00|0|1000,00|800,00|96,00|200,00||4.1.1.07|",
                       "|D101|2|1000,00|50|14|1000,00|1,6500|16,50|4.1.1.07|",
                       "|D105|2|1000,00|50|14|1000,00|7,6000|76,00|4.1.1.07|",
                       "|D500|0|1|33344455000183|22|00|U|001|000556677|01032024|08032024|300,00|0,00|300,00|0,00|0,00|0,00|300,00|75,00||4,95|22,80|",
                       "|D501|50|300,00|03|300,00|1,6500|4,95|4.1.1.05|",
                       "|D505|50|300,00|03|300,00|7,6000|22,80|4.1.1.05|",
                       // 150 x 1,65 % = 2,475: rounded half away from zero.
                       "|D500|0|1|33344455000183|22|00|U|001|000556678|02032024|08032024|150,00|0,00|150,00|0,00|0,00|0,00|0,00|0,00||2,48|11,40|",
                       "|D501|50|150,00|03|150,00|1,6500|2,48|4.1.1.05|",
                       "|D505|50|150,00|03|150,00|7,6000|11,40|4.1.1.05|",
                       "|D990|12|"}));
}

TEST_F(BlocoD, MovementIndicatorFollowsWhatWasFound) {
  Sql("update nfent set sn_enc = '0' where sn_nf = '3'");
  Open();
  auto d = Run();
  ASSERT_EQ(d.size(), 9u);  // only the communication bills
  EXPECT_EQ(d[0], "|D001|0|");
  EXPECT_EQ(d[1], "|D010|12345678000195|");
  EXPECT_EQ(d[2].substr(0, 8), "|D500|0|");

  // A credit code outside 50 to 56 leaves a bill out.
  Sql("update nfent set cd_pis2 = '60' where sn_nf = '2'");
  Open();
  EXPECT_EQ(Run(), (std::vector<std::string>{"|D001|1|", "|D990|2|"}));
}

TEST_F(BlocoD, TransportDocumentEdgeCases) {
  struct Caso {
    const char* ajuste;
    size_t campo;  // of the D100 (TP_CT_e 12, VL_NT 20) or, past 100, of the D101
    const char* esperado;
  };
  const Caso casos[] = {
      {"vl_bcicms = 1200", 20, "0,00"},   // no negative non-taxed value
      {"cd_modelo = '08'", 12, ""},       // only a CT-e has a type
      {"cd_pis2 = '67'", 103, "67"},      // credit code kept
      {"cd_pis2 = '09'", 103, "01"},      // not a credit code: the default stays
      {"tx_pis2 = 0.65", 107, "6,50"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.ajuste);
    frm.reset();
    erp.emplace();
    Sql(std::string("update nfent set ") + c.ajuste + " where nr_nfent = 8");
    Open();
    auto d = Run();
    auto linhas = Linhas(d, c.campo > 100 ? "D101" : "D100");
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(Fields(linhas[0])[c.campo % 100], c.esperado);
  }
}

TEST_F(BlocoD, CommunicationBillEdgeCases) {
  // A subseries that is not a number is written as 0; an account of another movement type
  // (or of another establishment) is not the bill's.
  Sql("update nfent set cd_subserie = 'A' where nr_nfent = 6");
  Sql("update contascontabeis set tp_mov = '0' where cod_cta = '4.1.1.05'");
  Open();
  auto d500 = Linhas(Run(), "D500");
  ASSERT_EQ(d500.size(), 2u);
  EXPECT_EQ(Fields(d500[0])[7], "000");
  for (auto& l : Linhas(Bloco('D'), "D501")) EXPECT_EQ(Fields(l)[7], "") << l;

  // A bill number that is no integer stops the block; the button stays enabled for a retry.
  frm.reset();
  erp.emplace();
  Sql("update nfent set nr_nf = '55X' where nr_nfent = 7");
  Open();
  frm->btnInicioClick();
  frm->btnB_0Click();
  EXPECT_THROW(frm->btnB_DClick(), std::exception);
  EXPECT_TRUE(frm->btnB_D.Enabled);
}
