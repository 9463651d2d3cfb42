#pragma once
// Fresh ERP databases on the private test server (scripts/erp-server): a catalogue and a
// company database with unique names, loaded with the fixture of tests/fixtures/erp and dropped
// at the end, so that tests never see each other's rows.
//
//   TEST(Something, Works) {
//     REQUIRE_ERP_SERVER();
//     ErpDatabase erp;                        // schema + seed (or ErpContent::Schema / Empty)
//     TDbConnection db(erp.CompanySettings());
//     db.Connect();
//   }
#include <optional>
#include <string>

#include "Database.h"

// Where the server is: VUDI_TEST_DB_HOST, VUDI_TEST_DB_PORT, VUDI_TEST_DB_SOCKET,
// VUDI_TEST_DB_USER, VUDI_TEST_DB_PASSWORD, each overriding the file that
// `scripts/erp-server start` writes (VUDI_ERP_CONNECTION_FILE names another file).
// Empty when nothing says where a server is.
std::optional<TDbSettings> ErpServerSettings();
// Whether the server answers; otherwise `why` says what to do about it.
bool ErpServerAvailable(std::string* why);
// scripts/test sets VUDI_TEST_REQUIRE_DB=1: a missing server is then a failure, not a skip.
bool ErpServerRequired();

#define REQUIRE_ERP_SERVER()                          \
  do {                                                \
    std::string erpWhy_;                              \
    if (!ErpServerAvailable(&erpWhy_)) {              \
      if (ErpServerRequired()) FAIL() << erpWhy_;     \
      GTEST_SKIP() << erpWhy_;                        \
    }                                                 \
  } while (0)

enum class ErpContent { Empty, Schema, Seeded };

class ErpDatabase {
public:
  static constexpr const char* kCompanyCode = "001";
  static constexpr const char* kUser = "operador";
  static constexpr const char* kPassword = "kivo123";

  explicit ErpDatabase(ErpContent content = ErpContent::Seeded);
  ~ErpDatabase();
  ErpDatabase(const ErpDatabase&) = delete;
  ErpDatabase& operator=(const ErpDatabase&) = delete;

  const std::string& CatalogName() const { return catalog_; }
  const std::string& CompanyName() const { return company_; }
  TDbSettings ServerSettings() const { return server_; }
  TDbSettings CatalogSettings() const;
  TDbSettings CompanySettings() const;

  // Runs a file of the fixture folder (statements split at ";") on the company database.
  void RunFixture(const std::string& fileName);

private:
  TDbSettings server_;
  std::string catalog_;
  std::string company_;
};

// The text of a file of tests/fixtures/erp.
std::string ReadErpFixture(const std::string& fileName);
