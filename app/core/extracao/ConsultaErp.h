#pragma once
// Reading the ERP's rows: field shorthands, statement lines, and the ERP's codes (situations,
// CSTs) turned into the layout's enumerations.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "Database.h"
#include "DbQuery.h"
#include "Erro.h"
#include "VornEPCBlocos.h"

namespace erp {

inline int64_t Inteiro(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsInteger(); }
inline double Num(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsFloat(); }
inline std::string Txt(const TDbQuery& q, const std::string& campo) { return q.FieldByName(campo).AsString(); }

inline void Linhas(TDbQuery& q, std::initializer_list<const char*> linhas) {
  for (const char* l : linhas) q.Add(l);
}

// The member whose layout code, read as a number, is the ERP's code; none leaves the field.
template <typename E>
E Cst(int64_t codigo, E atual) {
  for (int o = 0; o < 255; ++o) {
    const std::string_view c = Code(static_cast<E>(o));
    if (!c.empty() && std::stoll(std::string(c)) == codigo) return static_cast<E>(o);
  }
  return atual;
}

// A document situation "00".."08"; `atual` for any other text.
TVornCodSit Situacao(const std::string& texto, TVornCodSit atual);
// The same with an empty situation read as "00" and an unknown one as regular.
TVornCodSit SituacaoDocumento(std::string texto);
// A code read as an integer: an empty or non-numeric code throws EValorInvalido naming it and
// its column.
int64_t StrToInt(const std::string& texto, const std::string& campo = "");

// A document number for an integer field: beyond its range it would be written wrong, so it
// throws EValorInvalido naming the value and the column.
int NumeroDocumento(const TDbQuery& q, const std::string& campo);

// What the register of a product says when the product's own row is missing: the product of
// which it is a variant (grade), else nothing (the caller writes "UN" and "10000000").
struct TProdutoVariante {
  bool achou = false;
  std::string nome, unidade, ncm, tipo, genero, lst;
  double aliquota = 0;
};
TProdutoVariante ProdutoVariante(TDbConnection& db, const std::string& codigo);

}  // namespace erp
