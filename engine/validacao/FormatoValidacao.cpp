#include "FormatoValidacao.h"

#include <cstdio>

namespace {
std::string Local(const TAchado& a) {
  std::string s = a.Linha > 0 ? "linha " + std::to_string(a.Linha) : "arquivo";
  if (!a.Reg.empty()) s += ", " + a.Reg;
  if (!a.Campo.empty()) s += ", " + a.Campo;
  return s;
}

std::string Contagem(int64_t n, const char* singular, const char* plural) {
  return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

std::string Json(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') { out += '\\'; out += static_cast<char>(c); }
    else if (c < 0x20) { char b[8]; std::snprintf(b, sizeof b, "\\u%04x", c); out += b; }
    else out += static_cast<char>(c);
  }
  return out + "\"";
}
}  // namespace

std::vector<std::string> MensagensValidacao(const TResultadoValidacao& r, size_t limite) {
  std::vector<std::string> linhas;
  std::array<int64_t, kTiposAchado> listados{};
  for (size_t i = 0; i < r.Achados.size() && i < limite; ++i) {
    const TAchado& a = r.Achados[i];
    linhas.push_back("(VALIDAÇÃO) " + Local(a) + ": " + a.Mensagem);
    ++listados[static_cast<int>(a.Tipo)];
  }
  for (int t = 0; t < kTiposAchado; ++t) {
    const int64_t resto = r.ErrosPorTipo[t] + r.AvisosPorTipo[t] - listados[t];
    if (resto > 0)
      linhas.push_back("(VALIDAÇÃO) mais " + std::to_string(resto) + " de " + std::string(NomeTipo(static_cast<TTipoAchado>(t))) +
                       " não listados");
  }
  return linhas;
}

std::string ResumoValidacao(const TResultadoValidacao& r) {
  return "Arquivo validado: " + Contagem(r.Erros, "erro", "erros") + ", " + Contagem(r.Avisos, "aviso", "avisos");
}

std::vector<std::string> ResumoPorTipo(const TResultadoValidacao& r) {
  std::vector<std::string> linhas;
  for (int t = 0; t < kTiposAchado; ++t)
    if (r.ErrosPorTipo[t] + r.AvisosPorTipo[t] > 0)
      linhas.push_back(std::string(NomeTipo(static_cast<TTipoAchado>(t))) + ": " +
                       Contagem(r.ErrosPorTipo[t], "erro", "erros") + ", " + Contagem(r.AvisosPorTipo[t], "aviso", "avisos"));
  return linhas;
}

std::string JsonValidacao(const TResultadoValidacao& r) {
  std::string s = "{\"linhas\":" + std::to_string(r.Linhas) + ",\"erros\":" + std::to_string(r.Erros) +
                  ",\"avisos\":" + std::to_string(r.Avisos) + ",\"por_tipo\":{";
  bool primeiro = true;
  for (int t = 0; t < kTiposAchado; ++t) {
    if (r.ErrosPorTipo[t] + r.AvisosPorTipo[t] == 0) continue;
    if (!primeiro) s += ",";
    primeiro = false;
    s += Json(NomeTipo(static_cast<TTipoAchado>(t))) + ":{\"erros\":" + std::to_string(r.ErrosPorTipo[t]) +
         ",\"avisos\":" + std::to_string(r.AvisosPorTipo[t]) + "}";
  }
  s += "},\"achados\":[";
  for (size_t i = 0; i < r.Achados.size(); ++i) {
    const TAchado& a = r.Achados[i];
    if (i) s += ",";
    s += "\n{\"linha\":" + std::to_string(a.Linha) + ",\"registro\":" + Json(a.Reg) + ",\"campo\":" + Json(a.Campo) +
         ",\"valor\":" + Json(a.Valor) + ",\"tipo\":" + Json(NomeTipo(a.Tipo)) + ",\"severidade\":" +
         Json(a.Severidade == TSeveridade::Erro ? "erro" : "aviso") + ",\"mensagem\":" + Json(a.Mensagem) + "}";
  }
  return s + "\n]}\n";
}
