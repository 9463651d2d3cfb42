#pragma once
// "Bloco A": contracted services (service entries) and services rendered (own NFS-e).
// Reads: nfent, nfentsv, nfse, nfseitem, forn, cliente, filial, cfop, material, produto, contascontabeisreg.
// Fills: A001, A010, A100, A170.
#include "Extracao.h"

class TExtracaoBlocoA : public TExtracao {
public:
  TExtracaoBlocoA(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta();
};
