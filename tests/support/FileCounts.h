#pragma once
// Checks the counts of a written file: each X990 equals its block's lines, the 9900 entries
// equal the lines of each register (and list every register present once), 9999 equals the
// file's lines, every line ends with CR LF. Use it on every file a test writes.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

inline std::vector<std::string> SplitCrLf(const std::string& bytes, std::string* error) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t nl = bytes.find("\r\n", start);
    if (nl == std::string::npos) { if (error) *error = "last line does not end with CR LF"; break; }
    lines.push_back(bytes.substr(start, nl - start));
    start = nl + 2;
  }
  return lines;
}

inline std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '|') { out.push_back(cur); cur.clear(); } else cur += line[i];
  }
  return out;
}

inline ::testing::AssertionResult FileCountsAgree(const std::string& path) {
  std::string error;
  std::vector<std::string> lines = SplitCrLf(ReadBytes(path), &error);
  if (!error.empty()) return ::testing::AssertionFailure() << path << ": " << error;
  if (lines.empty()) return ::testing::AssertionFailure() << path << ": empty file";
  std::map<std::string, int> perRegister, perBlock;
  std::map<std::string, int> declared;
  std::vector<std::pair<std::string, int>> closings;
  int total9999 = -1;
  for (const std::string& l : lines) {
    if (l.size() < 6 || l.front() != '|' || l.back() != '|')
      return ::testing::AssertionFailure() << "malformed line: " << l;
    std::vector<std::string> f = Fields(l);
    const std::string& reg = f[0];
    ++perRegister[reg];
    ++perBlock[reg.substr(0, 1)];
    if (reg == "9900") {
      if (f.size() != 3) return ::testing::AssertionFailure() << "9900 with " << f.size() << " fields: " << l;
      if (declared.count(f[1])) return ::testing::AssertionFailure() << "9900 lists " << f[1] << " twice";
      declared[f[1]] = std::stoi(f[2]);
    } else if (reg.size() == 4 && reg.substr(1) == "990") {
      closings.push_back({reg.substr(0, 1), std::stoi(f[1])});
    } else if (reg == "9999") {
      total9999 = std::stoi(f[1]);
    }
  }
  if (total9999 != static_cast<int>(lines.size()))
    return ::testing::AssertionFailure() << "9999 says " << total9999 << ", file has " << lines.size();
  for (auto& [block, count] : closings)
    if (perBlock[block] != count)
      return ::testing::AssertionFailure() << block << "990 says " << count << ", block has " << perBlock[block];
  for (auto& [reg, count] : perRegister) {
    auto it = declared.find(reg);
    if (it == declared.end()) return ::testing::AssertionFailure() << "no 9900 entry for " << reg;
    if (it->second != count)
      return ::testing::AssertionFailure() << "9900 of " << reg << " says " << it->second << ", file has " << count;
  }
  for (auto& [reg, count] : declared)
    if (!perRegister.count(reg)) return ::testing::AssertionFailure() << "9900 lists absent register " << reg;
  return ::testing::AssertionSuccess();
}

inline std::vector<std::string> FileLines(const std::string& path) { return SplitCrLf(ReadBytes(path), nullptr); }
