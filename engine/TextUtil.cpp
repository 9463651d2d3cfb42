#include "TextUtil.h"

#include <array>
#include <cstdint>

namespace {
// Unicode code points of the bytes 0x80 to 0x9F in Windows-1252 (0 where the byte is unused).
constexpr std::array<uint16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes one code point at s[i]; returns its byte length (1 for an invalid byte, cp = -1).
size_t Decode(std::string_view s, size_t i, int32_t& cp) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > s.size()) { cp = -1; return 1; }
  if (len == 1) { cp = c; return 1; }
  int32_t v = c & (0x7F >> len);
  for (size_t k = 1; k < len; ++k) {
    unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) { cp = -1; return 1; }
    v = (v << 6) | (cc & 0x3F);
  }
  cp = v;
  return len;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) out += static_cast<char>(cp);
  else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
  else { out += static_cast<char>(0xE0 | (cp >> 12)); out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
}
}  // namespace

size_t Utf8Length(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Utf8Left(std::string_view s, size_t count) {
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == count) return std::string(s.substr(0, i));
      ++chars;
    }
  }
  return std::string(s);
}

std::string_view TrimControlView(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}
std::string TrimControl(std::string_view s) { return std::string(TrimControlView(s)); }

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

void AppendWindows1252(std::string& out, std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) { out += static_cast<char>(c); ++i; continue; }
    int32_t cp;
    i += Decode(s, i, cp);
    char b = '?';
    if (cp >= 0xA0 && cp <= 0xFF) b = static_cast<char>(cp);
    else if (cp > 0)
      for (size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp) { b = static_cast<char>(0x80 + k); break; }
    out += b;
  }
}

std::string ToWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  AppendWindows1252(out, s);
  return out;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0xA0) AppendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : 0xFFFD);
    else AppendUtf8(out, c);
  }
  return out;
}

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
  if (from.empty()) return s;
  for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
  return s;
}
