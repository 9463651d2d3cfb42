#pragma once
// Rounding, zero padding and SQL-literal helpers shared by the extraction procedures and the
// SQL console.
#include <cstdint>
#include <string>

#include "DateTime.h"

// Half away from zero after normalising value * 10^N to 15 significant digits.
double Arredonda(int N, double value);
// Half away from zero judged on the value's first 18 significant digits (no normalisation).
long double ArredondaFmt(uint8_t N, double value);
std::string ZeroEsquerda(const std::string& text, uint8_t width);
std::string ZeroEsquerdaInt(int64_t value, uint8_t width);
// "2024-1-5": unpadded year-month-day for comparisons with DATE columns.
std::string DataSQL(TDateTime date);
// Three decimals with "." (1234.5 gives "1234.500").
std::string ValorSQL(long double value);
std::string TiraAcentos(const std::string& text);
