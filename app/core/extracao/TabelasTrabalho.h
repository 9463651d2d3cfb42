#pragma once
// The working tables of a run, emptied or re-created and filled from the period's documents:
// units, operation natures, coupon lines, non-taxed revenue, credit and contribution lines and
// participants, in the company database on the run's connection.
// Reads: nfent, nfentit, nfentsv, nf, nfitem, nfce, nfceitem, nfse, nfseitem, conhec, material,
// forn, cliente, filial, cfop.
// Writes: unidade, natope, c490, m400800, m400800temp, m100500, m200600, m200600temp, participantes.
#include "DbScript.h"
#include "Extracao.h"

class TTabelasTrabalho : public TExtracao {
public:
  TTabelasTrabalho(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  std::unique_ptr<TDbQuery> qr1 = Consulta();
  std::unique_ptr<TDbScript> z1 = std::make_unique<TDbScript>(db0);
};
