#pragma once
// The record line writer: turns field values into delimited text fields, collects lines in a
// buffer and appends them, in batches, to the output file in Windows-1252 with CR LF.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Currency.h"
#include "DateTime.h"
#include "Variant.h"

class EVornTXTClassErro : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Receives one validation message (`MsnError`).
using TErrorEvent = std::function<void(const std::string& MsnError)>;

// Substitutes "%s"/"%d" placeholders of `fmt` with the arguments in order ("%%" is "%").
std::string FormatMsg(const std::string& fmt, const std::vector<std::string>& args);
namespace format_detail {
inline std::string ToArg(const std::string& s) { return s; }
inline std::string ToArg(const char* s) { return s; }
template <typename T> std::string ToArg(T v) requires std::is_integral_v<T> { return std::to_string(v); }
}  // namespace format_detail

class TVornTXTClass {
public:
  TVornTXTClass() = default;
  virtual ~TVornTXTClass() = default;
  TVornTXTClass(const TVornTXTClass&) = delete;
  TVornTXTClass& operator=(const TVornTXTClass&) = delete;

  int LinhasBuffer() const { return linhasBuffer_; }
  void SetLinhasBuffer(int value) { linhasBuffer_ = value < 0 ? 0 : value; }
  const std::string& NomeArquivo() const { return nomeArquivo_; }
  void SetNomeArquivo(const std::string& value) { nomeArquivo_ = value; }

  TErrorEvent OnError;
  std::string Delimitador;
  bool TrimString = false;
  std::string CurMascara;
  bool ReplaceDelimitador = false;
  std::vector<std::string> Conteudo;

  // Fill operations: each returns the delimiter followed by the formatted value.
  std::string LFill(const std::string& Value, int Size = 0, bool Nulo = false, char Caracter = '0') const;
  std::string LFill(const char* Value, int Size = 0, bool Nulo = false, char Caracter = '0') const {
    return LFill(std::string(Value), Size, Nulo, Caracter);
  }
  std::string LFill(long double Value, int Size, int Decimal = 2, bool Nulo = false, char Caracter = '0',
                    const std::string& Mascara = "") const;
  std::string LFill(Currency Value, int Size, int Decimal = 2, bool Nulo = false, char Caracter = '0',
                    const std::string& Mascara = "") const {
    return LFill(Value.ToExtended(), Size, Decimal, Nulo, Caracter, Mascara);
  }
  std::string LFill(int64_t Value, int Size, bool Nulo = false, char Caracter = '0') const;
  std::string LFill(int Value, int Size, bool Nulo = false, char Caracter = '0') const {
    return LFill(static_cast<int64_t>(Value), Size, Nulo, Caracter);
  }
  std::string LFill(TDateTime Value, const std::string& Mask = "ddmmyyyy", bool Nulo = true) const;
  std::string RFill(const std::string& Value, int Size = 0, char Caracter = ' ') const;
  std::string DFill(double Value, int Decimal = 2, bool Nulo = false) const;
  std::string VDFill(const Variant& Value, int Decimal = 2) const;
  std::string VLFill(const Variant& Value, int Size = 0, int Decimal = 2, char Caracter = '0',
                     const std::string& Mascara = "") const;

  // The same operations appending to a line under construction (no temporary texts).
  void AppendText(std::string& line, std::string_view Value, int Size = 0, bool Nulo = false, char Caracter = '0') const;
  void AppendExtended(std::string& line, long double Value, int Size = 0, int Decimal = 2, bool Nulo = false,
                      char Caracter = '0', const std::string& Mascara = "") const;
  void AppendCurrency(std::string& line, Currency Value, bool Nulo = false) const;
  void AppendInteger(std::string& line, int64_t Value, int Size = 0, bool Nulo = false, char Caracter = '0') const;
  void AppendDate(std::string& line, TDateTime Value, const std::string& Mask = "ddmmyyyy", bool Nulo = true) const;
  void AppendDecimal(std::string& line, double Value, int Decimal, bool Nulo = false) const;
  void AppendVariantDecimal(std::string& line, const Variant& Value, int Decimal) const;
  void AppendVariantExtended(std::string& line, const Variant& Value, int Size = 0, int Decimal = 2,
                             char Caracter = '0', const std::string& Mascara = "") const;

  // Adds one line; returns its index, or -1 for an empty line.
  int Add(const std::string& AString, bool AddDelimiter = true);
  int Add(std::string&& AString, bool AddDelimiter = true);

  void Check(bool Condicao, const std::string& Msg) const;
  template <typename... Args>
  void Check(bool Condicao, const std::string& Msg, const Args&... args) const {
    if (!Condicao && OnError) Check(false, FormatMsg(Msg, {format_detail::ToArg(args)...}));
  }

  void WriteBuffer();
  // Empties Conteudo, keeping the lines' storage for the lines still to come.
  void EsvaziaConteudo();
  // An empty line whose storage was used before, when there is one.
  std::string NovaLinha();
  void SaveToFile() { WriteBuffer(); }
  void LoadFromFile();
  void Reset();

private:
  int linhasBuffer_ = 0;
  std::string nomeArquivo_;
  std::string saida_;  // bytes of the last flush, reused
  std::vector<std::string> livres_;  // storage of flushed lines, reused: bulk frees cost more than the writing
};
