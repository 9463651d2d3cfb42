#include <gtest/gtest.h>

#include "support/JanelaErp.h"

namespace {
// A whole "TODOS" run of store 001 for March 2024; the lines of one block.
struct BlocosF1 : JanelaErp {
  std::vector<std::string> Run(char bloco) {
    frm->BitBtn1Click();
    EXPECT_TRUE(FileCountsAgree(File()));
    return Bloco(bloco);
  }
};
}  // namespace

TEST_F(BlocosF1, DepreciationCreditOnlyWhenChosen) {
  Open();
  EXPECT_EQ(Run('F'), (std::vector<std::string>{"|F001|1|", "|F990|2|"}));

  Open();
  frm->CheckBox1.Checked = true;
  // Only the asset still depreciating and in use: the fully depreciated and the written-off
  // ones stay out.
  EXPECT_EQ(Run('F'), (std::vector<std::string>{
                          "|F001|0|", "|F010|12345678000195|",
                          "|F120|09|EMPILHADEIRA ELETRICA|0|1|1000,00|0,00|50|1000,00|1,6500|16,50|50|1000,00|7,6000|76,00|1.2.3.01|||",
                          "|F990|4|"}));
}

TEST_F(BlocosF1, EveryActiveAssetUnderItsEstablishment) {
  Sql("update pat001 set dt_final_deprec = '2030-12-31', situacao = '0'");
  Sql("update pat001 set cd_natbccred = '', cd_pis = 'xx' where cd_ativoimob = 'BALCAO REFRIGERADO'");
  Open();
  frm->CheckBox1.Checked = true;
  auto f = Run('F');
  ASSERT_EQ(f.size(), 7u);
  EXPECT_EQ(f[1], "|F010|12345678000195|");
  EXPECT_EQ(f[2].substr(0, 26), "|F120||BALCAO REFRIGERADO|");
  EXPECT_EQ(f[2].substr(26, 28), "0|1|250,00|0,00||250,00|1,65");
  EXPECT_EQ(f[3].substr(0, 34), "|F120|09|EMPILHADEIRA ELETRICA|0|1");
  EXPECT_EQ(f[4], "|F010|12345678000357|");
  EXPECT_EQ(f[5].substr(0, 23), "|F120|09|COMPUTADOR|0|3");
}

TEST_F(BlocosF1, ConsolidationOfIssuedDocuments) {
  Open();
  EXPECT_EQ(Run('1'), (std::vector<std::string>{"|1001|1|", "|1990|2|"}));  // detailed bookkeeping

  Sql("update empresa set tp_inctrib = 2");
  Open();
  frm->RadioGroup3.ItemIndex = 1;
  auto b1 = Run('1');
  ASSERT_GE(b1.size(), 4u);
  EXPECT_EQ(b1.front(), "|1001|0|");
  EXPECT_EQ(b1.back(), "|1990|" + std::to_string(b1.size()) + "|");
  // Coupons first, then invoices; one line per pair of situation codes.
  size_t cupons = 0, notas = 0;
  for (auto& l : b1) {
    if (l.rfind("|1900|", 0) != 0) continue;
    auto campos = Fields(l);
    ASSERT_EQ(campos.size(), 13u) << l;
    EXPECT_EQ(campos[5], "00");
    EXPECT_EQ(campos[12], "3.1.1.01");
    if (campos[2] == "2D") {
      EXPECT_EQ(notas, 0u) << "coupons come before invoices";
      EXPECT_EQ(campos[3], "");
      ++cupons;
    } else {
      EXPECT_EQ(campos[2], "55");
      ++notas;
    }
  }
  EXPECT_GT(cupons, 0u);
  EXPECT_GT(notas, 0u);
}
