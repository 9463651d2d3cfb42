#pragma once
// What the parts of block C share: the balancing of a document total among its items, the
// ERP's ICMS situation codes and the item query of a purchase invoice.
#include "ConsultaErp.h"
#include "Currency.h"
#include "Erro.h"
#include "Funcoes.h"

namespace blococ {

using namespace erp;

// What is left of a document total while its items take their share of it.
struct Saldo {
  Currency R;
};

TVornCstIcms CstIcms(int64_t codigo, TVornCstIcms atual);

Currency RegraA(Currency x, Saldo& s, bool ultimo);
Currency RegraB(Currency x, Saldo& s, bool ultimo);
Currency RegraC(Currency x, Saldo& s, bool ultimo);
Currency RegraD(Currency x, Saldo& s, bool ultimo, double aliquota);

// Item query of a purchase invoice; the totals use the second IPI code.
void ItensEntrada(TDbConnection& db, TDbQuery& q, const std::string& nrNfent, bool ipi2);

}  // namespace blococ
