#include "RetornoNfce.h"

#include <cmath>

#include "Funcoes.h"

void TInsertEmLotes::Linha(const std::string& valores) {
  sql_ += sql_.empty() ? cabecalho_ + " values " : ",";
  sql_ += valores;
  if (sql_.size() >= limite_) Termina();
}

void TInsertEmLotes::Termina() {
  if (sql_.empty()) return;
  const std::string sql = std::move(sql_);
  sql_.clear();
  db_.ExecSQL(sql);
}

void TRetornoNfce::Adiciona(const std::string& cdFil, const std::string& serie, const std::string& nrNfce,
                            long double pis, long double cofins, long double pisGravado, long double cofinsGravado) {
  // Stored with two decimals: a sum within half a cent's hundredth of the stored value is it.
  if (std::fabs(pis - pisGravado) < 0.00005L && std::fabs(cofins - cofinsGravado) < 0.00005L) return;
  linhas_.push_back({cdFil, serie, nrNfce, ValorSQL(pis), ValorSQL(cofins)});
}

void TRetornoNfce::Grava(TDbConnection& db) {
  if (linhas_.empty()) return;
  try {
    db.ExecSQL("drop temporary table if exists nfce_retorno");
    // The header's own column types, so each value is converted exactly as a direct update would.
    db.ExecSQL("create temporary table nfce_retorno select cd_fil, nr_serie, nr_nfce, vl_pis, vl_cofins from nfce "
               "where 1 = 0");
    db.ExecSQL("alter table nfce_retorno add primary key (cd_fil, nr_serie, nr_nfce)");
    TInsertEmLotes insert(db, "insert into nfce_retorno (cd_fil, nr_serie, nr_nfce, vl_pis, vl_cofins)");
    for (const Linha& l : linhas_)
      insert.Linha("(\"" + db.Escape(l.cdFil) + "\",\"" + db.Escape(l.serie) + "\",\"" + db.Escape(l.nrNfce) +
                   "\",\"" + db.Escape(l.pis) + "\",\"" + db.Escape(l.cofins) + "\")");
    insert.Termina();
    db.ExecSQL("update nfce join nfce_retorno r on nfce.cd_fil = r.cd_fil and nfce.nr_serie = r.nr_serie and "
               "nfce.nr_nfce = r.nr_nfce set nfce.vl_pis = r.vl_pis, nfce.vl_cofins = r.vl_cofins");
    db.Commit();
    db.ExecSQL("drop temporary table if exists nfce_retorno");
  } catch (...) {
    try {
      db.Rollback();
    } catch (...) {
    }
    throw;
  }
  linhas_.clear();
}
