// The desktop program: the main window after connecting and logging in.
#include <QApplication>
#include <QMessageBox>

#include "Configuracao.h"
#include "MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VudiROZAZEZAV");
  TAppSettings settings;
  try {
    settings = ConfiguracaoDoPrograma();
  } catch (const EConfiguracao& e) {
    QMessageBox::critical(nullptr, "VudiROZAZEZAV", QString::fromStdString(e.what()));
    return 1;
  }
  MainWindow janela(settings);
  if (!janela.Iniciar()) return 1;
  janela.show();
  return app.exec();
}
