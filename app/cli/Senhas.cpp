#include "Senhas.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

namespace {
int ttyFd = -1;
termios original{};

// Ctrl-C at the prompt must not leave the terminal without echo.
void Restaura(int sinal) {
  if (ttyFd >= 0) tcsetattr(ttyFd, TCSAFLUSH, &original);
  std::signal(sinal, SIG_DFL);
  std::raise(sinal);
}
}  // namespace

std::optional<std::string> LinhaDaEntrada() {
  std::string linha;
  if (!std::getline(std::cin, linha)) return std::nullopt;
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  return linha;
}

std::optional<std::string> PedeSenhaNoTerminal(const std::string& pergunta) {
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  termios semEco{};
  if (tcgetattr(fd, &original) != 0) {
    close(fd);
    return std::nullopt;
  }
  ttyFd = fd;
  auto antesInt = std::signal(SIGINT, Restaura);
  auto antesTerm = std::signal(SIGTERM, Restaura);
  auto antesHup = std::signal(SIGHUP, Restaura);
  semEco = original;
  semEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  semEco.c_lflag |= ECHONL;
  (void)!write(fd, pergunta.data(), pergunta.size());
  tcsetattr(fd, TCSAFLUSH, &semEco);

  std::string linha;
  bool lida = false;
  char c;
  while (read(fd, &c, 1) == 1) {
    if (c == '\n') { lida = true; break; }
    linha += c;
  }
  if (!lida && !linha.empty()) lida = true;

  tcsetattr(fd, TCSAFLUSH, &original);
  std::signal(SIGINT, antesInt);
  std::signal(SIGTERM, antesTerm);
  std::signal(SIGHUP, antesHup);
  ttyFd = -1;
  close(fd);
  if (!lida) return std::nullopt;
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  return linha;
}
