#pragma once
// "Bloco C", individual documents: purchase invoices with their import documents and items,
// own NF-e with their items, NFC-e (their PIS/COFINS written back to the headers), fiscal coupon
// reductions when chosen, and utility bills. The sales PIS/COFINS go to the run's block M
// totals and the non-taxed revenue rows to m400800temp on the way.
// Reads: empresa, filial, nfent, nfentit, nfentimp, material, forn, cliente, condpag, cfop, nf,
// nfitem, produto, nfce, nfceitem, ze01, ze02, ze12, ze14, ze15, contascontabeis(reg).
// Writes: m400800temp; nfce.vl_pis and nfce.vl_cofins.
// Fills: C001, C010, C100, C110, C120, C170, C175, C400, C405, C481, C485, C500, C501, C505.
#include "ConsultaErp.h"
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
  // A purchase's PIS (1) or COFINS (2) from its items, the open query `itens`.
  long double TotalPisCofinsEntrada(TDbQuery& itens, int tipo);
  long double TotalPisCofinsNF(const std::string& loja, const std::string& nrNf, bool pis);
  // Keeps a non-contribution revenue row; GravaM400800Pendentes writes them all in one transaction.
  void GravaM400800(int tpDoc, const std::string& cdProd, double valor, const std::string& cdCod);
  void GravaM400800Pendentes();
  bool TributacaoReal() const;
  // A document and its children are complete: when the file is written as the run goes, every
  // "Buffer Notas" documents go to the file, so the block's tree never holds the month.
  void DocumentoPronto();
  // An item whose product is not registered: what block 0 lists for it, and a message.
  erp::TProdutoVariante SemCadastro(const std::string& cdProd);

  bool liminar_ = false;
  std::vector<std::string> m400800_;  // rows of m400800temp, as SQL values
  int documentos_ = 0;
  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta(), qr3 = Consulta(), qr5 = Consulta(),
                            qr6 = Consulta();
  std::unique_ptr<TDbScript> z1 = std::make_unique<TDbScript>(db0);
};
