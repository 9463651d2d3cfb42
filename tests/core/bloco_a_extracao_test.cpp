#include <gtest/gtest.h>

#include "support/JanelaErp.h"

namespace {
// A whole "TODOS" run of store 001 for March 2024; the lines of block A.
struct BlocoA : JanelaErp {
  std::vector<std::string> Run() {
    frm->BitBtn1Click();
    EXPECT_TRUE(FileCountsAgree(File()));
    return Bloco('A');
  }
  // The A170 lines of the file, by item code: the first of each (the service entry's).
  std::map<std::string, std::vector<std::string>> Itens(const std::vector<std::string>& a) {
    std::map<std::string, std::vector<std::string>> out;
    for (auto& l : a)
      if (l.rfind("|A170|", 0) == 0) out.emplace(Fields(l)[2], Fields(l));
    return out;
  }
};
}  // namespace

TEST_F(BlocoA, ServiceEntriesAndServiceInvoicesOfTheMonth) {
  Open();
  EXPECT_EQ(Run(), (std::vector<std::string>{
                       "|A001|0|",
                       // The service entry: 5 % discount shared by its two items.
                       "|A010|12345678000195|",
                       "|A100|0|0|55566677000183|00|A||321||22032024|22032024|475,00|9|25,00|475,00|7,84|475,00|36,10|3,25|15,00|25,00|",
                       "|A170|1|000900|SERVICO DE MANUTENCAO|300,00|15,00|03|0|50|285,00|1,65|4,70|50|285,00|7,60|21,66|4.1.1.07||",
                       "|A170|2|000901|SERVICO DE LIMPEZA|200,00|10,00|03|0|50|190,00|1,65|3,14|50|190,00|7,60|14,44|4.1.1.07||",
                       // The service invoices: the authorised one and the cancelled one (store 003 only sells).
                       "|A010|12345678000195|",
                       "|A100|1|0|66677788000183|00|A1||2024000001|ABC12345|11032024|11032024|1000,00|9|0,00|1000,00|16,50|1000,00|76,00|0,00|0,00|50,00|",
                       // Items by the product code that block 0 lists.
                       "|A170|1|000900|SERVICO DE MANUTENCAO|600,00|0,00|||01|600,00|1,65|9,90|01|600,00|7,60|45,60|4.1.1.07||",
                       "|A170|2|000901|SERVICO DE LIMPEZA|400,00|0,00|||01|400,00|1,65|6,60|01|400,00|7,60|30,40|4.1.1.07||",
                       "|A100|1|0|12345678909|02|A1||2024000002||||200,00|||200,00|3,30|200,00|15,20|||10,00|",
                       "|A170|1|000900|SERVICO DE MANUTENCAO|200,00|0,00|||01|200,00|1,65|3,30|01|200,00|7,60|15,20|4.1.1.07||",
                       "|A990|12|"}));
  EXPECT_EQ(std::count(frm->memoError.Lines.begin(), frm->memoError.Lines.end(),
                       "AVISO: a leitura do Bloco A no ERP ainda não está disponível nesta versão; o bloco foi gravado sem dados."),
            0);
}

TEST_F(BlocoA, MovementIndicatorFollowsWhatWasFound) {
  Sql("update nfse set sn_enc = '0'");
  Open();
  auto a = Run();
  ASSERT_EQ(a.size(), 6u);  // the entry alone, under one establishment
  EXPECT_EQ(a[0], "|A001|0|");
  EXPECT_EQ(a[1], "|A010|12345678000195|");

  Sql("update nfent set sn_enc = '0' where sn_nf = '6'");
  Open();
  EXPECT_EQ(Run(), (std::vector<std::string>{"|A001|1|", "|A990|2|"}));

  Sql("update nfse set sn_enc = '1' where nr_rps = '1'");
  Open();
  a = Run();
  ASSERT_EQ(a.size(), 6u);  // the invoice alone
  EXPECT_EQ(a[0], "|A001|0|");
  EXPECT_EQ(a[2].substr(0, 8), "|A100|1|");
}

TEST_F(BlocoA, DocumentEdgeCases) {
  // An entry without goods value: no discount share, the whole item is the base.
  Sql("update nfent set vl_prod = 0, vl_desc = 25 where nr_nfent = 10");
  // Situation codes kept as numbers: 63 is a code, 10 is not (the default 01 stays).
  Sql("update produto set cd_pis2 = '63', cd_cofins2 = '10', "
      "nm_prod = 'SERVICO DE MANUTENCAO PREVENTIVA E CORRETIVA DE EQUIPAMENTOS' where cd_prod = '000900'");
  Sql("update produto set cd_pis2 = '5', tx_pis2 = 0 where cd_prod = '000901'");
  // An invoice discount is shared among the invoice's items by their value; a quote in the
  // invoice's number reaches the item query intact.
  Sql("update nfse set vl_descincondicional = 100, nr_rps = 'R\"1' where cd_fil = '001' and nr_rps = '1'");
  Sql("update nfseitem set nr_rps = 'R\"1' where cd_fil = '001' and nr_rps = '1'");
  Open();
  auto a = Run();
  auto itens = Itens(a);
  // Entry items: VL_ITEM, VL_DESC, NAT_BC_CRED, IND_ORIG, CST_PIS, VL_BC_PIS, ALIQ, VL_PIS, CST_COFINS.
  auto& manut = itens.at("000900");
  EXPECT_EQ(manut[3], "SERVICO DE MANUTENCAO PREVENTIVA E CORRETIVA DE EQ");  // 50 characters
  EXPECT_EQ(std::vector<std::string>(manut.begin() + 4, manut.begin() + 13),
            (std::vector<std::string>{"300,00", "0,00", "", "0", "63", "300,00", "1,65", "4,95", "01"}));
  auto& limp = itens.at("000901");
  EXPECT_EQ(std::vector<std::string>(limp.begin() + 4, limp.begin() + 12),
            (std::vector<std::string>{"200,00", "0,00", "", "0", "05", "0,00", "0,00", "0,00"}));
  // The cancelled invoice's item, then items of 600 and 400 under a discount of 100.
  std::vector<std::string> descontos;
  bool prestado = false;
  for (auto& l : a) {
    if (l.rfind("|A100|", 0) == 0) prestado = Fields(l)[1] == "1";
    if (l.rfind("|A170|", 0) == 0 && prestado) descontos.push_back(Fields(l)[5]);
  }
  EXPECT_EQ(descontos, (std::vector<std::string>{"0,00", "60,00", "40,00"}));
}

TEST_F(BlocoA, CodeThatIsNoNumberStopsTheBlock) {
  Sql("update produto set cd_pis2 = 'X' where cd_prod = '000901'");
  Open();
  frm->btnInicioClick();
  frm->btnB_0Click();
  EXPECT_THROW(frm->btnB_AClick(), std::exception);
  EXPECT_FALSE(frm->btnB_A.Enabled);
}
