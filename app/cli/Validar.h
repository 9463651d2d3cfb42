#pragma once
// `--validar ARQUIVO [--json]`: checks any EFD-Contribuições file, without a database.
#include <string>
#include <vector>

// True when the arguments ask for the file check (the first one is "--validar").
bool PedeValidacao(const std::vector<std::string>& args);
// Prints the findings and the summary per kind; the exit code: 0 without errors, 6 with
// errors, 2 when the file cannot be read or the arguments are wrong.
int ExecutaValidacao(const std::vector<std::string>& args);
