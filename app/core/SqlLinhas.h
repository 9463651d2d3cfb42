#pragma once
// Statement text as a list of lines, one clause or condition per line, with the period
// conditions the extraction statements share.
#include <initializer_list>
#include <string>
#include <vector>

#include "DateTime.h"
#include "Funcoes.h"

class TSqlLinhas {
public:
  TSqlLinhas(TDateTime ini, TDateTime fin) : ini_(DataSQL(ini)), fin_(DataSQL(fin)) {}

  TSqlLinhas& operator()(const std::string& line) { lines_.push_back(line); return *this; }
  TSqlLinhas& operator()(std::initializer_list<std::string> lines) {
    for (const auto& l : lines) lines_.push_back(l);
    return *this;
  }
  // "where" then the conditions joined by lines "and"; each condition may span several lines.
  TSqlLinhas& Where(std::initializer_list<std::vector<std::string>> conditions) {
    lines_.push_back("where");
    bool first = true;
    for (const auto& c : conditions) {
      if (!first) lines_.push_back("and");
      first = false;
      for (const auto& l : c) lines_.push_back(l);
    }
    return *this;
  }
  // The statement ends here: ";" after its last line.
  TSqlLinhas& Fim() {
    if (!lines_.empty()) lines_.back() += ";";
    return *this;
  }

  // Period on a column: one line, two lines, or the between form.
  std::vector<std::string> Periodo1(const std::string& col) const {
    return {col + " >= \"" + ini_ + "\" and " + col + " <= \"" + fin_ + "\""};
  }
  std::vector<std::string> Periodo2(const std::string& col) const {
    return {col + " >= \"" + ini_ + "\"", "and", col + " <= \"" + fin_ + "\""};
  }
  std::vector<std::string> Entre(const std::string& col) const {
    return {col + " between \"" + ini_ + "\" and \"" + fin_ + "\""};
  }

  const std::vector<std::string>& Linhas() const { return lines_; }

private:
  std::string ini_, fin_;
  std::vector<std::string> lines_;
};
