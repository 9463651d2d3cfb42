#pragma once
// "Bloco C", individual documents: purchase invoices with their import documents and items,
// own NF-e with their items, NFC-e (their PIS/COFINS written back to the headers), fiscal coupon
// reductions when chosen, and utility bills. The sales PIS/COFINS go to the run's block M
// totals and the non-taxed revenue rows to m400800temp on the way.
// Reads: empresa, filial, nfent, nfentit, nfentimp, material, forn, cliente, condpag, cfop, nf,
// nfitem, produto, nfce, nfceitem, ze01, ze02, ze12, ze14, ze15, contascontabeis(reg).
// Writes: m400800temp; nfce.vl_pis and nfce.vl_cofins.
// Fills: C001, C010, C100, C110, C120, C170, C175, C400, C405, C481, C485, C500, C501, C505.
#include "DbScript.h"
#include "Extracao.h"

class TExtracaoBlocoC : public TExtracao {
public:
  TExtracaoBlocoC(const TRunOptions& opcoes, TGeracao& geracao) : TExtracao(opcoes, geracao) {}
  void Executa();

private:
  void Entradas();
  void Saidas();
  void Nfce();
  void Cupons();
  void Contas();
  // The account of a register for a movement type of the store.
  std::string ContaContabilMov(const std::string& registro, const std::string& tpMov);
  long double TotalPisCofinsEntrada(const std::string& nrNfent, int tipo);
  long double TotalPisCofinsNF(const std::string& loja, const std::string& nrNf, bool pis);
  void GravaM400800(int tpDoc, const std::string& cdProd, double valor, const std::string& cdCod);
  bool TributacaoReal() const;

  bool liminar_ = false;
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta(), qr3 = Consulta(), qr5 = Consulta(),
                            qr6 = Consulta();
  std::unique_ptr<TDbScript> z1 = std::make_unique<TDbScript>(db0);
};
