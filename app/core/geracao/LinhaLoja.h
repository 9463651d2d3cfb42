#pragma once
// One row of the store list (store and company settings), read once when the list is loaded.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TDbConnection;

struct TLinhaLoja {
  std::vector<std::pair<std::string, std::string>> Campos;

  bool Vazia() const { return Campos.empty(); }
  // The field's text; "" for a field the row does not have.
  std::string Texto(const std::string& campo) const;
  // The field as an integer; an empty or non-numeric value throws Erro naming it.
  int64_t Inteiro(const std::string& campo) const;
};

// Every store with its company settings, in store code order.
std::vector<TLinhaLoja> LeLojas(TDbConnection& db);

// What choosing a store changes on the run's defaults: the M205 revenue code, the file name
// and the regime's label follow the store's tax regime (unset when the regime is neither).
struct TPadraoLoja {
  std::string ReceitaM205, Arquivo, Regime;
};
TPadraoLoja PadraoDaLoja(const TLinhaLoja& loja);
// Item of "M205/605 Detalhamento Código Receita" the store's company settings choose (-1: none).
int DetalhamentoDaLoja(const TLinhaLoja& loja, int itens);
