#include "Andamento.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>


TAndamentoTerminal::TAndamentoTerminal(bool terminal) : terminal_(terminal) {}

int LarguraTerminal() {
  winsize w{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &w) == 0 && w.ws_col > 0) return w.ws_col;
  return 80;
}

std::string CortaUtf8(const std::string& text, int largura) {
  int chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars++ == largura) return text.substr(0, i);
  }
  return text;
}

void TAndamentoTerminal::Script(const std::string& text) {
  FimDoAndamento();
  std::fprintf(stderr, "%s\n", text.c_str());
}

void TAndamentoTerminal::Caption(const std::string& caption) {
  caption_ = caption;
  Mostra(false);
}

void TAndamentoTerminal::Posicao(int posicao) {
  if (posicao == posicao_) return;
  posicao_ = posicao;
  Mostra(true);
}

void TAndamentoTerminal::Mostra(bool passo) {
  const auto agora = std::chrono::steady_clock::now();
  const auto intervalo = terminal_ ? std::chrono::milliseconds(100) : std::chrono::milliseconds(1000);
  if (!passo && !ultima_.empty() && agora - mostrada_ < intervalo) return;
  std::string texto;
  if (posicao_ >= 0) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "[%3d%%] ", posicao_);
    texto = buf;
  }
  texto += caption_;
  if (texto == ultima_) return;
  ultima_ = texto;
  mostrada_ = agora;
  if (terminal_) {
    // One line rewritten in place; cut to the width so it never wraps.
    std::fprintf(stderr, "\r%s\033[K", CortaUtf8(texto, LarguraTerminal() - 1).c_str());
    linhaAberta_ = true;
  } else {
    std::fprintf(stderr, "%s\n", texto.c_str());
  }
  std::fflush(stderr);
}

void TAndamentoTerminal::FimDoAndamento() {
  if (linhaAberta_) {
    std::fputs("\n", stderr);
    std::fflush(stderr);
    linhaAberta_ = false;
  }
}
