#pragma once
// Checks an EFD-Contribuições file of any origin as the tax authority's validator does:
// structure, counts, fields, references to block 0, block M arithmetic and the assessment
// of block M against the detail records. Lines are fed one at a time; only block 0's code
// sets and a few running totals are kept.
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "AchadosValidacao.h"
#include "LayoutEfd.h"
#include "LeitorEfd.h"

TResultadoValidacao ValidaArquivoEfd(const std::string& caminho);
TResultadoValidacao ValidaConteudoEfd(std::istream& entrada);

class TValidadorEfd {
 public:
  TValidadorEfd();
  ~TValidadorEfd();
  void Linha(const TLinhaEfd& linha);
  TResultadoValidacao Conclui();

  // Shared by the checks of each concern (fields, block M); not for callers.
  struct TEstado;

 private:
  std::unique_ptr<TEstado> e_;
};
