#include <gtest/gtest.h>

#include "FieldChecks.h"

TEST(FieldChecks, Cnpj) {
  struct Case { const char* v; bool ok; } cases[] = {
      {"11.222.333/0001-81", true}, {"11222333000181", true}, {"11222333000182", false}, {"", true},
      {"./-", false}, {"1122233300018", false}, {"00000000000000", false}, {"1122233300018A", false},
      {" 11222333000181 ", true}, {"11222333 000181", false},
  };
  for (auto c : cases) EXPECT_EQ(ValidaCNPJ(c.v), c.ok) << c.v;
}

TEST(FieldChecks, Cpf) {
  struct Case { const char* v; bool ok; } cases[] = {
      {"111.444.777-35", true}, {"11144477735", true}, {"11111111111", false}, {"00000000000", false},
      {"1114447773A", false}, {"11144477736", false}, {"", true}, {"1114447773", false},
  };
  for (auto c : cases) EXPECT_EQ(ValidaCPF(c.v), c.ok) << c.v;
}

TEST(FieldChecks, UfMunicipalityAndGenre) {
  EXPECT_TRUE(ValidaUF("SP"));
  EXPECT_TRUE(ValidaUF("sp"));
  EXPECT_TRUE(ValidaUF("EX"));
  EXPECT_FALSE(ValidaUF(""));
  EXPECT_FALSE(ValidaUF("S P"));
  EXPECT_FALSE(ValidaUF("XX"));
  EXPECT_FALSE(ValidaUF("AC,AL"));
  for (int ok : {3550308, 9999999, 1100015, 5300108, 1504752, 4212650, 4220000, 4314548, 5006275})
    EXPECT_TRUE(ValidaCodMunicipio(ok)) << ok;
  for (int bad : {0, 1111111, -3550308, 355030})
    EXPECT_FALSE(ValidaCodMunicipio(bad)) << bad;
  EXPECT_TRUE(ValidaCodGenero("07"));
  EXPECT_TRUE(ValidaCodGenero("00"));
  EXPECT_FALSE(ValidaCodGenero("7"));
  EXPECT_FALSE(ValidaCodGenero("100"));
  EXPECT_FALSE(ValidaCodGenero("0a"));
}
