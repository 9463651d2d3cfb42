#pragma once
// "Bloco M": credits, contributions with their adjustments and non-taxed revenue. Contributions
// and revenues come from what blocks A, C, D and F wrote in this run (TGeracao::Apuracao) or,
// under "Bloco M pelas tabelas de trabalho", from the working tables and block C's totals.
// Reads: m100500, ajustesBCpiscofins, material, contascontabeisreg; on the second path also
// m200600, m400800temp, empresa, filial.
// Fills: M001, M100, M105, M200, M205, M210, M215, M400, M410, M500, M505, M600, M605, M610, M615, M800, M810.
#include "Extracao.h"

class TExtracaoBlocoM : public TExtracao {
public:
  TExtracaoBlocoM(const TRunOptions& opcoes, TGeracao& geracao);
  void Executa();

private:
  // Credit registers; the result is the sum of their VL_CRED_DISP.
  long double CreditosPis(TBloco_M& bm, bool umArredondamento);
  long double CreditosCofins(TBloco_M& bm, bool umArredondamento);
  // Base adjustments of one contribution ("1" PIS, "2" COFINS): totals, and the M215/M615
  // lines under the last M210/M610.
  void TotaisAjuste(const char* apropriacao, long double& reducoes, long double& acrescimos);
  void AjustesBase(TBloco_M& bm, const char* apropriacao);
  void ContribuicoesDasTabelas(TBloco_M& bm, long double creditoPis, long double creditoCofins);
  void ContribuicoesApuradas(TBloco_M& bm);
  void ReceitasApuradas(TBloco_M& bm);

  std::unique_ptr<TDbQuery> qr1 = Consulta(), qr2 = Consulta(), qr3 = Consulta();
  const std::string loja_, ini_, fin_;
};
