#include <gtest/gtest.h>

#include "VornEPCBlocos.h"

TEST(Enumerations, CodesInDeclarationOrder) {
  EXPECT_EQ(Code(TVornCodVer::vlVersao101), "002");
  EXPECT_EQ(Code(TVornCodVer::vlVersao200), "002");
  EXPECT_EQ(Code(TVornCodVer::vlVersao320), "006");
  EXPECT_EQ(Code(TVornCstIcms::sticmsNenhum), "");
  EXPECT_EQ(Code(TVornCstIcms::sticmsEstrangeiraImportacaoDiretaOutros), "190");
  EXPECT_EQ(Code(TVornCstIcms::csticms541), "541");
  EXPECT_EQ(Code(TVornCstIcms::sticmsSimplesNacionalOutros), "900");
  EXPECT_EQ(static_cast<int>(TVornCstIcms::sticmsSimplesNacionalOutros), 109);
  EXPECT_EQ(Code(TVornCstCofins::stcofinsOperCredExcRecTribMercInt), "50");
  EXPECT_EQ(Code(TVornCodSit::sdfEspecial), "08");
  EXPECT_EQ(Code(TVornNatBcCred::bccEstoqueAberturaBens), "18");
  EXPECT_EQ(Code(TVornCodCred::ccREOutros), "399");
  EXPECT_EQ(Code(TVornIndNatRec::inrVazio), "");
  EXPECT_EQ(Code(TVornIndNatRec::inrCumulativo), "1");
  for (std::string_view empty : {Code(TVornCstPis::stpisNenhum), Code(TVornCstIpi::stipiVazio), Code(TVornNatBcCred::bccVazio),
                                 Code(TVornOrigemProcesso::opNenhum), Code(TVornIndFrt::tfNenhum), Code(TVornIndPgto::tpNenhum),
                                 Code(TVornIndSitEsp::indNenhum), Code(TVornIndNatPJ::indNatPJNenhum),
                                 Code(TVornApuracaoIPI::iaVazio), Code(TVornIndOrigCred::opcVazio)})
    EXPECT_EQ(empty, "");
}

TEST(Enumerations, OrdinalsOutsideTheEnumeration) {
  try {
    Code(static_cast<TVornCodVer>(7));
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Valor informado inválido para ser convertido em TVornCodVer");
  }
  EXPECT_THROW(Code(static_cast<TVornCodCont>(200)), std::exception);
  EXPECT_THROW(Code(static_cast<TVornIndicadorApropAjuste>(3)), std::exception);
  EXPECT_EQ(Code(static_cast<TVornCstPis>(34)), "");
}

TEST(Enumerations, ConversionsFromText) {
  EXPECT_EQ(CstPisDeTexto("50"), TVornCstPis::stpisOperCredExcRecTribMercInt);
  EXPECT_EQ(CstPisDeTexto("5"), TVornCstPis::stpisNenhum);
  EXPECT_EQ(CstPisDeTexto(" 50"), TVornCstPis::stpisNenhum);
  EXPECT_EQ(CstPisDeTexto(""), TVornCstPis::stpisNenhum);
  EXPECT_EQ(CstCofinsDeTexto("99"), TVornCstCofins::stcofinsOutrasOperacoes);
  EXPECT_EQ(NatBcCredDeTexto(""), TVornNatBcCred::bccVazio);
  EXPECT_EQ(NatBcCredDeTexto("03"), TVornNatBcCred::bccAqServUtiComoInsumo);
  EXPECT_EQ(NatBcCredDeTexto("xx"), TVornNatBcCred::bccAqBensRevenda);
  EXPECT_EQ(NatBcCredDeTexto("19"), TVornNatBcCred::bccVazio);
  EXPECT_EQ(IndCTADeTexto("S"), TVornIndCTA::indCTASintetica);
  EXPECT_EQ(NaturezaContaDeTexto("09"), TVornNaturezaConta::ncgOutras);
  try { IndCTADeTexto("s"); FAIL(); } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Valor informado [s] deve estar entre (S e A)");
  }
  try { NaturezaContaDeTexto("06"); FAIL(); } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Valor informado [06] deve estar entre (01,02,03,04,05 e 09)");
  }
}
