#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace {
struct MaskShape { int intZeros = 0; int decimals = 0; };

MaskShape ParseMask(const std::string& mask) {
  MaskShape m;
  size_t dot = mask.find('.');
  std::string intPart = mask.substr(0, dot);
  for (char c : intPart) if (c == '0') ++m.intZeros;
  if (dot != std::string::npos)
    for (size_t i = dot + 1; i < mask.size(); ++i) if (mask[i] == '0' || mask[i] == '#') ++m.decimals;
  return m;
}

constexpr int64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// "-"? integer part (at least minIntDigits digits) then, when decimals > 0, the separator and
// exactly `decimals` digits of the non-negative count `units` of 10^-decimals.
void AppendUnits(std::string& out, bool neg, uint64_t units, int decimals, int minIntDigits, char sep) {
  char buf[64];
  char* const end = buf + sizeof buf;
  char* p = end;
  int n = 0;
  for (; n + 2 <= decimals; n += 2, units /= 100) {  // two digits per division
    const unsigned d = static_cast<unsigned>(units % 100);
    *--p = static_cast<char>('0' + d % 10);
    *--p = static_cast<char>('0' + d / 10);
  }
  for (; n < decimals; ++n, units /= 10) *--p = static_cast<char>('0' + units % 10);
  if (decimals > 0) *--p = sep;
  int intDigits = 0;
  for (; units >= 100; units /= 100, intDigits += 2) {
    const unsigned d = static_cast<unsigned>(units % 100);
    *--p = static_cast<char>('0' + d % 10);
    *--p = static_cast<char>('0' + d / 10);
  }
  do {
    *--p = static_cast<char>('0' + units % 10);
    units /= 10;
    ++intDigits;
  } while (units != 0);
  for (; intDigits < std::max(1, minIntDigits); ++intDigits) *--p = '0';
  if (neg) *--p = '-';
  out.append(p, static_cast<size_t>(end - p));
}

void AppendFixed(std::string& out, int64_t raw, int decimals, int minIntDigits, char sep) {
  // raw has four decimals; bring it to `decimals` decimals with ties to even.
  if (decimals >= 0 && decimals <= 4 && raw > INT64_MIN) {
    const int64_t div = kPow10[4 - decimals];
    const uint64_t mag = static_cast<uint64_t>(raw < 0 ? -raw : raw);
    uint64_t q = mag / static_cast<uint64_t>(div);
    const uint64_t r = mag % static_cast<uint64_t>(div);
    if (2 * r > static_cast<uint64_t>(div) || (2 * r == static_cast<uint64_t>(div) && q % 2 != 0)) ++q;
    AppendUnits(out, raw < 0 && q != 0, q, decimals, minIntDigits, sep);
    return;
  }
  __int128 v = raw;
  if (decimals < 4) {
    int64_t div = 1;
    for (int i = decimals; i < 4; ++i) div *= 10;
    __int128 q = v / div, r = v % div;
    __int128 ar = r < 0 ? -r : r;
    if (2 * ar > div || (2 * ar == div && q % 2 != 0)) q += v < 0 ? -1 : 1;
    v = q;
  } else {
    for (int i = 4; i < decimals; ++i) v *= 10;
  }
  bool neg = v < 0;
  unsigned __int128 mag = neg ? -v : v;
  char digits[64];
  int n = 0;
  do { digits[n++] = static_cast<char>('0' + static_cast<int>(mag % 10)); mag /= 10; } while (mag);
  int need = decimals + std::max(1, minIntDigits);
  while (n < need) digits[n++] = '0';
  if (neg) out += '-';
  for (int i = n - 1; i >= 0; --i) {
    out += digits[i];
    if (i == decimals && decimals > 0) out += sep;
  }
}
}  // namespace

void AppendHalfAway(std::string& out, long double value, int decimals, char sep, int significant) {
  if (decimals < 0) decimals = 0;
  if (!std::isfinite(value)) throw std::invalid_argument("Valor numérico inválido");
  // Fast path: when the scaled value is clearly away from a half unit, cutting it to
  // `significant` digits first (error below 10^(1-significant) of it) cannot change the
  // rounding, so the digits come from integer arithmetic. Values near a half take the exact
  // path below.
  if (decimals <= 9 && significant >= 15 && significant <= 18) {
    const long double a = std::fabs(value) * static_cast<long double>(kPow10[decimals]);
    if (a < 1e15L) {
      uint64_t q = static_cast<uint64_t>(a);
      const long double frac = a - static_cast<long double>(q);
      const long double margin = a * (significant == 18 ? 1e-16L : 1e-13L);
      if (std::fabs(frac - 0.5L) > margin) {
        if (frac > 0.5L) ++q;
        AppendUnits(out, value < 0 && q != 0, q, decimals, 1, sep);
        return;
      }
    }
  }
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
  std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  bool neg = sci[0] == '-';
  if (neg) sci.remove_prefix(1);
  size_t e = sci.find('e');
  std::string digits;
  for (size_t i = 0; i < e; ++i) if (sci[i] != '.') digits += sci[i];
  int exp10 = std::atoi(std::string(sci.substr(e + 1)).c_str());
  // digits d0 d1 ... with the point after d0, scaled by 10^exp10.
  long keep = exp10 + 1 + decimals;  // digits that stay
  std::string kept;
  if (keep <= 0) {
    kept = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    // value below half a unit of the last decimal gives zero
  } else if (keep >= static_cast<long>(digits.size())) {
    kept = digits + std::string(keep - digits.size(), '0');
  } else {
    kept = digits.substr(0, keep);
    if (digits[keep] >= '5') {
      int i = static_cast<int>(kept.size()) - 1;
      while (i >= 0 && kept[i] == '9') kept[i--] = '0';
      if (i < 0) kept.insert(kept.begin(), '1'); else ++kept[i];
    }
  }
  // kept holds the integer count of units of 10^-decimals.
  size_t first = kept.find_first_not_of('0');
  if (first == std::string::npos) kept = "0"; else kept.erase(0, first);
  if (static_cast<int>(kept.size()) < decimals + 1) kept.insert(0, decimals + 1 - kept.size(), '0');
  if (neg && kept.find_first_not_of('0') != std::string::npos) out += '-';
  size_t intLen = kept.size() - decimals;
  out.append(kept, 0, intLen);
  if (decimals > 0) { out += sep; out.append(kept, intLen, std::string::npos); }
}

std::string FormatHalfAway(long double value, int decimals, char sep, int significant) {
  std::string s;
  AppendHalfAway(s, value, decimals, sep, significant);
  return s;
}

void AppendMask(std::string& out, Currency value, const std::string& mask, char sep) {
  MaskShape m = ParseMask(mask);
  AppendFixed(out, value.Raw(), m.decimals, m.intZeros, sep);
}
std::string FormatMask(Currency value, const std::string& mask, char sep) {
  std::string s;
  AppendMask(s, value, mask, sep);
  return s;
}
void AppendTwoDecimals(std::string& out, Currency value, char sep) { AppendFixed(out, value.Raw(), 2, 1, sep); }

std::string FormatGeneral(long double value, int significant) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significant);
  return std::string(buf, res.ptr);
}

void AppendInt(std::string& out, long long value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}
