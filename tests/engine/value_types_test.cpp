#include <gtest/gtest.h>

#include "Currency.h"
#include "DateTime.h"
#include "NumberFormat.h"
#include "TextUtil.h"
#include "Variant.h"

TEST(Currency, StoresFloatingValuesRoundedTiesToEvenAtFourthDecimal) {
  struct Case { long double in; int64_t raw; } cases[] = {
      {0.00005L, 0}, {0.00015L, 2}, {0.00025L, 2}, {-0.00015L, -2}, {12.3456L, 123456}, {1.23455L, 12346},
  };
  for (auto c : cases) EXPECT_EQ(Currency(c.in).Raw(), c.raw) << static_cast<double>(c.in);
}

TEST(Currency, ArithmeticIsExact) {
  Currency a = Currency::FromRaw(1), sum;
  for (int i = 0; i < 10000; ++i) sum += a;
  EXPECT_EQ(sum, Currency(1));
  EXPECT_EQ((Currency(0.1) + Currency(0.2)).Raw(), 3000);
  // 0.0165 * 0.5 = 0.00825 -> ties to even at the fourth decimal -> 0.0082
  EXPECT_EQ((Currency(0.0165) * Currency(0.5)).Raw(), 82);
  EXPECT_EQ((Currency(10) / Currency(4)).Raw(), 25000);
}

TEST(Variant, KindsAndConversion) {
  EXPECT_TRUE(Variant().IsEmpty());
  EXPECT_TRUE(Variant::Null().IsEmpty());
  EXPECT_TRUE(Variant(1.5).IsNumeric());
  EXPECT_EQ(Variant(Currency(2.25)).ToDouble(), 2.25);
  EXPECT_FALSE(Variant::Text("12").IsNumeric());
  EXPECT_EQ(Variant::Text("12,5").ToDouble(), 12.5);
  EXPECT_THROW(Variant::Text("abc").ToDouble(), std::exception);
  EXPECT_THROW(Variant::Null().ToDouble(), std::exception);
  EXPECT_LE(sizeof(Variant), 16u);
}

TEST(DateTime, EncodeDecodeAndMonthArithmetic) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2024, 3, 5), 45356);
  DateParts p = DecodeDate(45356);
  EXPECT_EQ(p.year, 2024); EXPECT_EQ(p.month, 3); EXPECT_EQ(p.day, 5);
  EXPECT_EQ(EndOfTheMonth(EncodeDate(2024, 2, 10)), EncodeDate(2024, 2, 29));
  EXPECT_EQ(EndOfTheMonth(EncodeDate(2023, 2, 10)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(StartOfTheMonth(EncodeDate(2024, 12, 31)), EncodeDate(2024, 12, 1));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
  EXPECT_THROW(EncodeDate(2023, 2, 29), std::invalid_argument);
  EXPECT_EQ(FormatDateTime("ddmmyyyy", EncodeDate(2024, 3, 5)), "05032024");
  EXPECT_EQ(ShortDate(EncodeDate(2024, 3, 5)), "05/03/2024");
  EXPECT_EQ(LongTime(EncodeDate(2024, 3, 5) + 0.5 + 61 / 86400.0), "12:01:01");
}

TEST(TextUtil, CountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length("ação"), 4u);
  EXPECT_EQ(Utf8Left("São Paulo", 3), "São");
  EXPECT_EQ(Utf8Left("ab", 5), "ab");
  EXPECT_EQ(TrimControl("\t x \r\n"), "x");
}

TEST(TextUtil, Windows1252MapsLatinAndSubstitutesTheRest) {
  EXPECT_EQ(ToWindows1252("Ação €"), std::string("A\xE7\xE3o \x80"));
  // Greek alpha, a CJK character and an emoji each become one "?"; nothing else changes.
  EXPECT_EQ(ToWindows1252("a\xCE\xB1" "b\xE4\xB8\xAD" "c\xF0\x9F\x98\x80" "d"), "a?b?c?d");
  EXPECT_EQ(FromWindows1252("A\xE7\xE3o \x80"), "Ação €");
}

TEST(NumberFormat, HalfAwayOnEighteenDigitsAndMaskTiesToEven) {
  EXPECT_EQ(FormatHalfAway(0.125, 2), "0,13");
  EXPECT_EQ(FormatHalfAway(1.005, 2), "1,00");
  EXPECT_EQ(FormatHalfAway(2.675, 2), "2,67");
  EXPECT_EQ(FormatHalfAway(2.665, 2), "2,67");
  EXPECT_EQ(FormatHalfAway(-0.004, 2), "0,00");
  EXPECT_EQ(FormatHalfAway(-0.005, 2), "-0,01");
  EXPECT_EQ(FormatHalfAway(9.995, 2), "9,99");   // 9.99499999... in binary
  EXPECT_EQ(FormatHalfAway(99.5, 0), "100");
  EXPECT_EQ(FormatHalfAway(0.0004, 3), "0,000");
  EXPECT_EQ(FormatHalfAway(0.0005, 3), "0,001");
  EXPECT_EQ(FormatHalfAway(1234567.891, 4, '.'), "1234567.8910");
  EXPECT_EQ(FormatMask(Currency(0.125), "#0.00"), "0,12");
  EXPECT_EQ(FormatMask(Currency(0.135), "#0.00"), "0,14");
  EXPECT_EQ(FormatMask(Currency(-0.005), "#0.00"), "0,00");
  EXPECT_EQ(FormatMask(Currency(-0.015), "#0.00"), "-0,02");
  EXPECT_EQ(FormatMask(Currency(12.5), "0.0000"), "12,5000");
  EXPECT_EQ(FormatMask(Currency(2468013.579), "#0.00"), "2468013,58");
}
