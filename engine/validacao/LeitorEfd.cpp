#include "LeitorEfd.h"

#include <cstring>

TLeitorEfd::TLeitorEfd(std::istream& entrada, size_t tamanhoBloco)
    : entrada_(entrada), buffer_(tamanhoBloco < 16 ? 16 : tamanhoBloco) {}

// Moves what is left to the front and reads more; a line longer than the buffer doubles it.
bool TLeitorEfd::Enche() {
  if (eof_) return false;
  if (inicio_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + inicio_, fim_ - inicio_);
    fim_ -= inicio_;
    inicio_ = 0;
  }
  if (fim_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  entrada_.read(buffer_.data() + fim_, static_cast<std::streamsize>(buffer_.size() - fim_));
  const auto lidos = entrada_.gcount();
  if (entrada_.bad()) erro_ = true;
  if (lidos <= 0 || !entrada_) eof_ = true;
  fim_ += static_cast<size_t>(lidos > 0 ? lidos : 0);
  return lidos > 0;
}

bool TLeitorEfd::Proxima(TLinhaEfd& linha) {
  for (;;) {
    const char* base = buffer_.data();
    const void* lf = std::memchr(base + inicio_, '\n', fim_ - inicio_);
    if (lf) {
      const size_t pos = static_cast<const char*>(lf) - base;
      size_t fimTexto = pos;
      linha.TerminaComCrLf = pos > inicio_ && base[pos - 1] == '\r';
      if (linha.TerminaComCrLf) --fimTexto;
      linha.SemFimDeLinha = false;
      linha.Texto = std::string_view(base + inicio_, fimTexto - inicio_);
      inicio_ = pos + 1;
      break;
    }
    if (!Enche()) {
      if (inicio_ == fim_) return false;
      // The last line has no LF; a lone CR at its end is not a line end either.
      linha.TerminaComCrLf = false;
      linha.SemFimDeLinha = true;
      linha.Texto = std::string_view(buffer_.data() + inicio_, fim_ - inicio_);
      inicio_ = fim_;
      break;
    }
  }
  linha.Numero = ++numero_;
  SeparaCampos(linha.Texto, linha.Campos);
  return true;
}

void SeparaCampos(std::string_view texto, std::vector<std::string_view>& campos) {
  campos.clear();
  if (texto.size() < 2 || texto.front() != '|' || texto.back() != '|') return;
  const char* p = texto.data() + 1;
  const char* fim = texto.data() + texto.size() - 1;
  for (;;) {
    const void* barra = std::memchr(p, '|', fim - p);
    const char* q = barra ? static_cast<const char*>(barra) : fim;
    campos.emplace_back(p, q - p);
    if (q == fim) break;
    p = q + 1;
  }
}
