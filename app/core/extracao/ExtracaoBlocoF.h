#pragma once
// "Bloco F": the credit on the monthly depreciation of fixed assets (F120), when chosen.
// Reads: pat001, empresa, contascontabeisreg.
// Fills: F001, F010, F120.
#include "Extracao.h"

class TExtracaoBlocoF : public TExtracao {
public:
  TExtracaoBlocoF(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta();
};
