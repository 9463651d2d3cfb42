#pragma once
// Reading the ERP's rows: field shorthands, statement lines, and the ERP's codes (situations,
// CSTs) turned into the layout's enumerations.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

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
// A code read as an integer: an empty or non-numeric code throws Erro naming it.
int64_t StrToInt(const std::string& texto);

}  // namespace erp
