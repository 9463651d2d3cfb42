#include "DbQuery.h"

#include <mysql.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "DbText.h"

namespace {

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r\n";
  std::size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

template <typename T>
bool ParseWhole(const std::string& text, T& out) {
  std::string t = Trim(text);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  if (t.empty()) return false;
  auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
  return ec == std::errc() && p == t.data() + t.size();
}

bool ParseFixedDigits(const std::string& s, std::size_t pos, std::size_t count, int& out) {
  if (pos + count > s.size()) return false;
  auto [p, ec] = std::from_chars(s.data() + pos, s.data() + pos + count, out);
  return ec == std::errc() && p == s.data() + pos + count;
}

std::string DateLiteral(TDateTime value) {
  DateParts d = DecodeDate(value);
  double frac = value - std::floor(value);
  int seconds = static_cast<int>(std::lround(frac * 86400.0));
  if (seconds >= 86400) seconds = 86399;
  char buf[64];
  if (seconds == 0)
    std::snprintf(buf, sizeof buf, "'%04d-%02d-%02d'", d.year, d.month, d.day);
  else
    std::snprintf(buf, sizeof buf, "'%04d-%02d-%02d %02d:%02d:%02d'", d.year, d.month, d.day, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
  return buf;
}

}  // namespace

// ---- parameters -------------------------------------------------------------------------

void TDbParam::AsString(const std::string& value) {
  kind_ = Kind::Text;
  text_ = value;
  assigned_ = true;
}

void TDbParam::AsInteger(int64_t value) {
  kind_ = Kind::Integer;
  integer_ = value;
  assigned_ = true;
}

void TDbParam::AsFloat(double value) {
  if (!std::isfinite(value)) throw EDatabaseError("Valor numérico inválido para parâmetro");
  kind_ = Kind::Float;
  number_ = value;
  assigned_ = true;
}

void TDbParam::AsDate(TDateTime value) {
  kind_ = value == 0 ? Kind::Null : Kind::Date;
  number_ = value;
  assigned_ = true;
}

void TDbParam::Clear() {
  kind_ = Kind::Null;
  assigned_ = true;
}

std::string TDbParam::Literal(const TDbConnection& db) const {
  switch (kind_) {
    case Kind::Null: return "NULL";
    case Kind::Text: return "'" + db.Escape(text_) + "'";
    case Kind::Integer: return std::to_string(integer_);
    case Kind::Float: {
      char buf[64];
      auto [p, ec] = std::to_chars(buf, buf + sizeof buf, number_);
      return std::string(buf, p);
    }
    case Kind::Date: return DateLiteral(number_);
  }
  return "NULL";
}

std::string ExpandParameters(const std::string& sql, const std::map<std::string, TDbParam>& params,
                             const TDbConnection& db) {
  std::string out;
  out.reserve(sql.size());
  std::size_t i = 0;
  const std::size_t n = sql.size();
  while (i < n) {
    std::size_t skip = dbtext::SkipQuotedOrComment(sql, i);
    if (skip != i) {
      out.append(sql, i, skip - i);
      i = skip;
      continue;
    }
    const char c = sql[i];
    if (c == ':' && i + 1 < n && dbtext::IsNameStart(sql[i + 1]) && (i == 0 || sql[i - 1] != ':')) {
      std::size_t j = i + 1;
      while (j < n && dbtext::IsNameChar(sql[j])) ++j;
      std::string name = Lower(sql.substr(i + 1, j - i - 1));
      auto it = params.find(name);
      if (it == params.end() || !it->second.Assigned())
        throw EDatabaseError("Parâmetro sem valor: :" + sql.substr(i + 1, j - i - 1));
      out += it->second.Literal(db);
      i = j;
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

// ---- fields -----------------------------------------------------------------------------

TDbField::TDbField(std::string name, const char* data, unsigned long length, bool numericColumn)
    : name_(std::move(name)), numeric_(numericColumn) {
  if (data) value_ = std::string(data, length);
}

std::string TDbField::AsString() const { return value_ ? *value_ : std::string(); }

int64_t TDbField::AsInteger() const {
  if (!value_) return 0;
  int64_t v = 0;
  if (ParseWhole(*value_, v)) return v;
  // A decimal column holding a whole number ("3.00") reads as that number.
  double d = 0;
  if (numeric_ && ParseWhole(*value_, d) && std::isfinite(d)) return std::llround(d);
  throw EValorInvalido("'" + *value_ + "' não é um valor inteiro válido para o campo " + name_);
}

double TDbField::AsFloat() const {
  if (!value_) return 0;
  double d = 0;
  if (ParseWhole(*value_, d)) return d;
  throw EValorInvalido("'" + *value_ + "' não é um valor numérico válido para o campo " + name_);
}

TDateTime TDbField::AsDate() const {
  if (!value_) return 0;
  const std::string s = Trim(*value_);
  if (s.empty()) return 0;
  int y = 0, m = 0, d = 0;
  if (s.size() < 10 || s[4] != '-' || s[7] != '-' || !ParseFixedDigits(s, 0, 4, y) ||
      !ParseFixedDigits(s, 5, 2, m) || !ParseFixedDigits(s, 8, 2, d))
    throw EValorInvalido("'" + *value_ + "' não é uma data válida para o campo " + name_);
  if (y == 0 && m == 0 && d == 0) return 0;
  TDateTime date = 0;
  if (!TryEncodeDate(y, m, d, date))
    throw EValorInvalido("'" + *value_ + "' não é uma data válida para o campo " + name_);
  int hh = 0, nn = 0, ss = 0;
  if (s.size() >= 19 && s[10] == ' ' && ParseFixedDigits(s, 11, 2, hh) && ParseFixedDigits(s, 14, 2, nn) &&
      ParseFixedDigits(s, 17, 2, ss)) {
    TDateTime time = (hh * 3600.0 + nn * 60.0 + ss) / 86400.0;
    date = date >= 0 ? date + time : date - time;
  }
  return date;
}

// ---- query ------------------------------------------------------------------------------

TDbQuery::TDbQuery(TDbConnection& db) : db_(db) {}

TDbQuery::~TDbQuery() { Close(); }

std::string TDbQuery::Text() const {
  std::string s;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) s += '\n';
    s += lines_[i];
  }
  return s;
}

TDbParam& TDbQuery::ParamByName(const std::string& name) { return params_[Lower(name)]; }

std::string TDbQuery::ExpandedSQL() const { return ExpandParameters(Text(), params_, db_); }

void TDbQuery::Open() { Abre(false); }

void TDbQuery::OpenStreamed() { Abre(true); }

void TDbQuery::Abre(bool streamed) {
  Close();
  const std::string sql = ExpandedSQL();
  MYSQL* h = db_.Handle();
  if (mysql_real_query(h, sql.data(), sql.size())) db_.Fail(sql);
  result_ = streamed ? mysql_use_result(h) : mysql_store_result(h);
  if (!result_) {
    if (mysql_field_count(h) != 0) db_.Fail(sql);
    rowsAffected_ = mysql_affected_rows(h);
    throw EDatabaseError("A instrução não devolve linhas [SQL: " + sql.substr(0, 200) + "]");
  }
  unsigned count = mysql_num_fields(result_);
  MYSQL_FIELD* fields = mysql_fetch_fields(result_);
  for (unsigned i = 0; i < count; ++i) {
    names_.push_back(Lower(std::string(fields[i].name, fields[i].name_length)));
    numeric_.push_back(IS_NUM(fields[i].type));
  }
  rowsAffected_ = 0;
  streamed_ = streamed;
  lidas_ = 0;
  if (streamed) sqlAberto_ = sql;
  Fetch();
}

void TDbQuery::Close() {
  if (result_) mysql_free_result(result_);
  result_ = nullptr;
  row_ = nullptr;
  lengths_ = nullptr;
  names_.clear();
  numeric_.clear();
  streamed_ = false;
  sqlAberto_.clear();
}

void TDbQuery::ExecSQL() {
  Close();
  rowsAffected_ = db_.ExecSQL(ExpandedSQL());
}

void TDbQuery::Fetch() {
  if (!streamed_) atual_ = mysql_row_tell(result_);
  row_ = mysql_fetch_row(result_);
  lengths_ = row_ ? mysql_fetch_lengths(result_) : nullptr;
  if (row_) ++lidas_;
  // A streamed result ends with no row also when the connection failed midway.
  if (!row_ && streamed_ && mysql_errno(db_.Handle()) != 0) db_.Fail(sqlAberto_);
}

void TDbQuery::First() {
  if (!result_) return;
  if (streamed_) {
    if (lidas_ > 1) throw EDatabaseError("Consulta lida em sequência não volta ao início");
    return;
  }
  mysql_data_seek(result_, 0);
  Fetch();
}

TDbQuery::TMarca TDbQuery::Marca() const {
  if (!result_ || streamed_) throw EDatabaseError("Só uma consulta guardada marca linhas");
  return atual_;
}

void TDbQuery::VoltaA(TMarca marca) {
  if (!result_ || streamed_) throw EDatabaseError("Só uma consulta guardada volta a uma linha");
  mysql_row_seek(result_, marca);
  Fetch();
}

void TDbQuery::Next() {
  if (result_ && row_) Fetch();
}

bool TDbQuery::Eof() const { return !result_ || !row_; }

uint64_t TDbQuery::RecordCount() const { return result_ ? mysql_num_rows(result_) : 0; }

int TDbQuery::FieldIndex(const std::string& name) const {
  const std::string key = Lower(name);
  auto it = std::find(names_.begin(), names_.end(), key);
  return it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

bool TDbQuery::HasField(const std::string& name) const { return FieldIndex(name) >= 0; }

std::vector<std::string> TDbQuery::FieldNames() const { return names_; }

TDbField TDbQuery::FieldByName(const std::string& name) const {
  if (!result_) throw EDatabaseError("Consulta fechada: campo " + name);
  int i = FieldIndex(name);
  if (i < 0) throw EDatabaseError("Campo não encontrado: " + name);
  if (!row_) return TDbField(name, nullptr, 0, numeric_[i]);  // past the end every field is NULL
  return TDbField(name, row_[i], lengths_[i], numeric_[i]);
}
