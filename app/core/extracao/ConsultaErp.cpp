#include "ConsultaErp.h"

#include "Erro.h"

#include <limits>

namespace erp {

TVornCodSit Situacao(const std::string& texto, TVornCodSit atual) {
  static const char* kCodigos[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08"};
  for (int i = 0; i < 9; ++i)
    if (texto == kCodigos[i]) return static_cast<TVornCodSit>(i);
  return atual;
}

TVornCodSit SituacaoDocumento(std::string texto) {
  if (texto.empty()) texto = "00";
  return Situacao(texto, TVornCodSit::sdfRegular);
}

int64_t StrToInt(const std::string& texto, const std::string& campo) {
  size_t fim = 0;
  int64_t v = 0;
  try {
    v = std::stoll(texto, &fim);
  } catch (const std::exception&) {
    fim = std::string::npos;
  }
  if (texto.empty() || fim != texto.size())
    throw EValorInvalido("'" + texto + "' não é um valor inteiro válido" + (campo.empty() ? "" : " para o campo " + campo));
  return v;
}

int NumeroDocumento(const TDbQuery& q, const std::string& campo) {
  const int64_t numero = Inteiro(q, campo);
  if (numero < 0 || numero > std::numeric_limits<int>::max())
    throw EValorInvalido("'" + Txt(q, campo) + "' não é um valor inteiro válido para o campo " + campo);
  return static_cast<int>(numero);
}

TProdutoVariante ProdutoVariante(TDbConnection& db, const std::string& codigo) {
  TDbQuery grade(db);
  grade.Add("select cd_mat from grade where cd_similar = \"" + db.Escape(codigo) + "\"");
  grade.Open();
  const std::string cdMat = grade.IsEmpty() ? std::string() : Txt(grade, "cd_mat");
  TDbQuery q(db);
  Linhas(q, {"select", "material.nm_mat as nm_prod,", "material.nm_unid as un_prod,", "material.cd_class as cd_cfiscal,",
             "material.tx_icms as aliq,", "material.tp_item,", "material.cd_gen,", "material.cd_lst as cd_lst",
             "from material", "where"});
  q.Add("material.cd_mat = \"" + db.Escape(cdMat) + "\"");
  q.Add("group by material.cd_mat");
  q.Add("order by material.cd_mat");
  q.Open();
  TProdutoVariante p;
  if (q.IsEmpty()) return p;
  p.achou = true;
  p.nome = Txt(q, "nm_prod");
  p.unidade = Txt(q, "un_prod");
  p.ncm = Txt(q, "cd_cfiscal");
  p.tipo = Txt(q, "tp_item");
  p.genero = Txt(q, "cd_gen");
  p.lst = Txt(q, "cd_lst");
  p.aliquota = p.tipo == "09" ? 0 : Num(q, "aliq");
  return p;
}

}  // namespace erp
