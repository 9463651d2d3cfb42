#pragma once
// Block C by consolidation (C180/C190/C490): not read from the ERP in this version.
// Reads: nothing yet.
// Fills: nothing yet (the message list says so).
#include "Extracao.h"

class TExtracaoBlocoCConsolidado : public TExtracao {
public:
  TExtracaoBlocoCConsolidado(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:

};
