#pragma once
// Reads an EFD-Contribuições file line by line in fixed-size chunks, so memory does not grow
// with the file. A line is the bytes up to LF, without the CR LF; its fields are the pieces
// between "|".
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

struct TLinhaEfd {
  int64_t Numero = 0;
  std::string_view Texto;              // Windows-1252 bytes, without the line end
  std::vector<std::string_view> Campos;  // Campos[0] is REG; empty when the line is not "|...|"
  bool TerminaComCrLf = true;
  bool SemFimDeLinha = false;  // last line of the file without any line end
};

class TLeitorEfd {
 public:
  explicit TLeitorEfd(std::istream& entrada, size_t tamanhoBloco = 1 << 20);
  // False at the end of the file.
  bool Proxima(TLinhaEfd& linha);
  bool ErroDeLeitura() const { return erro_; }

 private:
  bool Enche();
  std::istream& entrada_;
  std::vector<char> buffer_;
  size_t inicio_ = 0, fim_ = 0;
  int64_t numero_ = 0;
  bool eof_ = false, erro_ = false;
};

void SeparaCampos(std::string_view texto, std::vector<std::string_view>& campos);
