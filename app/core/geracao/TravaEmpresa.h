#pragma once
// The server's named lock of one company database, held by a run from "Inicio" to its end: two
// runs on the same company (two stores, two periods, the window and a batch run) never write the
// ERP at the same time. A second run waits a few seconds, then stops saying who holds it.
#include <string>

#include "Database.h"

class TTravaEmpresa {
public:
  explicit TTravaEmpresa(TDbConnection& db, unsigned esperaSegundos = 5) : db_(db), espera_(esperaSegundos) {}
  ~TTravaEmpresa() { Libera(); }
  TTravaEmpresa(const TTravaEmpresa&) = delete;
  TTravaEmpresa& operator=(const TTravaEmpresa&) = delete;

  // Throws Erro "Outra geração está em andamento nesta empresa" with the holder's connection.
  void Adquire();
  // Never throws: a lost connection has released the lock already.
  void Libera() noexcept;
  bool Retida() const { return retida_; }

  // The lock's name for a company database.
  static std::string Nome(const std::string& banco);

private:
  std::string QuemRetem();

  TDbConnection& db_;
  unsigned espera_;
  std::string nome_;
  bool retida_ = false;
};
