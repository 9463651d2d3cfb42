#pragma once
// Locale-free number to text conversions with the two rounding families of the file:
// half away from zero judged on a fixed number of significant digits (the platform's float
// formatting), and ties to even on the four-decimal fixed-point path (masks).
#include <string>
#include "Currency.h"

// Fixed-point text with exactly `decimals` decimals (none and no separator when below 1),
// rounded half away from zero on the first `significant` significant digits of `value`.
// A result that rounds to zero carries no minus sign.
std::string FormatHalfAway(long double value, int decimals, char separator = ',', int significant = 18);
void AppendHalfAway(std::string& out, long double value, int decimals, char separator = ',', int significant = 18);

// A mask made of "#"/"0" for the integer part and optionally "." and "0"s for the decimals
// ("#0.00", "0.0000"); rounding from four decimals is ties to even.
std::string FormatMask(Currency value, const std::string& mask, char separator = ',');
void AppendMask(std::string& out, Currency value, const std::string& mask, char separator = ',');
// The common default mask "#0.00", without parsing it.
void AppendTwoDecimals(std::string& out, Currency value, char separator = ',');

// Text of `value` in the general format with `significant` significant digits ("%.15g").
std::string FormatGeneral(long double value, int significant);
// Plain decimal text of an integer.
void AppendInt(std::string& out, long long value);
