#pragma once
// What the parts of block C share: the balancing of a document total among its items, the
// ERP's ICMS situation codes and the item query of a purchase invoice.
#include <map>
#include <string>

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

// Item query of a purchase invoice. Read per invoice: the order of items that tie on its keys is
// the server's, and a query over the period would list such items in another order.
void ItensEntrada(TDbConnection& db, TDbQuery& q, const std::string& nrNfent);
// Where each value of the column `chave` starts in a result ordered by it.
std::map<std::string, TDbQuery::TMarca> InicioDeCada(TDbQuery& q, const std::string& chave);

}  // namespace blococ
