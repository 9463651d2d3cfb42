#pragma once
// The layout of the EFD-Contribuições file as the tax authority's validator reads it: per
// register its fields (type, width, decimals, required, codes), block, parent and occurrence,
// per layout version. The one place that states each register's fields; the checker reads it
// and a test holds the writers to it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TTipoCampo : uint8_t { Texto, Numero, Data };

// How a date relates to the file's period.
enum class TDataNoPeriodo : uint8_t { Livre, DentroDoPeriodo, AteOFim };

struct TCampoLayout {
  std::string Nome;
  TTipoCampo Tipo = TTipoCampo::Texto;
  int Largura = 0;        // maximum width (0: any), digits before the comma for numbers
  bool LarguraFixa = false;
  int Decimais = 0;       // at most this many digits after the comma
  bool Obrigatorio = false;
  TDataNoPeriodo Periodo = TDataNoPeriodo::Livre;
  std::vector<std::string> Codigos;  // allowed values, when the layout lists them
  int DesdeVersao = 0;    // COD_VER from which the field exists (0: always)
  int AteVersao = 999;    // last COD_VER in which it exists
};

// Occurrence below the parent line.
enum class TOcorrencia : uint8_t { Uma, AteUma, PeloMenosUma, Varias };

struct TRegistroLayout {
  std::string Reg;
  std::string Pai;  // empty for 0000 and the opening/closing registers
  char Bloco = '0';
  int Nivel = 0;
  TOcorrencia Ocorrencia = TOcorrencia::Varias;
  std::vector<TCampoLayout> Campos;  // without REG, every version
  // Fields of the given COD_VER (1 to 6), in layout order.
  const std::vector<const TCampoLayout*>& CamposDaVersao(int codVer) const;
  std::vector<std::vector<const TCampoLayout*>> PorVersao;  // index COD_VER
};

// Blocks in file order.
inline constexpr std::string_view kBlocosEfd = "0ACDFIMP19";
inline constexpr int kUltimaVersaoEfd = 6;

class TLayoutEfd {
 public:
  static const TLayoutEfd& Instancia();
  const TRegistroLayout* Busca(std::string_view reg) const;
  const std::vector<TRegistroLayout>& Registros() const { return registros_; }

 private:
  TLayoutEfd();
  std::vector<TRegistroLayout> registros_;
  std::vector<int16_t> indice_;  // by packed code
};

// Position of a block in file order, -1 when unknown.
int PosicaoBloco(char bloco);
