#include "Variant.h"

#include <charconv>
#include <stdexcept>
#include <string>

Variant Variant::Text(std::string_view text) {
  Variant v;
  v.kind_ = Kind::Other;
  v.value_ = std::nan("");
  std::string s(text);
  for (char& c : s) if (c == ',') c = '.';
  double d = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
  if (ec == std::errc() && p == s.data() + s.size() && !s.empty()) v.value_ = d;
  return v;
}

double Variant::ToDouble() const {
  if (kind_ == Kind::Number) return value_;
  if (kind_ == Kind::Other && !std::isnan(value_)) return value_;
  throw std::runtime_error(kind_ == Kind::Other ? "Valor do tipo texto não pode ser convertido em número"
                                                : "Valor nulo não pode ser convertido em número");
}
