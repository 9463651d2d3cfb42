#pragma once
// Reading passwords without ever taking them from the command line.
#include <optional>
#include <string>

// One line of standard input without its line end; nothing at end of input.
std::optional<std::string> LinhaDaEntrada();
// Asks on the controlling terminal with echo off; nothing when there is no terminal.
std::optional<std::string> PedeSenhaNoTerminal(const std::string& pergunta);
