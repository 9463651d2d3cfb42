#pragma once
// "Bloco 0": company, accountant, regime, establishment, participants, units, items, operation natures, complementary information and chart of accounts.
// Reads: the chosen store's row, contador, participantes, unidade, material, grade, natope, nfent, contascontabeis.
// Fills: 0000, 0001, 0100, 0110, 0140, 0150, 0190, 0200, 0400, 0450, 0500.
#include "Extracao.h"

class TExtracaoBloco0 : public TExtracao {
public:
  TExtracaoBloco0(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr4 = Consulta(), qr6 = Consulta();
};
