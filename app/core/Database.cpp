#include "Database.h"

#include <cctype>

#include <mysql.h>

#include <utility>

std::string EscondeSenhas(std::string s) {
  // The value compared with pswd, quoted or bound.
  for (std::size_t i = 0; (i = s.find("pswd", i)) != std::string::npos; i += 4) {
    std::size_t j = i + 4;
    while (j < s.size() && s[j] == ' ') ++j;
    if (j >= s.size() || s[j] != '=') continue;
    ++j;
    while (j < s.size() && s[j] == ' ') ++j;
    if (j >= s.size() || (s[j] != '"' && s[j] != '\'')) continue;
    std::size_t fim = s.find(s[j], j + 1);
    if (fim == std::string::npos) fim = s.size();
    s.replace(j + 1, fim - j - 1, "***");
  }
  // A digest quoted on its own (the server's "near '...'" fragment).
  auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t i = 0; i + 32 <= s.size(); ++i) {
    if (i > 0 && hex(s[i - 1])) continue;
    std::size_t j = i;
    while (j < s.size() && hex(s[j])) ++j;
    if (j - i == 32) s.replace(i, 32, "***");
  }
  return s;
}

std::string Excerpt(const std::string& sql) {
  constexpr std::size_t kMax = 200;
  std::string s = sql.size() > kMax ? sql.substr(0, kMax) + "..." : sql;
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return EscondeSenhas(s);
}

namespace {

std::string Where(const TDbSettings& s) {
  if (!s.Socket.empty()) return "socket " + s.Socket;
  return s.HostName + ":" + std::to_string(s.Port);
}

// The client library's escaping for utf8mb4, for when there is no connection to ask (its
// character-set-free variant crashes without one). UTF-8 never hides these bytes inside a
// multi-byte character, so byte-wise replacement is exact.
std::string EscapeUtf8(const std::string& value) {
  std::string out;
  out.reserve(value.size() + 8);
  for (char c : value) {
    switch (c) {
      case '\0': out += "\\0"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      case '\'': out += "\\'"; break;
      case '"': out += "\\\""; break;
      case '\x1a': out += "\\Z"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

TDbConnection::TDbConnection() = default;

TDbConnection::TDbConnection(TDbSettings settings) : settings_(std::move(settings)) {}

TDbConnection::~TDbConnection() { Disconnect(); }

void TDbConnection::Connect() {
  if (handle_) return;
  // The client library reads a host holding "=" and ";" as a connection string of its own.
  if (settings_.HostName.find_first_of(";=") != std::string::npos)
    throw EDatabaseError("Endereço do servidor inválido: \"" + settings_.HostName + "\"");
  MYSQL* h = mysql_init(nullptr);
  if (!h) throw EDatabaseError("Sem memória para a conexão com o banco de dados");
  unsigned timeout = settings_.ConnectTimeoutSeconds;
  mysql_options(h, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
  mysql_options(h, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  unsigned protocol = settings_.Socket.empty() ? MYSQL_PROTOCOL_TCP : MYSQL_PROTOCOL_SOCKET;
  mysql_options(h, MYSQL_OPT_PROTOCOL, &protocol);
  // Never read files named by the server.
  unsigned localInfile = 0;
  mysql_options(h, MYSQL_OPT_LOCAL_INFILE, &localInfile);

  // Connector/C sends "localhost" to the system's socket unless it is told ours.
  const char* host = settings_.Socket.empty() ? settings_.HostName.c_str() : "localhost";
  const char* socket = settings_.Socket.empty() ? nullptr : settings_.Socket.c_str();
  const char* db = settings_.Database.empty() ? nullptr : settings_.Database.c_str();
  if (!mysql_real_connect(h, host, settings_.User.c_str(), settings_.Password.c_str(), db,
                          settings_.Socket.empty() ? settings_.Port : 0, socket, 0)) {
    std::string message = "Não foi possível conectar ao banco de dados (" + Where(settings_) + "): " +
                          mysql_error(h);
    unsigned code = mysql_errno(h);
    mysql_close(h);
    throw EDatabaseError(message, code);
  }
  handle_ = h;
  try {
    if (mysql_autocommit(handle_, 0)) Fail("SET autocommit=0");
    ExecSQL("SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED");
    // MySQL 5.7 and later group strictly by default; the ERP's statements group loosely.
    ExecSQL("SET SESSION sql_mode = TRIM(BOTH ',' FROM REPLACE(CONCAT(',', @@SESSION.sql_mode, ','), "
            "',ONLY_FULL_GROUP_BY,', ','))");
  } catch (...) {
    Disconnect();
    throw;
  }
}

void TDbConnection::Disconnect() {
  if (!handle_) return;
  mysql_close(handle_);
  handle_ = nullptr;
}

void TDbConnection::SetDatabase(const std::string& name) {
  settings_.Database = name;
  if (handle_ && mysql_select_db(handle_, name.c_str())) Fail("USE " + name);
}

std::string TDbConnection::CurrentDatabase() {
  MYSQL* h = Handle();
  const std::string sql = "SELECT DATABASE()";
  if (mysql_real_query(h, sql.data(), sql.size())) Fail(sql);
  MYSQL_RES* res = mysql_store_result(h);
  if (!res) Fail(sql);
  MYSQL_ROW row = mysql_fetch_row(res);
  std::string name = row && row[0] ? row[0] : "";
  mysql_free_result(res);
  return name;
}

void TDbConnection::Commit() {
  if (mysql_commit(Handle())) Fail("COMMIT");
}

void TDbConnection::Rollback() {
  if (mysql_rollback(Handle())) Fail("ROLLBACK");
}

uint64_t TDbConnection::ExecSQL(const std::string& sql) {
  MYSQL* h = Handle();
  if (mysql_real_query(h, sql.data(), sql.size())) Fail(sql);
  uint64_t affected = 0;
  // Drain every result so the connection is ready for the next statement.
  do {
    MYSQL_RES* res = mysql_store_result(h);
    if (res) {
      mysql_free_result(res);
    } else if (mysql_field_count(h) != 0) {
      Fail(sql);
    } else {
      affected = mysql_affected_rows(h);
    }
    int next = mysql_next_result(h);
    if (next > 0) Fail(sql);
    if (next < 0) break;
  } while (true);
  return affected;
}

std::string TDbConnection::Escape(const std::string& value) const {
  if (!handle_) return EscapeUtf8(value);
  std::string out(value.size() * 2 + 1, '\0');
  unsigned long n = mysql_real_escape_string(handle_, out.data(), value.data(), value.size());
  if (n == static_cast<unsigned long>(-1)) throw EDatabaseError("Texto inválido para o banco de dados: " + Excerpt(value));
  out.resize(n);
  return out;
}

MYSQL* TDbConnection::Handle() {
  if (!handle_) throw EDatabaseError("Sem conexão com o banco de dados");
  return handle_;
}

void TDbConnection::Fail(const std::string& sql) const {
  std::string message = handle_ ? mysql_error(handle_) : "Sem conexão com o banco de dados";
  unsigned code = handle_ ? mysql_errno(handle_) : 0;
  if (!sql.empty()) message += " [SQL: " + Excerpt(sql) + "]";
  throw EDatabaseError(EscondeSenhas(message), code);
}
