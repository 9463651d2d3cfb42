#include "DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <stdexcept>

namespace {
// Days from 1970-01-01 for a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}
DateParts CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}
constexpr long long kEpochOffset = 25569;  // 1970-01-01 in days since 1899-12-30

std::string Two(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}
}  // namespace

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  out = static_cast<double>(DaysFromCivil(year, month, day) + kEpochOffset);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d))
    throw std::invalid_argument("Data inválida: " + std::to_string(year) + "-" + std::to_string(month) +
                                "-" + std::to_string(day));
  return d;
}

TDateTime DateOnly(TDateTime date) { return std::trunc(date); }

DateParts DecodeDate(TDateTime date) {
  return CivilFromDays(static_cast<long long>(std::floor(date)) - kEpochOffset);
}
int YearOf(TDateTime date) { return DecodeDate(date).year; }
int MonthOf(TDateTime date) { return DecodeDate(date).month; }
int DayOf(TDateTime date) { return DecodeDate(date).day; }

TDateTime StartOfTheMonth(TDateTime date) {
  DateParts p = DecodeDate(date);
  return EncodeDate(p.year, p.month, 1);
}
TDateTime EndOfTheMonth(TDateTime date) {
  DateParts p = DecodeDate(date);
  return EncodeDate(p.year, p.month, DaysInMonth(p.year, p.month));
}

TDateTime IncMonth(TDateTime date, int months) {
  DateParts p = DecodeDate(date);
  int total = p.year * 12 + (p.month - 1) + months;
  int y = total / 12, m = total % 12 + 1;
  int d = std::min(p.day, DaysInMonth(y, m));
  return EncodeDate(y, m, d) + (date - std::floor(date));
}

TDateTime Now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  TDateTime day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}
TDateTime Today() { return std::floor(Now()); }

std::string FormatDateTime(const std::string& mask, TDateTime value) {
  DateParts p = DecodeDate(value);
  long long secs = std::llround((value - std::floor(value)) * 86400.0);
  if (secs >= 86400) secs = 86399;
  int hh = static_cast<int>(secs / 3600), nn = static_cast<int>(secs / 60 % 60), ss = static_cast<int>(secs % 60);
  std::string out;
  for (size_t i = 0; i < mask.size();) {
    auto at = [&](const char* token) { return mask.compare(i, std::char_traits<char>::length(token), token) == 0; };
    if (at("yyyy")) { std::string y = std::to_string(p.year); out += std::string(y.size() < 4 ? 4 - y.size() : 0, '0') + y; i += 4; }
    else if (at("dd")) { out += Two(p.day); i += 2; }
    else if (at("mm")) { out += Two(p.month); i += 2; }
    else if (at("hh")) { out += Two(hh); i += 2; }
    else if (at("nn")) { out += Two(nn); i += 2; }
    else if (at("ss")) { out += Two(ss); i += 2; }
    else out += mask[i++];
  }
  return out;
}

std::string ShortDate(TDateTime date) { return FormatDateTime("dd/mm/yyyy", date); }
std::string LongTime(TDateTime value) { return FormatDateTime("hh:nn:ss", value); }
