#include <gtest/gtest.h>

#include "Funcoes.h"

TEST(Funcoes, ArredondaNormalisesToFifteenDigitsThenHalfAway) {
  struct Case { int n; double in, out; } cases[] = {
      {2, 2.675, 2.68}, {2, -2.675, -2.68}, {2, 1.005, 1.01}, {2, 0.125, 0.13}, {2, 0.124999, 0.12},
      {0, 2.5, 3},      {0, -2.5, -3},      {0, 2.4999, 2},   {2, 10.10, 10.10}, {2, 0.0049999, 0},
      {4, 1.00005, 1.0001}, {2, 123456789.125, 123456789.13},
  };
  for (auto c : cases) EXPECT_DOUBLE_EQ(Arredonda(c.n, c.in), c.out) << c.in;
}

TEST(Funcoes, ArredondaFmtJudgesTheBinaryValue) {
  struct Case { int n; double in; long double out; } cases[] = {
      {2, 2.675, 2.67L}, {2, 2.665, 2.67L}, {2, 0.125, 0.13L}, {2, 1.005, 1.00L}, {0, 2.5, 3.0L},
      {2, -2.665, -2.67L}, {4, 0.00005, 0.0001L},
  };
  for (auto c : cases) EXPECT_EQ(ArredondaFmt(c.n, c.in), c.out) << c.in;
}

TEST(Funcoes, PaddingAndSqlLiterals) {
  EXPECT_EQ(ZeroEsquerda("7", 3), "007");
  EXPECT_EQ(ZeroEsquerda("", 3), "000");
  EXPECT_EQ(ZeroEsquerda("1234", 3), "1234");
  EXPECT_EQ(ZeroEsquerdaInt(5, 4), "0005");
  EXPECT_EQ(ZeroEsquerdaInt(-5, 3), "0-5");
  EXPECT_EQ(DataSQL(EncodeDate(2024, 1, 5)), "2024-1-5");
  EXPECT_EQ(DataSQL(EncodeDate(2024, 12, 31) + 0.75), "2024-12-31");
  EXPECT_EQ(DataSQL(EncodeDate(2024, 2, 1)), "2024-2-1");
  EXPECT_EQ(ValorSQL(1234.5L), "1234.500");
  EXPECT_EQ(ValorSQL(-0.25L), "-0.250");
  EXPECT_EQ(ValorSQL(0), "0.000");
  EXPECT_EQ(ValorSQL(0.0005L), "0.001");
}

TEST(Funcoes, TiraAcentos) {
  EXPECT_EQ(TiraAcentos("JOSÉ DA SILVA-ME (FILIAL), LTDA."), "JOSE DA SILVAME  FILIAL  LTDA");
  EXPECT_EQ(TiraAcentos("São João"), "Sao Joao");
  EXPECT_EQ(TiraAcentos("Conceição"), "Conceicao");
  EXPECT_EQ(TiraAcentos("Âncora"), "Âncora");
  EXPECT_EQ(TiraAcentos("Preço €5"), "Preco C5");
}
