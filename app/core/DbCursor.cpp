#include "DbCursor.h"

#include <mysql.h>

#include <cstring>

namespace {
constexpr unsigned long kFirstBufferSize = 256;
constexpr unsigned long kPrefetchRows = 200;

// Operators end statements with ";" out of habit; a prepared statement takes none.
std::string WithoutFinalSemicolons(const std::string& sql) {
  std::size_t end = sql.size();
  while (end > 0 && (sql[end - 1] == ';' || sql[end - 1] == ' ' || sql[end - 1] == '\t' || sql[end - 1] == '\n' ||
                     sql[end - 1] == '\r'))
    --end;
  return sql.substr(0, end);
}
}  // namespace

struct TDbCursor::Buffers {
  std::vector<MYSQL_BIND> binds;
  std::vector<std::vector<char>> data;
  std::vector<unsigned long> lengths;
  std::vector<my_bool> nulls, errors;

  explicit Buffers(std::size_t n) : binds(n), data(n, std::vector<char>(kFirstBufferSize)), lengths(n), nulls(n), errors(n) {
    std::memset(binds.data(), 0, sizeof(MYSQL_BIND) * n);
    for (std::size_t i = 0; i < n; ++i) Bind(i);
  }
  void Bind(std::size_t i) {
    MYSQL_BIND& b = binds[i];
    b.buffer_type = MYSQL_TYPE_STRING;  // the library converts numbers and dates to their text
    b.buffer = data[i].data();
    b.buffer_length = data[i].size();
    b.length = &lengths[i];
    b.is_null = &nulls[i];
    b.error = &errors[i];
  }
};

TDbCursor::TDbCursor(TDbConnection& db) : db_(db) {}

TDbCursor::~TDbCursor() { Close(); }

void TDbCursor::Fail(const std::string& sql) {
  std::string message = mysql_stmt_error(stmt_);
  const unsigned code = mysql_stmt_errno(stmt_);
  Close();
  throw EDatabaseError(message + " [SQL: " + Excerpt(sql) + "]", code);
}

void TDbCursor::Open(const std::string& text) {
  Close();
  const std::string sql = WithoutFinalSemicolons(text);
  MYSQL* h = db_.Handle();
  stmt_ = mysql_stmt_init(h);
  if (!stmt_) db_.Fail(sql);
  if (mysql_stmt_prepare(stmt_, sql.data(), sql.size())) Fail(sql);
  if (mysql_stmt_param_count(stmt_) > 0) {
    Close();
    throw EDatabaseError("A instrução tem parâmetros (?) sem valor [SQL: " + Excerpt(sql) + "]");
  }
  if (mysql_stmt_field_count(stmt_) == 0) {
    Close();
    throw EDatabaseError("A instrução não devolve linhas [SQL: " + Excerpt(sql) + "]");
  }
  unsigned long cursor = CURSOR_TYPE_READ_ONLY, prefetch = kPrefetchRows;
  mysql_stmt_attr_set(stmt_, STMT_ATTR_CURSOR_TYPE, &cursor);
  mysql_stmt_attr_set(stmt_, STMT_ATTR_PREFETCH_ROWS, &prefetch);
  if (mysql_stmt_execute(stmt_)) Fail(sql);
  // The server keeps cursors only for plain selects; other rows (SHOW and the like, always
  // small) come at once and are stored, so the connection is free either way.
  enum mysql_stmt_state state = MYSQL_STMT_INITTED;
  mysql_stmt_attr_get(stmt_, STMT_ATTR_STATE, &state);
  if (state == MYSQL_STMT_WAITING_USE_OR_STORE && mysql_stmt_store_result(stmt_)) Fail(sql);

  MYSQL_RES* meta = mysql_stmt_result_metadata(stmt_);
  if (!meta) Fail(sql);
  const unsigned count = mysql_num_fields(meta);
  MYSQL_FIELD* fields = mysql_fetch_fields(meta);
  for (unsigned i = 0; i < count; ++i) {
    names_.emplace_back(fields[i].name, fields[i].name_length);
    numeric_.push_back(IS_NUM(fields[i].type) && fields[i].type != MYSQL_TYPE_TIMESTAMP);
  }
  mysql_free_result(meta);
  buffers_ = std::make_unique<Buffers>(count);
  if (mysql_stmt_bind_result(stmt_, buffers_->binds.data())) Fail(sql);
  sql_ = sql;
  eof_ = false;
}

void TDbCursor::Close() {
  if (stmt_) mysql_stmt_close(stmt_);
  stmt_ = nullptr;
  buffers_.reset();
  names_.clear();
  numeric_.clear();
  sql_.clear();
  eof_ = true;
}

std::size_t TDbCursor::Fetch(std::size_t count, std::vector<Row>& rows) {
  std::size_t fetched = 0;
  while (stmt_ && !eof_ && fetched < count) {
    const int rc = mysql_stmt_fetch(stmt_);
    if (rc == MYSQL_NO_DATA) {
      eof_ = true;
      break;
    }
    if (rc == 1) Fail(sql_);
    Buffers& b = *buffers_;
    Row row(b.binds.size());
    for (std::size_t i = 0; i < b.binds.size(); ++i) {
      if (b.nulls[i]) continue;
      if (b.lengths[i] > b.data[i].size()) {
        // Longer than the buffer: grow it for the next rows and read this value again.
        b.data[i].resize(b.lengths[i]);
        b.Bind(i);
        if (mysql_stmt_fetch_column(stmt_, &b.binds[i], static_cast<unsigned>(i), 0)) Fail(sql_);
        if (mysql_stmt_bind_result(stmt_, b.binds.data())) Fail(sql_);
      }
      row[i].emplace(b.data[i].data(), b.lengths[i]);
    }
    rows.push_back(std::move(row));
    ++fetched;
  }
  return fetched;
}
