#include "QtText.h"

#include <QMessageBox>

void MostraMensagem(QWidget* parent, const std::string& text) {
  QMessageBox::information(parent, kTituloMensagens, Q(text));
}

void MostraErro(QWidget* parent, const std::string& text) {
  QMessageBox::critical(parent, kTituloMensagens, Q(text));
}
