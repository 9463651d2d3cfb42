#pragma once
// The one connection to the ERP's MySQL-protocol server (MariaDB Connector/C): automatic commit
// off, isolation "read committed", client character set utf8mb4.
#include <cstdint>
#include <memory>
#include <string>

#include "DbError.h"

struct st_mysql;

struct TDbSettings {
  std::string HostName = "127.0.0.1";
  unsigned Port = 3306;
  // When set, the connection goes through this unix socket and HostName/Port are ignored.
  std::string Socket;
  std::string Database;
  std::string User;
  std::string Password;
  unsigned ConnectTimeoutSeconds = 5;
};

// The start of a statement on one line, for error messages, without password digests.
std::string Excerpt(const std::string& sql);
// The text with the value compared with `pswd` and any 32-digit hexadecimal digest hidden.
std::string EscondeSenhas(std::string texto);

class TDbConnection {
public:
  TDbConnection();
  explicit TDbConnection(TDbSettings settings);
  ~TDbConnection();
  TDbConnection(const TDbConnection&) = delete;
  TDbConnection& operator=(const TDbConnection&) = delete;

  TDbSettings& Settings() { return settings_; }
  const TDbSettings& Settings() const { return settings_; }

  // Throws EDatabaseError naming the server when it cannot be reached or refuses the login.
  void Connect();
  // Uncommitted work is rolled back by the server.
  void Disconnect();
  bool Connected() const { return handle_ != nullptr; }

  // Switches the open connection to another database (and remembers it for the next Connect).
  void SetDatabase(const std::string& name);
  // The database the server says the session uses now ("" when none).
  std::string CurrentDatabase();

  void Commit();
  void Rollback();

  // Runs one statement; rows it returns are discarded. Gives the rows affected.
  uint64_t ExecSQL(const std::string& sql);

  // The value escaped for use between quotes in a statement (quotes, backslashes, NUL and line
  // breaks become escape sequences), in the connection's character set.
  std::string Escape(const std::string& value) const;

  // For the query and script classes of this layer.
  st_mysql* Handle();
  [[noreturn]] void Fail(const std::string& sql) const;

private:
  TDbSettings settings_;
  st_mysql* handle_ = nullptr;
};
