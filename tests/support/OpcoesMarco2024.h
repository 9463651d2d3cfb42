#pragma once
// The options of a batch run of store 001 for the fixture month (March 2024), as the command
// line would give them.
#include <string>
#include <vector>

#include "Geracao.h"
#include "LinhaLoja.h"

inline TRunOptions Marco2024(const std::vector<TLinhaLoja>& lojas, const std::string& arquivo) {
  TRunOptions o;
  for (const TLinhaLoja& l : lojas)
    if (l.Texto("cd_loja") == "001") o.Loja = l;
  o.DataInicial = EncodeDate(2024, 3, 1);
  o.DataFinal = EncodeDate(2024, 3, 31);
  o.Detalhamento = DetalhamentoDaLoja(o.Loja, static_cast<int>(TListasGeracao::Detalhamentos().size()));
  o.ReceitaM205 = PadraoDaLoja(o.Loja).ReceitaM205;
  o.Arquivo = arquivo;
  return o;
}
