#include "IndicesErp.h"

#include <set>

#include "DbQuery.h"

const std::vector<TIndiceErp>& IndicesDoPeriodo() {
  static const std::vector<TIndiceErp> kIndices = {
      {"nfce", "dt_emis"}, {"nfent", "dt_entrada"}, {"nf", "dt_emis"},
      {"nf", "dt_saida"},  {"nfse", "dt_emis"},     {"conhec", "dt_emis"},
  };
  return kIndices;
}

std::vector<std::string> IndicesFaltando(TDbConnection& db) {
  // An index helps a filter when the column leads it.
  TDbQuery q(db);
  q.Add("select lower(table_name) as tabela, lower(column_name) as coluna from information_schema.statistics");
  q.Add("where table_schema = database() and seq_in_index = 1");
  q.Open();
  std::set<std::string> existentes;
  for (q.First(); !q.Eof(); q.Next())
    existentes.insert(q.FieldByName("tabela").AsString() + "." + q.FieldByName("coluna").AsString());
  std::vector<std::string> mensagens;
  for (const TIndiceErp& i : IndicesDoPeriodo()) {
    const std::string t = i.tabela, c = i.coluna;
    if (existentes.count(t + "." + c)) continue;
    mensagens.push_back("A tabela " + t + " do ERP não tem índice por " + c +
                        ": a leitura do período percorre a tabela inteira. Para criá-lo no ERP: CREATE INDEX " + t +
                        "_" + c + " ON " + t + " (" + c + ");");
  }
  return mensagens;
}
