// The decimal fills of the block C lines (VDFill and DFill of bases, rates and quantities)
// against the rounding rule written out digit by digit: half away from zero on the first 18
// significant digits. The writer takes a shortcut away from halves; this holds it to the rule.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "NumberFormat.h"

namespace {
std::string Regra(double v, int d) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long double>(v), std::chars_format::scientific, 17);
  std::string sci(buf, r.ptr);
  const bool neg = sci[0] == '-';
  if (neg) sci.erase(0, 1);
  const size_t e = sci.find('e');
  std::string dig;
  for (size_t i = 0; i < e; ++i)
    if (sci[i] != '.') dig += sci[i];
  const long keep = std::stol(sci.substr(e + 1)) + 1 + d;
  unsigned long long units = 0;
  if (keep <= 0) units = keep == 0 && dig[0] >= '5';
  else if (keep >= 18) units = std::stoull(dig + std::string(static_cast<size_t>(keep - 18), '0'));
  else units = std::stoull(dig.substr(0, static_cast<size_t>(keep))) + (dig[static_cast<size_t>(keep)] >= '5');
  std::string s = std::to_string(units);
  if (s.size() < static_cast<size_t>(d) + 1) s.insert(0, static_cast<size_t>(d) + 1 - s.size(), '0');
  if (d > 0) s.insert(s.size() - static_cast<size_t>(d), ",");
  return (neg && units != 0 ? "-" : "") + s;
}
}  // namespace

TEST(BlocoCDecimalFill, AgreesWithTheDigitRuleOnRandomAndHalfwayValues) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<long> inteiro(-99999999, 99999999);
  std::uniform_int_distribution<int> casas(0, 6), expoente(0, 8);
  for (int i = 0; i < 200000; ++i) {
    const int d = casas(rng);
    const double escala = std::pow(10.0, expoente(rng));
    double v;
    switch (i % 4) {
      case 0: v = static_cast<double>(inteiro(rng)) / escala; break;                 // ordinary amounts
      case 1: v = (static_cast<double>(inteiro(rng)) + 0.5) / std::pow(10.0, d); break;  // halves at d
      case 2: v = std::nextafter((static_cast<double>(inteiro(rng)) + 0.5) / std::pow(10.0, d), 0.0); break;
      default: v = std::ldexp(static_cast<double>(inteiro(rng)), -expoente(rng) * 3); break;  // binary fractions
    }
    ASSERT_EQ(FormatHalfAway(v, d), Regra(v, d)) << "value " << v << " with " << d << " decimals";
  }
  for (double v : {0.125, 1.005, 2.675, -0.005, 0.0049999999999999999, 1e-30, -1e-30, 0.5, -2.5})
    for (int d = 0; d <= 4; ++d) EXPECT_EQ(FormatHalfAway(v, d), Regra(v, d)) << v << " " << d;
}

TEST(BlocoCDecimalFill, TwoDecimalMaskRoundsTiesToEven) {
  struct Caso { int64_t raw; const char* texto; };
  for (const Caso& k : {Caso{1250, "0,12"}, Caso{1350, "0,14"}, Caso{-1250, "-0,12"}, Caso{-40, "0,00"},
                        Caso{24680135790, "2468013,58"}, Caso{0, "0,00"}, Caso{99995, "10,00"}}) {
    std::string s;
    AppendTwoDecimals(s, Currency::FromRaw(k.raw));
    EXPECT_EQ(s, k.texto) << k.raw;
  }
}
