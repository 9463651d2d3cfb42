#pragma once
// "Bloco M": credits, contributions with their adjustments and non-taxed revenue, from the working tables and the block C totals of the run.
// Reads: m100500, m200600, m400800temp, ajustesBCpiscofins, empresa, filial, material, contascontabeisreg.
// Fills: M001, M100, M105, M200, M205, M210, M215, M400, M410, M500, M505, M600, M605, M610, M615, M800, M810.
#include "Extracao.h"

class TExtracaoBlocoM : public TExtracao {
public:
  TExtracaoBlocoM(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta(), qr3 = Consulta();
};
