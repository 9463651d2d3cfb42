#pragma once
// Summary of a written file for the end of a run: its lines per block.
#include <string>
#include <utility>
#include <vector>

// (block letter, lines) in the order the blocks appear; a line's block is the first character of
// its register code. Empty when the file cannot be read.
std::vector<std::pair<char, int>> LinhasPorBloco(const std::string& path);
