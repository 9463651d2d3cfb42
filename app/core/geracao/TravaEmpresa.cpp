#include "TravaEmpresa.h"

#include "DbQuery.h"
#include "Erro.h"
#include "HashMD5.h"

namespace {
std::string Valor(TDbConnection& db, const std::string& sql, const std::string& campo) {
  TDbQuery q(db);
  q.Add(sql);
  q.Open();
  return q.Eof() ? std::string() : q.FieldByName(campo).AsString();
}
}  // namespace

std::string TTravaEmpresa::Nome(const std::string& banco) {
  const std::string nome = "vudirozazezav." + banco;
  // The server takes names of up to 64 characters.
  return nome.size() <= 64 ? nome : "vudirozazezav." + HashMD5(banco);
}

void TTravaEmpresa::Adquire() {
  if (retida_) return;
  nome_ = Nome(db_.CurrentDatabase());
  const std::string literal = "\"" + db_.Escape(nome_) + "\"";
  const std::string r =
      Valor(db_, "select get_lock(" + literal + "," + std::to_string(espera_) + ") as obtida", "obtida");
  if (r == "1") {
    retida_ = true;
    return;
  }
  throw Erro("Outra geração está em andamento nesta empresa (" + QuemRetem() + ")");
}

std::string TTravaEmpresa::QuemRetem() {
  const std::string literal = "\"" + db_.Escape(nome_) + "\"";
  const std::string id = Valor(db_, "select is_used_lock(" + literal + ") as id", "id");
  if (id.empty()) return "a geração anterior acabou de terminar: tente de novo";
  std::string quem = "conexão " + id;
  // Other users' sessions are listed only with the PROCESS privilege.
  const std::string usuario = Valor(db_,
      "select concat(user,\"@\",host) as quem from information_schema.processlist where id = " + id, "quem");
  if (!usuario.empty()) quem += " de " + usuario;
  return quem;
}

void TTravaEmpresa::Libera() noexcept {
  if (!retida_) return;
  retida_ = false;
  try {
    db_.ExecSQL("do release_lock(\"" + db_.Escape(nome_) + "\")");
  } catch (...) {
  }
}
