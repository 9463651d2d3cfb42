#include "support/ErpDatabase.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

#include "DbScript.h"

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

std::map<std::string, std::string> ReadEnvFile(const std::string& path) {
  std::map<std::string, std::string> values;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos || line[0] == '#') continue;
    values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

std::string ConnectionFile() {
  std::string f = Env("VUDI_ERP_CONNECTION_FILE");
  return f.empty() ? VUDI_ERP_CONNECTION_FILE : f;
}

std::string UniquePrefix() {
  std::random_device rd;
  std::mt19937_64 gen((static_cast<uint64_t>(rd()) << 32) ^ rd());
  const char* hex = "0123456789abcdef";
  std::string s = "t";
  uint64_t v = gen();
  for (int i = 0; i < 12; ++i, v >>= 4) s += hex[v & 15];
  return s;
}

void RunScript(TDbConnection& db, const std::string& text) {
  TDbScript script(db);
  script.Add(text);
  script.Execute();
  db.Commit();
}

}  // namespace

std::optional<TDbSettings> ErpServerSettings() {
  std::map<std::string, std::string> file = ReadEnvFile(ConnectionFile());
  auto get = [&](const char* key) {
    std::string v = Env(key);
    if (!v.empty()) return v;
    auto it = file.find(key);
    return it == file.end() ? std::string() : it->second;
  };
  std::string port = get("VUDI_TEST_DB_PORT");
  std::string socket = get("VUDI_TEST_DB_SOCKET");
  if (port.empty() && socket.empty()) return std::nullopt;
  TDbSettings s;
  std::string host = get("VUDI_TEST_DB_HOST");
  if (!host.empty()) s.HostName = host;
  if (!port.empty()) s.Port = static_cast<unsigned>(std::stoul(port));
  s.Socket = socket;
  s.User = get("VUDI_TEST_DB_USER");
  s.Password = get("VUDI_TEST_DB_PASSWORD");
  s.ConnectTimeoutSeconds = 3;
  return s;
}

bool ErpServerAvailable(std::string* why) {
  static std::optional<std::string> problem;  // checked once per test binary
  static bool checked = false;
  if (!checked) {
    checked = true;
    std::optional<TDbSettings> s = ErpServerSettings();
    if (!s) {
      problem = "the private ERP server is not running (no " + ConnectionFile() +
                " and no VUDI_TEST_DB_* variables): start it with scripts/erp-server start";
    } else {
      try {
        TDbConnection db(*s);
        db.Connect();
      } catch (const std::exception& e) {
        problem = std::string("the private ERP server does not answer (start it with scripts/erp-server start): ") +
                  e.what();
      }
    }
  }
  if (problem && why) *why = *problem;
  return !problem;
}

bool ErpServerRequired() { return Env("VUDI_TEST_REQUIRE_DB") == "1"; }

std::string ReadErpFixture(const std::string& fileName) {
  std::string path = std::string(VUDI_ERP_FIXTURE_DIR) + "/" + fileName;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

ErpDatabase::ErpDatabase(ErpContent content) {
  std::optional<TDbSettings> s = ErpServerSettings();
  if (!s) throw std::runtime_error("the private ERP server is not running");
  server_ = *s;
  const std::string prefix = UniquePrefix();
  catalog_ = prefix + "_kivo";
  company_ = prefix + "_emp";

  TDbConnection db(server_);
  db.Connect();
  db.ExecSQL("CREATE DATABASE `" + catalog_ + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci");
  db.ExecSQL("CREATE DATABASE `" + company_ + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci");
  try {
    if (content != ErpContent::Empty) {
      db.SetDatabase(catalog_);
      RunScript(db, ReadErpFixture("catalog.sql"));
      db.ExecSQL("INSERT INTO kivo_empresa (cd_empresa, nm_empresa, nm_db) VALUES ('" + std::string(kCompanyCode) +
                 "', 'COMERCIAL VUDI LTDA', '" + db.Escape(company_) + "')");
      db.Commit();
      db.SetDatabase(company_);
      RunScript(db, ReadErpFixture("company.sql"));
      if (content == ErpContent::Seeded) RunScript(db, ReadErpFixture("seed.sql"));
    }
  } catch (...) {
    db.ExecSQL("DROP DATABASE IF EXISTS `" + catalog_ + "`");
    db.ExecSQL("DROP DATABASE IF EXISTS `" + company_ + "`");
    throw;
  }
}

ErpDatabase::~ErpDatabase() {
  try {
    TDbConnection db(server_);
    db.Connect();
    db.ExecSQL("DROP DATABASE IF EXISTS `" + catalog_ + "`");
    db.ExecSQL("DROP DATABASE IF EXISTS `" + company_ + "`");
  } catch (...) {
    // A database left behind only costs space on a private server.
  }
}

TDbSettings ErpDatabase::CatalogSettings() const {
  TDbSettings s = server_;
  s.Database = catalog_;
  return s;
}

TDbSettings ErpDatabase::CompanySettings() const {
  TDbSettings s = server_;
  s.Database = company_;
  return s;
}

void ErpDatabase::RunFixture(const std::string& fileName) {
  TDbConnection db(CompanySettings());
  db.Connect();
  RunScript(db, ReadErpFixture(fileName));
}
