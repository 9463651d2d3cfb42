#pragma once
// The ERP's indexes that the period filters of a run need. A missing one is never created here
// (the ERP is not ours to change): the run says which and how to create it.
#include <string>
#include <vector>

#include "Database.h"

struct TIndiceErp {
  const char* tabela;
  const char* coluna;
};

// The (table, date column) pairs every run filters on.
const std::vector<TIndiceErp>& IndicesDoPeriodo();

// One message per index missing from the company database: what is slow and the statement that
// creates the index.
std::vector<std::string> IndicesFaltando(TDbConnection& db);
