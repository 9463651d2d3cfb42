#pragma once
// "Bloco D": transport documents with their PIS/COFINS credits and communication bills.
// Reads: nfent, filial, cfop, contascontabeis, contascontabeisreg.
// Fills: D001, D010, D100, D101, D105, D500, D501, D505.
#include "Extracao.h"

class TExtracaoBlocoD : public TExtracao {
public:
  TExtracaoBlocoD(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta();
};
