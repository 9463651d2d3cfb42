#pragma once
// The PIS/COFINS that block C recomputed for the NFC-e headers, kept until the file is complete
// and then written to the ERP in one transaction by one UPDATE joined to a temporary table: a
// run that fails before the end leaves every NFC-e as it was.
#include <string>
#include <vector>

#include "Database.h"

class TRetornoNfce {
public:
  // An NFC-e's new sums; one whose stored values already equal them is not kept.
  void Adiciona(const std::string& cdFil, const std::string& serie, const std::string& nrNfce, long double pis,
                long double cofins, long double pisGravado, long double cofinsGravado);
  std::size_t Pendentes() const { return linhas_.size(); }
  void Descarta() { linhas_.clear(); }
  // Writes and commits every kept NFC-e, then forgets them; on a database error nothing is
  // written (rolled back) and the error goes on.
  void Grava(TDbConnection& db);

private:
  struct Linha {
    std::string cdFil, serie, nrNfce, pis, cofins;
  };
  std::vector<Linha> linhas_;
};

// Rows of a multi-row INSERT cut into statements of about `limite` bytes.
class TInsertEmLotes {
public:
  TInsertEmLotes(TDbConnection& db, std::string cabecalho, std::size_t limite = 1 << 20)
      : db_(db), cabecalho_(std::move(cabecalho)), limite_(limite) {}
  // One row, its values already written as SQL literals inside parentheses.
  void Linha(const std::string& valores);
  void Termina();

private:
  TDbConnection& db_;
  std::string cabecalho_, sql_;
  std::size_t limite_;
};
