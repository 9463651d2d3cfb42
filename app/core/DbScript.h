#pragma once
// A script of several statements separated by ";", run one after another on the connection.
#include <string>
#include <vector>

#include "Database.h"

class TDbScript {
public:
  explicit TDbScript(TDbConnection& db) : db_(db) {}

  std::vector<std::string>& Script() { return lines_; }
  void Clear() { lines_.clear(); }
  void Add(const std::string& line) { lines_.push_back(line); }
  std::string Text() const;

  // Runs every statement in order; the first failure throws and stops the script.
  void Execute();

private:
  TDbConnection& db_;
  std::vector<std::string> lines_;
};

// The statements of a script: split at ";" outside quotes ('...', "...", `...`) and comments
// ("-- ", "#", "/* */"); blank pieces are dropped, each statement is trimmed.
std::vector<std::string> SplitStatements(const std::string& script);
