#include "ConsultaErp.h"

#include "Erro.h"

namespace erp {

TVornCodSit Situacao(const std::string& texto, TVornCodSit atual) {
  static const char* kCodigos[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08"};
  for (int i = 0; i < 9; ++i)
    if (texto == kCodigos[i]) return static_cast<TVornCodSit>(i);
  return atual;
}

TVornCodSit SituacaoDocumento(std::string texto) {
  if (texto.empty()) texto = "00";
  return Situacao(texto, TVornCodSit::sdfRegular);
}

int64_t StrToInt(const std::string& texto) {
  size_t fim = 0;
  int64_t v = 0;
  try {
    v = std::stoll(texto, &fim);
  } catch (const std::exception&) {
    fim = std::string::npos;
  }
  if (texto.empty() || fim != texto.size()) throw Erro("'" + texto + "' não é um valor inteiro válido");
  return v;
}

}  // namespace erp
