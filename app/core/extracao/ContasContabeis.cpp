#include "ContasContabeis.h"

#include "DbQuery.h"

std::string TContasContabeis::DoRegistro(const std::string& registro) {
  TDbQuery q(db_);
  q.Add("select * from contascontabeisreg where cod_reg = \"" + db_.Escape(registro) + "\"");
  q.Open();
  std::string conta = q.IsEmpty() ? std::string() : q.FieldByName("cod_cta").AsString();
  q.Close();
  return conta;
}

std::string TContasContabeis::DoMovimento(const std::string& registro, const std::string& tpMov,
                                          const std::string& cnpj) {
  // Asked for every item: the rows do not change during the run, so each pair is read once.
  const std::string chave = registro + "|" + tpMov + "|" + cnpj;
  if (auto it = movimentos_.find(chave); it != movimentos_.end()) return it->second;
  TDbQuery q(db_);
  for (const char* l : {"select", "contascontabeis.cod_cta,", "contascontabeis.tp_mov,", "contascontabeis.tp_fp,",
                        "contascontabeisreg.cod_reg", "from contascontabeisreg",
                        "left join contascontabeis on contascontabeis.cod_cta = contascontabeisreg.cod_cta", "where"})
    q.Add(l);
  q.Add("contascontabeisreg.cod_reg = \"" + db_.Escape(registro) + "\"");
  q.Add("and");
  q.Add("contascontabeis.tp_mov = \"" + db_.Escape(tpMov) + "\"");
  q.Add("and");
  q.Add("contascontabeis.cnpj_est = \"" + db_.Escape(cnpj) + "\"");
  q.Open();
  std::string conta = q.IsEmpty() ? std::string() : q.FieldByName("cod_cta").AsString();
  q.Close();
  movimentos_[chave] = conta;
  return conta;
}
