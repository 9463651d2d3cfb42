#pragma once
// The ERP's chart of accounts per register: the account of a register, and the account of a
// register for a movement type of the store (read once per pair in a block C run).
#include <map>
#include <string>

class TDbConnection;

class TContasContabeis {
public:
  explicit TContasContabeis(TDbConnection& db) : db_(db) {}
  // Reads contascontabeisreg and contascontabeis; "" when the register has no account.
  std::string DoRegistro(const std::string& registro);
  std::string DoMovimento(const std::string& registro, const std::string& tpMov, const std::string& cnpj);
  void EsqueceMovimentos() { movimentos_.clear(); }

private:
  TDbConnection& db_;
  std::map<std::string, std::string> movimentos_;
};
