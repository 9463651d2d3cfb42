#include "SessaoErp.h"

#include <cctype>
#include <charconv>

#include "BuildConfig.h"
#include "DbQuery.h"
#include "Funcoes.h"
#include "HashMD5.h"

namespace {
const char* kSemConexao = "NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS!";

// The server's reason goes with it: a missing database and a refused login need different help.
std::string SemConexao(const EDatabaseError& e) { return std::string(kSemConexao) + " (" + e.what() + ")"; }

unsigned PortaOr(const std::string& text, unsigned fallback) {
  unsigned v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size() && !text.empty() ? v : fallback;
}
}  // namespace

TAppSettings TAppSettings::BuildTime() {
  TAppSettings s;
  s.Conexao.HostName = VUDI_DB_HOST;
  s.Conexao.Port = PortaOr(VUDI_DB_PORT, 3306);
  s.Conexao.Database = VUDI_DB_CATALOG;
  s.Conexao.User = VUDI_DB_USER;
  s.Conexao.Password = VUDI_DB_PASSWORD;
  return s;
}

TEntrada ConectaCatalogo(TDbConnection& db) {
  try {
    db.Connect();
  } catch (const EDatabaseError&) {
    return {TFalhaInicio::Conexao, kSemConexao};
  }
  return {};
}

TEntrada EntraNaEmpresa(TDbConnection& db, const std::string& empresaDigitada, const std::string& usuario,
                        const std::string& senha) {
  const std::string empresa = ZeroEsquerda(empresaDigitada, 3);
  std::string banco;
  {
    TDbQuery q(db);
    q.Add("select nm_db from kivo_empresa where cd_empresa = \"" + db.Escape(empresa) + "\"");
    try {
      q.Open();
    } catch (const EDatabaseError& e) {
      return {TFalhaInicio::BancoDeDados, e.what()};
    }
    if (q.IsEmpty()) return {TFalhaInicio::Login, "CÓDIGO DA EMPRESA INVÁLIDO!"};
    banco = q.FieldByName("nm_db").AsString();
  }
  db.Disconnect();
  db.Settings().Database = banco;
  try {
    db.Connect();
  } catch (const EDatabaseError& e) {
    return {TFalhaInicio::Conexao, SemConexao(e)};
  }
  try {
    if (!ValidaUsuario(db, usuario, senha)) return {TFalhaInicio::Login, "USUARIO E/OU SENHA INVÁLIDOS"};
  } catch (const std::exception& e) {
    return {TFalhaInicio::BancoDeDados, e.what()};
  }
  return {};
}

bool ValidaUsuario(TDbConnection& db, const std::string& usuario, const std::string& senha) {
  TDbQuery q(db);
  q.Add("select ifnull(name,\"\") as name from sec_users where login = :login and pswd = :pass");
  // The column's collation ignores trailing blanks: "operador " must not pass for "operador".
  q.Add("and length(login) = length(:login)");
  q.ParamByName("login").AsString(usuario);
  std::string hash = HashMD5(senha);
  for (char& ch : hash) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  q.ParamByName("pass").AsString(hash);
  q.Open();
  return !q.IsEmpty() && !q.FieldByName("name").AsString().empty();
}
