#include <gtest/gtest.h>

#include "support/JanelaErp.h"

namespace {
struct Bloco0Extracao : JanelaErp {
  // Block 0 lines of the file after "Inicio" and "Bloco 0".
  std::vector<std::string> Bloco0() {
    frm->btnInicioClick();
    frm->btnB_0Click();
    return FileLines(Gravado());
  }
};
}  // namespace

TEST_F(Bloco0Extracao, BlockFromTheFixture) {
  Open();
  // Block 0 of store 001 for March 2024, as the seed gives it: the company header, the
  // accountant, the regime, one establishment, participants (a foreign one without
  // municipality), units once each, items (a variant found through grade, services with rate
  // 0), operation natures with the store prefix, the advance payment note and the accounts.
  const std::vector<std::string> expected = SplitCrLf(ReadErpFixture("expected/bloco0_loja001_2024-03.txt"), nullptr);
  ASSERT_EQ(expected.size(), 42u);

  EXPECT_EQ(Bloco0(), expected);
  EXPECT_TRUE(frm->memoError.Lines.empty()) << frm->memoError.Lines.front();
  EXPECT_EQ(host.captions.back(), "Registro 0450 - Tabela de Informação Complementar do Documento Fiscal");
}

TEST_F(Bloco0Extracao, FallbacksAndOptions) {
  // An item moved in the period that is neither a product nor a variant; a unit of an item
  // left empty; no advance payment record; a company activity the layout lists as "other".
  Sql("update nfentit set cd_mat = '999999' where cd_mat = '000107'");
  Sql("update nfitem set nm_unid = '' where cd_mat = '000101'");
  Sql("update nfentit set un_prod = '' where cd_mat = '000101'");
  Sql("delete from nfentantec");
  Sql("update empresa set tp_ativvudirozazezav = 9");
  Open();
  frm->RadioGroup1.ItemIndex = 0;  // consolidated: no operation natures
  frm->RadioGroup3.ItemIndex = 1;
  auto lines = Bloco0();
  auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
  EXPECT_TRUE(has("|0200|999999||999999||UN|00|10000000||||0,00|"));
  // A purchase item without a unit is kept in its product's, as its C170 says.
  EXPECT_TRUE(has("|0200|000101|ARROZ TIPO 1 5KG|000101||PCT|00|10063021||10||7,00|"));
  EXPECT_EQ(lines[0], "|0000|006|0|||01032024|31032024|LOJA CENTRO|12345678000195|SP|3550308||00|9|");
  EXPECT_TRUE(has("|0110|1|1|1||"));
  for (auto& l : lines) {
    EXPECT_NE(l.substr(0, 6), "|0400|");
    EXPECT_NE(l.substr(0, 6), "|0450|");
  }
}

TEST_F(Bloco0Extracao, FailuresStopTheBlock) {
  Sql("update contador set cd_municipio = ''");
  Open();
  frm->btnInicioClick();
  try {
    frm->btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("MARIA DA SILVA"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(frm->btnB_0.Enabled);
  EXPECT_TRUE(frm->btnB_C.Enabled);

  Sql("update contador set cd_municipio = '3550308'");
  Sql("update contascontabeis set COD_NAT_CC = '06' where cod_cta = '1'");
  Open();  // a new window reads the changed accounts
  frm->btnInicioClick();
  try {
    frm->btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Valor informado [06] deve estar entre (01,02,03,04,05 e 09)");
  }
}

TEST_F(Bloco0Extracao, ErpValuesThatOutgrowTheOldWorkingTables) {
  // A 13-digit barcode as item code, a CFOP stored with a dot, a "|" and a long name of a
  // participant, a foreign participant without municipality and a country code of five digits.
  Sql("update material set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update nfentit set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update nfitem set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update forn set nm_forn = 'DISTRIBUIDORA ALFA | FILIAL MOOCA COMERCIO DE ALIMENTOS E BEBIDAS EM GERAL LTDA', cd_pais = '01058' where cd_forn = '11122233000183'");
  Sql("update forn set cd_cid = '' where cd_pais <> '1058' and cd_pais <> '01058'");
  Sql("update cliente set cd_cid = 'EXTERIOR' where cd_pais <> '1058' and cd_pais <> '01058'");
  Sql("update cfop set nr_cfop = '5.102' where nr_cfop = '5102'");
  Open();
  auto lines = Bloco0();
  auto has = [&](const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  };
  EXPECT_TRUE(has("|0200|7891234567895|SABAO EM PO 1KG|7891234567895|"));
  EXPECT_TRUE(has("|0150|11122233000183|DISTRIBUIDORA ALFA  FILIAL MOOCA COMERCIO DE ALIMENTOS E BEBIDAS EM GERAL LTDA|01058|"));
  EXPECT_TRUE(has("|0150|EX0001|EXPORTADORA ANDINA S.A.|0639|||||"));
  EXPECT_TRUE(has("|0400|0015.102|"));
  // The "|" of the name was dropped: every 0150 line keeps its 14 delimiters.
  for (auto& l : lines)
    if (l.rfind("|0150|", 0) == 0) {
      EXPECT_EQ(std::count(l.begin(), l.end(), '|'), 14) << l;
    }
}

TEST_F(Bloco0Extracao, BrazilianParticipantWithoutMunicipalityStops) {
  Sql("update forn set cd_cid = '' where cd_forn = '11122233000183'");
  Open();
  frm->btnInicioClick();
  try {
    frm->btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("11122233000183"), std::string::npos) << e.what();
  }
}
