#pragma once
// What a check of an EFD-Contribuições file found: each finding with severity, kind, line,
// register, field and value, and the counts of all of them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Error: the tax authority's program rejects the file. Warning: it accepts it, but the figures
// look wrong.
enum class TSeveridade : uint8_t { Erro, Aviso };

enum class TTipoAchado : uint8_t { Arquivo, Estrutura, Contagem, Campo, Referencia, BlocoM, Apuracao };
inline constexpr int kTiposAchado = 7;
std::string_view NomeTipo(TTipoAchado tipo);

struct TAchado {
  TSeveridade Severidade = TSeveridade::Erro;
  TTipoAchado Tipo = TTipoAchado::Campo;
  int64_t Linha = 0;  // 0: the file as a whole
  std::string Reg;
  std::string Campo;
  std::string Valor;  // UTF-8
  std::string Mensagem;
};

struct TResultadoValidacao {
  // Findings beyond this many are only counted, so memory stays bounded on any file.
  static constexpr size_t kMaximoGuardados = 100000;
  std::vector<TAchado> Achados;
  int64_t Erros = 0;
  int64_t Avisos = 0;
  std::array<int64_t, kTiposAchado> ErrosPorTipo{};
  std::array<int64_t, kTiposAchado> AvisosPorTipo{};
  int64_t Linhas = 0;
  bool Legivel = true;  // false: the file could not be opened or read
  std::string ErroLeitura;

  void Adiciona(TAchado achado);
  int64_t Total() const { return Erros + Avisos; }
};
