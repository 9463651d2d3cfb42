#include "Funcoes.h"

#include <charconv>
#include <cmath>

#include "NumberFormat.h"
#include "TextUtil.h"

double Arredonda(int N, double value) {
  long double p = std::pow(10.0L, N);
  std::string text = FormatGeneral(p * value, 15);
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  double r = std::trunc(v);
  double f = v - r;
  if (f >= 0.5) r += 1;
  else if (f <= -0.5) r -= 1;
  return static_cast<double>(r / p);
}

long double ArredondaFmt(uint8_t N, double value) {
  std::string text = FormatHalfAway(value, N, '.');
  long double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

std::string ZeroEsquerda(const std::string& text, uint8_t width) {
  size_t len = Utf8Length(text);
  return len < width ? std::string(width - len, '0') + text : text;
}

std::string ZeroEsquerdaInt(int64_t value, uint8_t width) { return ZeroEsquerda(std::to_string(value), width); }

std::string DataSQL(TDateTime date) {
  DateParts p = DecodeDate(date);
  return std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day);
}

std::string ValorSQL(long double value) { return FormatHalfAway(value, 3, '.'); }

std::string TiraAcentos(const std::string& text) {
  struct Map { const char* from; const char* to; };
  static const Map kMap[] = {
      {"(", " "}, {")", " "}, {",", ""}, {"-", ""}, {".", ""},
      {"Á", "A"}, {"Ã", "A"}, {"Ç", "C"}, {"É", "E"}, {"Í", "I"}, {"Ó", "O"}, {"Õ", "O"}, {"Ú", "U"},
      {"á", "a"}, {"ã", "a"}, {"ç", "c"}, {"é", "e"}, {"ó", "o"}, {"õ", "o"}, {"ú", "u"}, {"€", "C"},
  };
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    bool mapped = false;
    for (const Map& m : kMap) {
      size_t n = std::char_traits<char>::length(m.from);
      if (text.compare(i, n, m.from) == 0) { out += m.to; i += n; mapped = true; break; }
    }
    if (!mapped) out += text[i++];
  }
  return out;
}
