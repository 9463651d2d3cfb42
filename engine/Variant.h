#pragma once
// Optional number of a register field: unassigned and null are written as empty fields.
// Kept to 16 bytes because the largest trees hold millions of them.
#include <cmath>
#include <cstdint>
#include <string_view>
#include "Currency.h"

class Variant {
public:
  enum class Kind : uint8_t { Unassigned, Null, Number, Other };

  Variant() = default;
  Variant(double v) : value_(v), kind_(Kind::Number) {}
  Variant(int v) : value_(v), kind_(Kind::Number) {}
  Variant(int64_t v) : value_(static_cast<double>(v)), kind_(Kind::Number) {}
  Variant(Currency v) : value_(v.ToDouble()), kind_(Kind::Number) {}
  static Variant Null() { Variant v; v.kind_ = Kind::Null; return v; }
  // A text value is never numeric; it keeps the number it reads as (NaN when none) so that a
  // float conversion can still be attempted, as the decimal writers do.
  static Variant Text(std::string_view text);

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Unassigned || kind_ == Kind::Null; }
  bool IsNumeric() const { return kind_ == Kind::Number; }
  // Throws when the value cannot be read as a number (null, unassigned or non-numeric text).
  double ToDouble() const;

private:
  double value_ = 0;
  Kind kind_ = Kind::Unassigned;
};
