#pragma once
// A statement whose text is a list of lines, with named parameters (":login") bound by type,
// and its rows buffered on the client with a cursor over them, or read from the server as the
// cursor moves forward (streamed).
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DateTime.h"
#include "Database.h"

struct st_mysql_res;
struct st_mysql_rows;

// One named parameter: the value is written into the statement as an escaped literal.
class TDbParam {
public:
  void AsString(const std::string& value);
  void AsInteger(int64_t value);
  void AsFloat(double value);  // must be finite
  void AsDate(TDateTime value);  // 0 is written as NULL
  void Clear();                  // NULL
  bool Assigned() const { return assigned_; }
  // The literal for the statement text.
  std::string Literal(const TDbConnection& db) const;

private:
  enum class Kind { Null, Text, Integer, Float, Date };
  Kind kind_ = Kind::Null;
  bool assigned_ = false;
  std::string text_;
  int64_t integer_ = 0;
  double number_ = 0;
};

// A column of the current row. NULL reads as "" and as 0.
class TDbField {
public:
  TDbField(std::string name, const char* data, unsigned long length, bool numericColumn);
  const std::string& Name() const { return name_; }
  bool IsNull() const { return !value_.has_value(); }
  std::string AsString() const;
  // Throws EDatabaseError naming the value and the field when the text is not an integer.
  int64_t AsInteger() const;
  // Throws EDatabaseError naming the value and the field when the text is not a number.
  double AsFloat() const;
  // "yyyy-mm-dd[ hh:nn:ss]" as TDateTime; NULL and the zero date give 0.
  TDateTime AsDate() const;

private:
  std::string name_;
  std::optional<std::string> value_;
  bool numeric_;
};

class TDbQuery {
public:
  explicit TDbQuery(TDbConnection& db);
  ~TDbQuery();
  TDbQuery(const TDbQuery&) = delete;
  TDbQuery& operator=(const TDbQuery&) = delete;

  // The statement's lines, joined with "\n" when it runs. Changing them keeps bound parameters.
  std::vector<std::string>& SQL() { return lines_; }
  void Clear() { Close(); lines_.clear(); params_.clear(); }
  void Add(const std::string& line) { lines_.push_back(line); }
  std::string Text() const;

  TDbParam& ParamByName(const std::string& name);
  // The statement as sent: parameters replaced by their literals.
  std::string ExpandedSQL() const;

  // Runs the statement and buffers every row; the cursor is on the first row.
  void Open();
  // Runs the statement and reads its rows from the server one at a time as the cursor moves
  // forward, so a result of any size takes the memory of one row. Until the last row is read
  // (or the query closed) the connection carries no other statement. First() is allowed only
  // on the first row; RecordCount() and IsEmpty() tell only about the rows read so far.
  void OpenStreamed();
  bool Streamed() const { return streamed_; }
  void Close();
  bool Active() const { return result_ != nullptr; }
  // Runs a statement without rows; RowsAffected() tells how many rows it changed.
  void ExecSQL();
  uint64_t RowsAffected() const { return rowsAffected_; }

  void First();
  void Next();
  // The current row of a buffered result, to come back to it later with VoltaA().
  using TMarca = st_mysql_rows*;
  TMarca Marca() const;
  void VoltaA(TMarca marca);
  bool Eof() const;
  bool IsEmpty() const { return RecordCount() == 0; }
  uint64_t RecordCount() const;

  // Throws EDatabaseError when the query is not open or has no such column.
  TDbField FieldByName(const std::string& name) const;
  bool HasField(const std::string& name) const;
  std::vector<std::string> FieldNames() const;

private:
  void Abre(bool streamed);
  void Fetch();
  int FieldIndex(const std::string& name) const;

  TDbConnection& db_;
  std::vector<std::string> lines_;
  std::map<std::string, TDbParam> params_;
  st_mysql_res* result_ = nullptr;
  char** row_ = nullptr;
  TMarca atual_ = nullptr;
  unsigned long* lengths_ = nullptr;
  uint64_t rowsAffected_ = 0;
  bool streamed_ = false;
  uint64_t lidas_ = 0;  // rows fetched since the statement ran
  std::string sqlAberto_;
  std::vector<std::string> names_;
  std::vector<bool> numeric_;
};

// Substitutes ":name" parameters outside quotes and comments; ":=" and "::" are left alone.
// Throws EDatabaseError for a parameter that was not bound.
std::string ExpandParameters(const std::string& sql, const std::map<std::string, TDbParam>& params,
                             const TDbConnection& db);
