#pragma once
// Internal state of TValidadorEfd, shared by the files of each concern.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "ValidadorEfd.h"

// Which block 0 list a field's code must be found in.
enum class TReferencia : uint8_t { Nenhuma, Participante, Item, Unidade, Natureza, InfComplementar, Conta };
inline constexpr int kReferencias = 7;

// Checks that depend on what a field means rather than on its form.
enum class TSentido : uint8_t { Nenhum, Cnpj, Cpf, CnpjOuCpf, Municipio, Uf, Cfop, Chave, ChaveReferida, Cst };

struct TCampoPlano {
  const TCampoLayout* Layout = nullptr;
  TReferencia Usa = TReferencia::Nenhuma;
  TReferencia Define = TReferencia::Nenhuma;
  TSentido Sentido = TSentido::Nenhum;
};

// A register's fields in one version, with the positions the checks need.
struct TPlanoRegistro {
  std::vector<TCampoPlano> Campos;
  int CodMod = -1, Ser = -1, NumDoc = -1;
  std::array<int, 2> Cst{-1, -1}, Base{-1, -1}, Aliq{-1, -1};  // [0] PIS, [1] COFINS
  int Indice(std::string_view nome) const;
};

// A numeric field read as ten-thousandths.
bool LeValor(std::string_view texto, int64_t& valor);
std::string FormataValor(int64_t valor, int decimais = 2);

struct TValorM {
  int64_t Linha = 0;
  std::string Reg;
  std::vector<int64_t> V;  // by field position, 0 when empty
  bool Presente = false;
};

struct TValidadorEfd::TEstado {
  const TLayoutEfd& Layout = TLayoutEfd::Instancia();
  TResultadoValidacao R;
  int CodVer = kUltimaVersaoEfd;
  int DtIni = 0, DtFin = 0;  // yyyymmdd
  std::vector<std::array<TPlanoRegistro, kUltimaVersaoEfd + 1>> Planos;

  // Structure.
  int Bloco = -1;
  bool BlocoFechado = true;
  int64_t LinhasBloco = 0;
  bool IndMovSemDados = false, BlocoTemDados = false;
  std::array<bool, 10> BlocoVisto{};
  std::array<const TRegistroLayout*, 8> Aberto{};
  std::array<int64_t, 8> AbertoLinha{};
  std::vector<int64_t> UltimoPai;   // by register: parent line of its last occurrence
  std::vector<int64_t> Contagem;    // lines per register
  std::vector<int64_t> NoBloco;     // lines per register in the current block
  bool Fim9999 = false;
  int64_t Linhas = 0;
  // 9900 entries: code → (count, line).
  std::map<std::string, std::pair<int64_t, int64_t>> Reg9900;
  int64_t Linhas9 = 0;

  // Block 0 code sets: code → used. Looked up by view, without a copy per field.
  struct THashTexto {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::array<std::unordered_map<std::string, bool, THashTexto, std::equal_to<>>, kReferencias> Codigos;
  std::array<int64_t, kReferencias> LinhaDefinicao{};

  // Block M.
  TValorM M100, M200, M400, M500, M600, M800;
  int64_t SomaM105 = 0, SomaM505 = 0, SomaM410 = 0, SomaM810 = 0;
  std::array<int64_t, 2> SomaM210Nc{}, SomaM210Cum{};  // [0] M210, [1] M610
  // Assessment: (tax, rate, credit?) → base of details / of block M, and a line of block M.
  std::map<std::tuple<int, int64_t, bool>, int64_t> BaseDetalhe, BaseM;
  std::map<std::tuple<int, int64_t, bool>, std::pair<int64_t, std::string>> LinhaM;

  void Achado(TSeveridade s, TTipoAchado t, int64_t linha, std::string_view reg, std::string_view campo,
              std::string_view valor, std::string mensagem);
  const TPlanoRegistro& Plano(const TRegistroLayout& r) const;
  void ChecaCampos(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p);
  void ChecaReferencias(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p);
  void BlocoM(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p);
  void FechaPendentesM();
  void AcumulaDetalhe(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p);
  void ConcluiApuracao();
  void ConcluiReferencias();
};

std::string Utf8DoArquivo(std::string_view bytes);
