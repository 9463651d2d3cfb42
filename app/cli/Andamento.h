#pragma once
// Progress of a run on standard error (the step's caption and the position of "TODOS"), and the
// messages a window would have shown in message boxes, kept for the end. A new position is shown
// at once; captions in between at most ten times a second on a terminal and once a second as
// plain lines, so a month of documents does not become a line per document.
#include <chrono>
#include <string>
#include <vector>

class TAndamentoTerminal {
public:
  // `terminal`: standard error is a terminal, so progress is one line rewritten in place.
  explicit TAndamentoTerminal(bool terminal);

  // Every message the run showed, in order.
  std::vector<std::string> Mensagens;

  void Caption(const std::string& caption);
  // Position of the run, 0 to 100 (none shown before the first).
  void Posicao(int posicao);
  void Aviso(const std::string& text) { Mensagens.push_back(text); }
  // A failing script the window would show for copying: printed, since nobody can copy it here.
  void Script(const std::string& text);
  // Ends the progress line so that other output starts on a line of its own.
  void FimDoAndamento();

private:
  void Mostra(bool passo);

  bool terminal_;
  bool linhaAberta_ = false;
  std::string caption_;
  int posicao_ = -1;
  std::string ultima_;
  std::chrono::steady_clock::time_point mostrada_{};
};

// Width of the terminal on standard error (80 when unknown).
int LarguraTerminal();
// The text cut to `largura` characters (UTF-8 aware).
std::string CortaUtf8(const std::string& text, int largura);
