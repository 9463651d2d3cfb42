#include "Apuracao.h"

void TApuracao::Limpa() {
  bases_.clear();
  receitas_.clear();
}

bool TApuracao::CstDeContribuicao(std::string_view cst) {
  return cst == "01" || cst == "02" || cst == "03" || cst == "05";
}

bool TApuracao::CstSemContribuicao(std::string_view cst) {
  return cst == "04" || cst == "06" || cst == "07" || cst == "08" || cst == "09";
}

int64_t TApuracao::Centavos(long double valor) {
  const int64_t raw = Currency(valor).Raw();
  return raw >= 0 ? (raw + 50) / 100 : -((-raw + 50) / 100);
}

int64_t TApuracao::Contribuicao(int64_t baseCentavos, int64_t aliquotaDezMilesimos) {
  // cents × ten-thousandths of a percent point = millionths of a cent
  const __int128 p = static_cast<__int128>(baseCentavos) * aliquotaDezMilesimos;
  const __int128 m = p >= 0 ? p : -p;
  const int64_t c = static_cast<int64_t>((m + 500000) / 1000000);
  return p >= 0 ? c : -c;
}

void TApuracao::Item(TTributo tributo, std::string_view cst, long double base, long double aliquota, long double valor,
                     long double bruto, const std::string& produto, const std::string& conta) {
  const int64_t b = Centavos(base), a = DezMilesimos(aliquota);
  if (b != 0) {
    TSomaBase& s = bases_[{tributo, std::string(cst), a}];
    s.base += b;
    s.valor += Centavos(valor);
    s.bruto += Centavos(bruto);
  }
  // Revenue under substitution whose contribution the substitute pays carries no base here.
  if (CstSemContribuicao(cst) || (cst == "05" && (b == 0 || a == 0)))
    receitas_[{tributo, std::string(cst), produto, conta}] += Centavos(bruto);
}
