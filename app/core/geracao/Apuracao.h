#pragma once
// TApuracao sums, during one run, the PIS and COFINS of the detail records the blocks A, C, D
// and F write, so that block M assesses exactly what the file holds. A block unit calls
// `geracao_.Apuracao.Soma(registro)` once per detail record, after its last field is set
// (A170, C170, C175, C181/C185, C191/C195, C481/C485, C491/C495, C501/C505, D101/D105,
// D501/D505, F100, F120 ...; any register with CST_PIS/VL_BC_PIS/ALIQ_PIS(_PERC) or their
// COFINS twins). A register without COD_ITEM passes its product as the second argument, which
// block M needs for the nature of revenue. Soma reads the gross value (VL_ITEM, VL_OPR or
// VL_OPER) and COD_CTA, keeps every amount in cents as the file shows it and rates in
// ten-thousandths, and adds the record to Bases() by tax, CST and rate (every CST with a base)
// and to Receitas() by tax, CST, product and account (CSTs 04 and 06 to 09, and 05 without a
// base). TGeracao::Inicio calls Limpa(). Contribuicao() is the one rounding of base × rate.
#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "Currency.h"
#include "Variant.h"
#include "VornEPCBlocos.h"

enum class TTributo : uint8_t { Pis, Cofins };

struct TChaveBase {
  TTributo tributo;
  std::string cst;
  int64_t aliquota;  // ten-thousandths of a percent point: 1,65 % is 16500
  auto operator<=>(const TChaveBase&) const = default;
};
struct TSomaBase {
  int64_t base = 0, valor = 0, bruto = 0;  // cents
};
struct TChaveReceita {
  TTributo tributo;
  std::string cst, produto, conta;
  auto operator<=>(const TChaveReceita&) const = default;
};

class TApuracao {
public:
  void Limpa();

  template <class R>
  void Soma(const R& r, const std::string& produto = {}) {
    std::string item = produto;
    if constexpr (requires { r.COD_ITEM; })
      if (item.empty()) item = r.COD_ITEM;
    long double bruto = 0;
    if constexpr (requires { r.VL_ITEM; }) bruto = Numero(r.VL_ITEM);
    else if constexpr (requires { r.VL_OPR; }) bruto = Numero(r.VL_OPR);
    else if constexpr (requires { r.VL_OPER; }) bruto = Numero(r.VL_OPER);
    if constexpr (requires { r.CST_PIS; }) {
      long double aliquota = 0;
      if constexpr (requires { r.ALIQ_PIS_PERC; }) aliquota = Numero(r.ALIQ_PIS_PERC);
      else aliquota = Numero(r.ALIQ_PIS);
      Item(TTributo::Pis, Code(r.CST_PIS), Numero(r.VL_BC_PIS), aliquota, Numero(r.VL_PIS), bruto, item, r.COD_CTA);
    }
    if constexpr (requires { r.CST_COFINS; }) {
      long double aliquota = 0;
      if constexpr (requires { r.ALIQ_COFINS_PERC; }) aliquota = Numero(r.ALIQ_COFINS_PERC);
      else aliquota = Numero(r.ALIQ_COFINS);
      Item(TTributo::Cofins, Code(r.CST_COFINS), Numero(r.VL_BC_COFINS), aliquota, Numero(r.VL_COFINS), bruto, item,
           r.COD_CTA);
    }
  }

  // One tax of one detail record, amounts as the record holds them.
  void Item(TTributo tributo, std::string_view cst, long double base, long double aliquota, long double valor,
            long double bruto, const std::string& produto, const std::string& conta);

  const std::map<TChaveBase, TSomaBase>& Bases() const { return bases_; }
  const std::map<TChaveReceita, int64_t>& Receitas() const { return receitas_; }

  // An amount in cents, from its four-decimal value, half away from zero.
  static int64_t Centavos(long double valor);
  // A rate in ten-thousandths of a percent point.
  static int64_t DezMilesimos(long double aliquota) { return Currency(aliquota).Raw(); }
  // Contribution in cents of a base in cents at a rate in ten-thousandths: the exact product
  // rounded once, half away from zero.
  static int64_t Contribuicao(int64_t baseCentavos, int64_t aliquotaDezMilesimos);
  // CSTs whose revenue bears the contribution; those whose revenue goes to M400/M800.
  static bool CstDeContribuicao(std::string_view cst);
  static bool CstSemContribuicao(std::string_view cst);

private:
  static long double Numero(const Currency& v) { return v.ToExtended(); }
  static long double Numero(const Variant& v) { return v.IsEmpty() ? 0 : v.ToDouble(); }

  std::map<TChaveBase, TSomaBase> bases_;
  std::map<TChaveReceita, int64_t> receitas_;
};
