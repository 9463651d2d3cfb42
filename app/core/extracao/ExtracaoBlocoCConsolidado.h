#pragma once
// "Bloco C" by consolidation: the period's NF-e sales per product (C180 with C181/C185 per CFOP,
// CST and rate), the NF-e purchases per product (C190 with C191/C195 per supplier, CFOP, CST and
// rate) and the chosen store's fiscal-coupon sales per product (C490 with C491/C495). Each
// family's children come from the same documents as their parent, so they add up to it. The
// sales PIS/COFINS go to the run's block M totals, as the individual documents' do.
// Reads: nf, nfitem, nfent, nfentit, produto, prodze, cfop, forn, empresa, ze14, ze15,
// contascontabeisreg.
// Fills: C001, C010, C180, C181, C185, C190, C191, C195, C490, C491, C495.
#include "Extracao.h"

class TExtracaoBlocoCConsolidado : public TExtracao {
public:
  TExtracaoBlocoCConsolidado(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  void Vendas();
  void Compras();
  void Cupons();
  // A date of a grouped row, or `padrao` when the row has none.
  static TDateTime DataOu(const TDbQuery& q, const std::string& campo, TDateTime padrao);

  std::unique_ptr<TDbQuery> qr2 = Consulta(), qr3 = Consulta(), qr4 = Consulta();
};
