#pragma once
// A statement's rows read a few at a time from a cursor the server keeps, for browsing results
// of any size: the client holds only what it fetched, and the connection stays free for other
// statements while the cursor is open.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"

struct st_mysql_stmt;

class TDbCursor {
public:
  // One row: each column's text, nothing for NULL.
  using Row = std::vector<std::optional<std::string>>;

  explicit TDbCursor(TDbConnection& db);
  ~TDbCursor();
  TDbCursor(const TDbCursor&) = delete;
  TDbCursor& operator=(const TDbCursor&) = delete;

  // Runs the statement. One that gives no rows is refused before it runs, so nothing changes;
  // database errors throw EDatabaseError with the server's message.
  void Open(const std::string& sql);
  void Close();
  bool Active() const { return stmt_ != nullptr; }

  const std::vector<std::string>& FieldNames() const { return names_; }
  // Whether each column holds numbers (for aligning and for the decimal comma of exports).
  const std::vector<bool>& NumericFields() const { return numeric_; }

  // Appends up to `count` more rows to `rows`; returns how many came.
  std::size_t Fetch(std::size_t count, std::vector<Row>& rows);
  // Every row was fetched.
  bool Eof() const { return eof_; }

private:
  [[noreturn]] void Fail(const std::string& sql);

  TDbConnection& db_;
  st_mysql_stmt* stmt_ = nullptr;
  std::string sql_;
  std::vector<std::string> names_;
  std::vector<bool> numeric_;
  bool eof_ = true;
  // The fetch buffers bound to the columns.
  struct Buffers;
  std::unique_ptr<Buffers> buffers_;
};
