// The desktop program: the main window after connecting and logging in.
#include <QApplication>

#include "MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VudiROZAZEZAV");
  MainWindow janela(TAppSettings::BuildTime());
  if (!janela.Iniciar()) return 1;
  janela.show();
  return app.exec();
}
