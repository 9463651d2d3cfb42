#pragma once
// "Bloco 1": consolidation of the issued documents (1900) under the consolidated accrual regime.
// Reads: empresa, nf, nfitem, cfop, produto, ze14, ze15, contascontabeisreg.
// Fills: 1001, 1900.
#include "Extracao.h"

class TExtracaoBloco1 : public TExtracao {
public:
  TExtracaoBloco1(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta();
};
