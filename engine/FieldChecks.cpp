#include "FieldChecks.h"

#include <algorithm>
#include <string_view>

#include "TextUtil.h"

namespace {
constexpr const char* kMunicipios[] = {
#include "data/municipios_ibge.inc"
    "9999999",
};

bool AllDigits(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Check digit over `digits` with weights 2..maxWeight cycling from the rightmost digit.
int CheckDigit(std::string_view digits, int maxWeight) {
  int sum = 0, weight = 2;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    sum += (*it - '0') * weight;
    weight = weight == maxWeight ? 2 : weight + 1;
  }
  int r = sum % 11;
  return r < 2 ? 0 : 11 - r;
}
}  // namespace

std::string LimpaDocumento(const std::string& value) {
  std::string out;
  for (char c : value)
    if (c != '.' && c != '/' && c != '-') out += c;
  return TrimControl(UpperAscii(out));
}

bool ValidaCNPJ(const std::string& value) {
  if (value.empty()) return true;
  std::string s = LimpaDocumento(value);
  if (s.size() != 14 || !AllDigits(s) || s == "00000000000000") return false;
  int d1 = CheckDigit(std::string_view(s).substr(0, 12), 9);
  std::string first13 = s.substr(0, 12) + static_cast<char>('0' + d1);
  int d2 = CheckDigit(first13, 9);
  return s[12] - '0' == d1 && s[13] - '0' == d2;
}

bool ValidaCPF(const std::string& value) {
  if (value.empty()) return true;
  std::string s = LimpaDocumento(value);
  if (s.size() != 11 || !AllDigits(s)) return false;
  if (std::all_of(s.begin(), s.end(), [&](char c) { return c == s[0]; })) return false;
  int d1 = CheckDigit(std::string_view(s).substr(0, 9), 10);
  std::string first10 = s.substr(0, 9) + static_cast<char>('0' + d1);
  int d2 = CheckDigit(first10, 11);
  return s[9] - '0' == d1 && s[10] - '0' == d2;
}

bool ValidaUF(const std::string& value) {
  static const std::string kUFs = ",AC,AL,AP,AM,BA,CE,DF,ES,GO,MA,MT,MS,MG,PA,PB,PR,PE,PI,RJ,RN,RS,RO,RR,SC,SP,SE,TO,EX,";
  std::string s = LimpaDocumento(value);
  // A comma inside would let "AC,AL" match two entries at once.
  if (s.empty() || s.find(',') != std::string::npos) return false;
  return kUFs.find("," + s + ",") != std::string::npos;
}

bool ValidaCodMunicipio(int32_t value) {
  std::string text = std::to_string(value);
  return std::any_of(std::begin(kMunicipios), std::end(kMunicipios), [&](const char* m) { return text == m; });
}

bool ValidaCodGenero(const std::string& value) {
  return value.size() == 2 && value[0] >= '0' && value[0] <= '9' && value[1] >= '0' && value[1] <= '9';
}
