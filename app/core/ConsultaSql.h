#pragma once
// The SQL console: free queries and scripts on the program's own connection (so the run's
// private working tables are visible), the three working-table views and the predefined
// queries behind the block M figures. Headless: the desktop program shows it modally.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "Controls.h"
#include "DateTime.h"
#include "DbCursor.h"
#include "WindowHost.h"

// One statement's rows as the grid shows them: read a page at a time as the grid scrolls, with
// the current row of the navigator.
class TConsultaDados {
public:
  static constexpr std::size_t kPagina = 200;

  explicit TConsultaDados(TDbConnection& db) : db_(db), cursor_(db) {}

  // Runs the statement and reads its first page; the time taken is kept for the status line.
  void Open(const std::string& sql);
  void Close();
  bool Active() const { return cursor_.Active(); }
  const std::string& Sql() const { return sql_; }

  const std::vector<std::string>& FieldNames() const { return nomes_; }
  const std::vector<bool>& NumericFields() const { return numericos_; }
  const std::vector<TDbCursor::Row>& Rows() const { return linhas_; }
  // Rows not read yet remain.
  bool HasMore() const { return cursor_.Active() && !cursor_.Eof(); }
  std::size_t FetchMore(std::size_t count = kPagina);

  // Navigator: the current row (-1 when there is none). Last reads the rest of the result.
  long RecNo() const { return atual_; }
  void First();
  void Prior();
  void Next();
  void Last();

  double Segundos() const { return segundos_; }
  // "3 linhas em 0,012 s"; while rows remain unread, the count read so far and "ou mais".
  std::string Situacao() const;

private:
  TDbConnection& db_;
  TDbCursor cursor_;
  std::string sql_;
  std::vector<std::string> nomes_;
  std::vector<bool> numericos_;
  std::vector<TDbCursor::Row> linhas_;
  long atual_ = -1;
  double segundos_ = 0;
};

// Spreadsheet forms of a result: tab-separated text for the clipboard and CSV files with ";"
// and the decimal comma. Numbers of numeric columns get the comma; a value holding the
// separator, a quote or a line break is quoted.
std::string TextoTabulado(const TConsultaDados& dados, std::size_t primeiraLinha, std::size_t ultimaLinha,
                          std::size_t primeiraColuna, std::size_t ultimaColuna);
// Runs `sql` again and writes every row, a page at a time, with the column names first
// (UTF-8 with its byte order mark, lines ended by CR LF). Returns the number of rows written.
std::size_t GravaCsv(TDbConnection& db, const std::string& sql, std::ostream& out);

class TfrQuery {
public:
  static constexpr const char* kCaption = "Comandos SQL";
  enum class TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast };

  TfrQuery(TDbConnection& db, IWindowHost& host);

  // The period, set by the opener.
  TDateTime dt1 = 0, dt2 = 0;
  // The predefined statements, built at showing: comando[1] to comando[8] as the radio items 1
  // to 8, comando[9] for "M100 Completo".
  std::string comando[10];

  TMemo Memo1;
  TRadioGroup RadioGroup1;
  TButton Button1, Button2, SpeedButton1, SpeedButton2, SpeedButton3;
  TConsultaDados qropen, qrteste;
  // The result the grid and the navigator show: qropen (DataSource1) or qrteste (DataSource2).
  TConsultaDados* DBGrid1;

  void FormShow();
  void Button1Click();
  void Button2Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void DBNavigator1Click(TNavigateBtn button);
  void FormClose();

  // The statement of the shown result, saved as CSV to `path`.
  std::size_t SalvaCsv(const std::string& path);

private:
  void AbreTabela(const std::string& sql);

  TDbConnection& db_;
  IWindowHost& host_;
};
