#include "AchadosValidacao.h"

std::string_view NomeTipo(TTipoAchado tipo) {
  switch (tipo) {
    case TTipoAchado::Arquivo: return "arquivo";
    case TTipoAchado::Estrutura: return "estrutura";
    case TTipoAchado::Contagem: return "contagem";
    case TTipoAchado::Campo: return "campo";
    case TTipoAchado::Referencia: return "referência";
    case TTipoAchado::BlocoM: return "bloco M";
    case TTipoAchado::Apuracao: return "apuração";
  }
  return "";
}

void TResultadoValidacao::Adiciona(TAchado achado) {
  const bool erro = achado.Severidade == TSeveridade::Erro;
  (erro ? Erros : Avisos) += 1;
  (erro ? ErrosPorTipo : AvisosPorTipo)[static_cast<int>(achado.Tipo)] += 1;
  if (Achados.size() < kMaximoGuardados) Achados.push_back(std::move(achado));
}
