#include "HostTerminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

#include "LoginKivo.h"

THostTerminal::THostTerminal(bool terminal) : terminal_(terminal) {}

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

void THostTerminal::ShowMessage(const std::string& text) { Mensagens.push_back(text); }

std::optional<std::string> THostTerminal::InputBox(const std::string& caption, const std::string& prompt,
                                                   const std::string& value) {
  // Nobody can answer here: show what the box holds (the statement that failed) and cancel.
  FimDoAndamento();
  std::fprintf(stderr, "%s%s%s\n%s\n", caption.c_str(), caption.empty() || prompt.empty() ? "" : " - ",
               prompt.c_str(), value.c_str());
  return std::nullopt;
}

bool THostTerminal::RunLogin(TfrloginKivo& dialog) {
  dialog.SetCodigoEmpresa(Empresa);
  dialog.Edit2.Text = Usuario;
  dialog.Edit3.Text = Senha;
  try {
    dialog.btnOKClick();
  } catch (const std::exception& e) {
    // The dialog would stay open for another try; here nobody can type, so it is cancelled.
    ShowMessage(e.what());
    dialog.btnCancelarClick();
    return false;
  }
  return true;
}

void THostTerminal::SetCaption(const std::string& caption) {
  caption_ = caption;
  Mostra();
}

void THostTerminal::ControlsChanged() {
  if (Barra && Barra->Position != posicao_) Mostra();
}

void THostTerminal::Mostra() {
  std::string texto;
  if (Barra) {
    posicao_ = Barra->Position;
    const int span = Barra->Max - Barra->Min;
    const int pct = span > 0 ? (Barra->Position - Barra->Min) * 100 / span : 0;
    char buf[16];
    std::snprintf(buf, sizeof buf, "[%3d%%] ", pct);
    texto = buf;
  }
  texto += caption_;
  if (texto == ultima_) return;
  ultima_ = texto;
  if (terminal_) {
    // One line rewritten in place; cut to the width so it never wraps.
    std::fprintf(stderr, "\r%s\033[K", CortaUtf8(texto, LarguraTerminal() - 1).c_str());
    linhaAberta_ = true;
  } else {
    std::fprintf(stderr, "%s\n", texto.c_str());
  }
  std::fflush(stderr);
}

void THostTerminal::FimDoAndamento() {
  if (linhaAberta_) {
    std::fputs("\n", stderr);
    std::fflush(stderr);
    linhaAberta_ = false;
  }
}
