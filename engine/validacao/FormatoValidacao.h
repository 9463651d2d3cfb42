#pragma once
// Texts of a file check for the message list, the window, the command line and JSON.
#include <string>
#include <vector>

#include "AchadosValidacao.h"

// "(VALIDAÇÃO) linha N, REG, CAMPO: message" for the first `limite` findings, then one line
// per kind with the count of the rest.
std::vector<std::string> MensagensValidacao(const TResultadoValidacao& r, size_t limite = 200);
// "Arquivo validado: N erros, M avisos".
std::string ResumoValidacao(const TResultadoValidacao& r);
// One line per kind that has findings: "estrutura: 2 erros, 0 avisos".
std::vector<std::string> ResumoPorTipo(const TResultadoValidacao& r);
std::string JsonValidacao(const TResultadoValidacao& r);
