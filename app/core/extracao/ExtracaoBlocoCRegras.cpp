#include "ExtracaoBlocoCRegras.h"

namespace blococ {

TVornCstIcms CstIcms(int64_t codigo, TVornCstIcms atual) {
  // Only the situations under origins 0 to 2 and the Simples Nacional codes: the later
  // ones come last in the table, so "300" is the Simples Nacional one.
  for (int o = 255; o >= 0; --o) {
    const auto e = static_cast<TVornCstIcms>(o);
    const std::string_view c = Code(e);
    if (c.empty() || std::stoll(std::string(c)) != codigo) continue;
    if (e >= TVornCstIcms::csticms300 && e <= TVornCstIcms::csticms890) return atual;
    return e;
  }
  return atual;
}


Currency RegraA(Currency x, Saldo& s, bool ultimo) {
  if (x > s.R || ultimo) return s.R;
  s.R = Currency(Arredonda(2, (s.R - x).ToDouble()));
  return x;
}

Currency RegraB(Currency x, Saldo& s, bool ultimo) {
  if (x > s.R) return s.R > Currency(0) ? s.R : x;
  return RegraA(x, s, ultimo);
}

Currency RegraC(Currency x, Saldo& s, bool ultimo) {
  if (x <= Currency(0)) return x;
  return RegraA(x, s, ultimo);
}

Currency RegraD(Currency x, Saldo& s, bool ultimo, double aliquota) {
  if (x < s.R) {
    if (ultimo && aliquota > 0) return s.R;
    s.R = Currency(Arredonda(2, (s.R - x).ToDouble()));
    return x;
  }
  return s.R > Currency(0) ? s.R : x;
}

void ItensEntrada(TDbConnection& db, TDbQuery& q, const std::string& nrNfent) {
  q.Clear();
  Linhas(q, {"select", "nfentit.cd_mat as cd_prod,", "nfentit.nr_cfop,", "nfentit.qt_prod,", "nfentit.vl_compra,",
             "nfentit.un_prod,", "nfentit.cd_cst,", "nfentit.tx_desc,", "nfentit.tx_frete,", "nfentit.tx_outdesp,",
             "nfentit.tx_seguro,", "nfentit.tx_icmsag,", "nfentit.tx_icmscred,", "nfentit.tx_bscalc,",
             "nfentit.tx_icmsvenda,", "ifnull(material.cd_ipi2,\"49\") as cd_ipi,", "ifnull(nfentit.tx_ipi,0) as tx_ipi,",
             "if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",material.cd_pis2,nfentit.cd_pis) as cd_pis2,",
             "if(TRIM(ifnull(nfentit.cd_cofins,\"\"))=\"\",material.cd_cofins2,nfentit.cd_cofins) as cd_cofins2,",
             "if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",material.tx_pis2,nfentit.tx_pis) as tx_pis2,",
             "if(TRIM(ifnull(nfentit.cd_cofins,\"\"))=\"\",material.tx_cofins2,nfentit.tx_cofins) as tx_cofins2,",
             "material.nm_mat as nm_prod,", "material.nm_unid as un_prod2", "from nfentit",
             "left join material on material.cd_mat = nfentit.cd_mat", "where"});
  q.Add("nfentit.nr_nfent = \"" + db.Escape(nrNfent) + "\"");
  // Items whose product is missing stay: they belong to the invoice's totals.
  Linhas(q, {"order by nfentit.cd_cst,nfentit.nr_cfop,nfentit.tx_icmscred"});
  q.Open();
}

std::map<std::string, TDbQuery::TMarca> InicioDeCada(TDbQuery& q, const std::string& chave) {
  std::map<std::string, TDbQuery::TMarca> inicio;
  for (q.First(); !q.Eof(); q.Next()) inicio.emplace(Txt(q, chave), q.Marca());
  return inicio;
}

}  // namespace blococ
