#pragma once
// The choices of one generation run as plain values: what the window's controls (or the
// command line's options) say when a step starts. No step reads a control.
#include <string>
#include <vector>

#include "DateTime.h"
#include "LinhaLoja.h"

// The lists the window offers; an index into them is what a run gets.
struct TListasGeracao {
  static const std::vector<std::string>& Versoes();             // "Cod.Versão"
  static const std::vector<std::string>& IndicadoresApuracao();  // "Indicador da Apuração ..."
  static const std::vector<std::string>& Criterios();           // "Código Indicador do Critério ..."
  static const std::vector<std::string>& Detalhamentos();       // "M205/605 Detalhamento Código Receita"
  static constexpr int kVersaoPadrao = 6;                       // "320"
  static constexpr int kApuracaoConsolidada = 0, kApuracaoIndividual = 1;
  static constexpr int kCriterioDetalhado = 2, kCriterioConsolidadoCompetencia = 1;
};

struct TRunOptions {
  TLinhaLoja Loja;                    // the chosen store's row
  TDateTime DataInicial = 0, DataFinal = 0;
  int Versao = TListasGeracao::kVersaoPadrao;  // index into Versoes(); -1 none
  std::string VersaoTexto = "320";
  int Apuracao = TListasGeracao::kApuracaoIndividual;
  int Criterio = TListasGeracao::kCriterioDetalhado;
  int Detalhamento = 0;               // -1 none
  bool IncluiNfce = true, IncluiCupomFiscal = false, IncluiF120 = false;
  std::string ReceitaM205 = "691201", ReceitaM605 = "585601";
  int BufferLinhas = 1000, BufferNotas = 1000, NumNotas = 1000000;
  bool Concomitante = true;
  bool ValidaArquivo = true;          // check the file once it is complete
  // "Bloco M pelas tabelas de trabalho": block M's contributions from the sales working tables
  // and block C's totals instead of the detail records the run wrote.
  bool BlocoMTabelas = false;
  std::string Arquivo;                // full path of the file

  std::string CodigoLoja() const { return Loja.Texto("cd_loja"); }
  bool Individual() const { return Apuracao == TListasGeracao::kApuracaoIndividual; }
};
