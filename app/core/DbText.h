#pragma once
// Lexical help shared by the parameter binding and the script splitter: where a quoted text
// or a comment that starts at a position of an SQL text ends.
#include <cstddef>
#include <string>

namespace dbtext {

// Position just past the quoted text ('...', "...", `...`) or comment ("-- ", "#", "/* */")
// that starts at i; i itself when none starts there. An unterminated one runs to the end.
inline std::size_t SkipQuotedOrComment(const std::string& s, std::size_t i) {
  const std::size_t n = s.size();
  const char c = s[i];
  if (c == '\'' || c == '"' || c == '`') {
    std::size_t j = i + 1;
    while (j < n) {
      if (s[j] == '\\' && c != '`') {
        j += 2;
        continue;
      }
      if (s[j] == c) return j + 1;  // a doubled quote reopens at once: handled by the caller's loop
      ++j;
    }
    return n;
  }
  if (c == '#' || (c == '-' && i + 1 < n && s[i + 1] == '-' &&
                   (i + 2 == n || s[i + 2] == ' ' || s[i + 2] == '\t' || s[i + 2] == '\n' || s[i + 2] == '\r'))) {
    std::size_t j = s.find('\n', i);
    return j == std::string::npos ? n : j;
  }
  if (c == '/' && i + 1 < n && s[i + 1] == '*') {
    std::size_t j = s.find("*/", i + 2);
    return j == std::string::npos ? n : j + 2;
  }
  return i;
}

inline bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

}  // namespace dbtext
