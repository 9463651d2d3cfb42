#pragma once
// The predicates the register writers use to report invalid identifying fields.
#include <cstdint>
#include <string>

bool ValidaCNPJ(const std::string& value);        // empty is valid
bool ValidaCPF(const std::string& value);         // empty is valid
bool ValidaUF(const std::string& value);          // empty is invalid
bool ValidaCodMunicipio(int32_t value);           // IBGE code or 9999999
bool ValidaCodGenero(const std::string& value);   // "00" to "99"
// Drops ".", "/" and "-", upper-cases, trims codes 32 and below.
std::string LimpaDocumento(const std::string& value);
