#pragma once
// Fixed-point amount with four decimals (a count of ten-thousandths), the type of every
// monetary value, rate and most quantities in the register records.
#include <cmath>
#include <cstdint>

class Currency {
public:
  constexpr Currency() = default;
  // Whole numbers are exact; use FromDouble for anything computed in floating point.
  constexpr Currency(int units) : raw_(static_cast<int64_t>(units) * 10000) {}
  Currency(double value) : raw_(RoundTiesEven(static_cast<long double>(value) * 10000.0L)) {}
  Currency(long double value) : raw_(RoundTiesEven(value * 10000.0L)) {}

  static constexpr Currency FromRaw(int64_t raw) { Currency c; c.raw_ = raw; return c; }
  constexpr int64_t Raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(static_cast<long double>(raw_) / 10000.0L); }
  long double ToExtended() const { return static_cast<long double>(raw_) / 10000.0L; }
  explicit operator double() const { return ToDouble(); }

  constexpr Currency operator+(Currency o) const { return FromRaw(raw_ + o.raw_); }
  constexpr Currency operator-(Currency o) const { return FromRaw(raw_ - o.raw_); }
  constexpr Currency operator-() const { return FromRaw(-raw_); }
  Currency& operator+=(Currency o) { raw_ += o.raw_; return *this; }
  Currency& operator-=(Currency o) { raw_ -= o.raw_; return *this; }
  // Products and quotients keep four decimals, rounded ties to even like any stored value.
  Currency operator*(Currency o) const {
    __int128 p = static_cast<__int128>(raw_) * o.raw_;
    return FromRaw(DivRoundEven(p, 10000));
  }
  Currency operator/(Currency o) const {
    __int128 n = static_cast<__int128>(raw_) * 10000;
    return FromRaw(DivRoundEven(n, o.raw_));
  }
  constexpr auto operator<=>(const Currency&) const = default;
  constexpr bool operator==(const Currency&) const = default;

private:
  static int64_t RoundTiesEven(long double v) { return static_cast<int64_t>(std::nearbyintl(v)); }
  static int64_t DivRoundEven(__int128 n, __int128 d) {
    if (d < 0) { n = -n; d = -d; }
    __int128 q = n / d, r = n % d;
    if (r < 0) { r = -r; }
    __int128 twice = 2 * r;
    if (twice > d || (twice == d && (q % 2 != 0))) q += (n < 0 ? -1 : 1);
    return static_cast<int64_t>(q);
  }
  int64_t raw_ = 0;
};
