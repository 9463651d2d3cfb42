#include "DbScript.h"

#include "DbText.h"

std::string TDbScript::Text() const {
  std::string s;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) s += '\n';
    s += lines_[i];
  }
  return s;
}

void TDbScript::Execute() {
  for (const std::string& statement : SplitStatements(Text())) db_.ExecSQL(statement);
}

std::vector<std::string> SplitStatements(const std::string& script) {
  std::vector<std::string> out;
  std::string current;
  bool hasCode = false;  // something besides blanks and comments
  auto flush = [&] {
    if (hasCode) {
      const char* blanks = " \t\r\n";
      std::size_t b = current.find_first_not_of(blanks);
      std::size_t e = current.find_last_not_of(blanks);
      out.push_back(current.substr(b, e - b + 1));
    }
    current.clear();
    hasCode = false;
  };
  std::size_t i = 0;
  const std::size_t n = script.size();
  while (i < n) {
    std::size_t skip = dbtext::SkipQuotedOrComment(script, i);
    if (skip != i) {
      const char c = script[i];
      if (c == '\'' || c == '"' || c == '`') hasCode = true;
      current.append(script, i, skip - i);
      i = skip;
      continue;
    }
    const char c = script[i];
    if (c == ';') {
      flush();
    } else {
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n') hasCode = true;
      current += c;
    }
    ++i;
  }
  flush();
  return out;
}
