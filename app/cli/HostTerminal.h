#pragma once
// The window host of the command-line program: progress (caption and progress bar) on standard
// error, messages kept for the end, the login dialog answered from the options.
#include <string>
#include <vector>

#include "Controls.h"
#include "WindowHost.h"

class THostTerminal : public IWindowHost {
public:
  // `terminal`: standard error is a terminal, so progress is one line rewritten in place.
  explicit THostTerminal(bool terminal);

  // What the login dialog is answered with.
  std::string Empresa, Usuario, Senha;
  // The bar to show beside the caption (none before the window exists).
  const TProgressBar* Barra = nullptr;

  // Every message the core showed, in order.
  std::vector<std::string> Mensagens;
  bool Fechou = false;

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;
  bool RunLogin(TfrloginKivo& dialog) override;
  void SetCaption(const std::string& caption) override;
  void ProcessMessages() override {}
  void Close() override { Fechou = true; }
  void ControlsChanged() override;

  // Ends the progress line so that other output starts on a line of its own.
  void FimDoAndamento();

private:
  void Mostra();

  bool terminal_;
  bool linhaAberta_ = false;
  std::string caption_;
  int posicao_ = -1;
  std::string ultima_;
};

// Width of the terminal on standard error (80 when unknown).
int LarguraTerminal();
// The text cut to `largura` characters (UTF-8 aware).
std::string CortaUtf8(const std::string& text, int largura);
