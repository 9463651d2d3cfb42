// Opens the windows on a fixture database, runs a month step by step and saves what the screen
// shows: the login dialog (login.png), the main window after the run (main.png) and the SQL
// console listing the documents behind the run's M100 lines (console.png).
//
//   gui_screenshots <folder>      (under a display: xvfb-run -a ...)
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QGroupBox>
#include <QInputDialog>
#include <QRadioButton>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "BuildConfig.h"
#include "ConsultaSqlWindow.h"
#include "MainWindow.h"
#include "ModalScript.h"
#include "support/ErpDatabase.h"
#include "support/TempDir.h"

namespace {
void Espera(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool Salva(QWidget* w, const QString& arquivo) {
  Espera(400);
  // The widget's own rendering: a grab of the screen can still hold a modal dialog's first paint.
  QPixmap imagem = w->grab();
  const bool ok = imagem.save(arquivo, "PNG");
  std::printf("%s %s (%dx%d)\n", ok ? "saved" : "FAILED", qPrintable(arquivo), imagem.width(), imagem.height());
  return ok;
}
}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QString pasta = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(pasta);
  std::string why;
  if (!ErpServerAvailable(&why)) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  ErpDatabase erp;
  {
    // A store CNPJ that fails its check, so the message list shows what it is for.
    TDbConnection db(erp.CompanySettings());
    db.Connect();
    db.ExecSQL("update filial set nr_cgc = '11111111111111' where cd_fil = '001'");
    db.Commit();
  }
  TempDir dir;
  TAppSettings s;
  s.Conexao = erp.CatalogSettings();
  s.PastaUsuario = dir.path().string();

  bool ok = true;
  ModalScript script;
  script.Then([&](QWidget* w) {
    auto* d = qobject_cast<LoginDialog*>(w);
    if (!d) return false;
    d->edtEmpresa()->setText("001");
    d->edtUsuario()->setText("operador");
    d->edtSenha()->setText("kivo123");
    ok = Salva(d, pasta + "/login.png") && ok;
    d->btnOK()->click();
    return true;
  });
  MainWindow janela(s);
  if (!janela.Iniciar()) return 1;
  janela.show();
  janela.findChild<QDateEdit*>("DateEdit1")->setDate(QDate(2024, 3, 1));
  janela.findChild<QDateEdit*>("DateEdit2")->setDate(QDate(2024, 3, 31));
  auto* arquivo = janela.findChild<QLineEdit*>("edtFile");
  arquivo->setText(QString::fromStdString(dir.File("VudiRozAzezav.txt")));
  emit arquivo->textEdited(arquivo->text());
  for (const char* botao : {"btnInicio", "btnB_0", "btnB_A", "btnB_C", "btnB_D", "btnB_F", "btnB_M", "btnB_1",
                            "btnB_9"})
    janela.findChild<QPushButton*>(botao)->click();
  ok = Salva(&janela, pasta + "/main.png") && ok;

  script.Then([](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    if (!box) return false;
    box->setTextValue(VUDI_CONSOLE_CODE);
    box->accept();
    return true;
  });
  script.Then([&](QWidget* w) {
    auto* console = qobject_cast<ConsultaSqlWindow*>(w);
    if (!console) return false;
    console->findChild<QGroupBox*>("RadioGroup1")->findChildren<QRadioButton*>().last()->click();
    console->findChild<QPushButton*>("Button1")->click();
    ok = Salva(console, pasta + "/console.png") && ok;
    console->reject();
    return true;
  });
  janela.findChild<QToolButton*>("SpeedButton1")->click();
  for (const QString& u : script.Unexpected()) std::fprintf(stderr, "unexpected window: %s\n", qPrintable(u));
  return ok && script.Unexpected().isEmpty() ? 0 : 1;
}
