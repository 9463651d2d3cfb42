// The SQL console opened from the main window's "Consultas" button on a fixture database.
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "BuildConfig.h"
#include "ConsultaSqlWindow.h"
#include "MainWindow.h"
#include "ModalScript.h"
#include "QtErpServer.h"
#include "support/TempDir.h"

namespace {
// Types `codigo` into the access-code box and presses OK.
ModalScript::Answer Codigo(const QString& codigo, QString* titulo, QString* pergunta) {
  return [=](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    if (!box) return false;
    *titulo = box->windowTitle();
    *pergunta = box->labelText();
    box->setTextValue(codigo);
    box->accept();
    return true;
  };
}
}  // namespace

class ConsultaGuiTest : public QObject {
  Q_OBJECT
private slots:
  void opensWithTheCodeAndShowsAPredefinedStatementsRows();
};

void ConsultaGuiTest::opensWithTheCodeAndShowsAPredefinedStatementsRows() {
  QT_REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TAppSettings s;
  s.Conexao = erp.CatalogSettings();
  s.PastaUsuario = dir.path().string();

  ModalScript script;
  script.Login("001", "operador", "kivo123");
  MainWindow janela(s);
  QVERIFY(janela.Iniciar());
  janela.show();
  QVERIFY(QTest::qWaitForWindowExposed(&janela));
  auto* consultas = janela.findChild<QToolButton*>("SpeedButton1");
  QVERIFY(consultas);

  // A wrong code: the box closes and nothing else shows.
  QString titulo, pergunta;
  script.Then(Codigo("12345", &titulo, &pergunta));
  consultas->click();
  QTRY_VERIFY(script.Done());
  QCOMPARE(titulo, QString("ATENÇÂO"));
  QCOMPARE(pergunta, QString("Digite a Senha"));
  QTest::qWait(100);
  QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));

  // The right code opens the console; "Notas Fiscais de Emissão Própria de Saida  - M200" of
  // March 2024 lists the taxed items of the fixture's own sales.
  QString caption, memo, situacao, copia;
  int linhas = -1;
  QStringList colunas;
  script.Then(Codigo(VUDI_CONSOLE_CODE, &titulo, &pergunta)).Then([&](QWidget* w) {
    auto* console = qobject_cast<ConsultaSqlWindow*>(w);
    if (!console) return false;
    caption = console->windowTitle();
    console->findChild<QGroupBox*>("RadioGroup1")->findChildren<QRadioButton*>()[4]->click();
    console->findChild<QPushButton*>("Button1")->click();
    memo = console->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    QTableView* grade = console->Grade();
    linhas = grade->model()->rowCount();
    for (int c = 0; c < grade->model()->columnCount(); ++c)
      colunas << grade->model()->headerData(c, Qt::Horizontal).toString();
    situacao = console->Situacao()->text();
    grade->selectAll();
    copia = console->Copia();
    console->reject();
    return true;
  });
  janela.findChild<QDateEdit*>("DateEdit1")->setDate(QDate(2024, 3, 1));
  janela.findChild<QDateEdit*>("DateEdit2")->setDate(QDate(2024, 3, 31));
  consultas->click();
  QTRY_VERIFY(script.Done());
  QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
  QCOMPARE(caption, QString("Comandos SQL"));
  QVERIFY(memo.startsWith("select nf.dt_saida as datasaida"));
  QVERIFY(memo.contains("nf.dt_saida >= \"2024-3-1\" and nf.dt_saida <= \"2024-3-31\""));
  QCOMPARE(colunas.first(), QString("datasaida"));
  QVERIFY2(linhas > 0, qPrintable(situacao));
  QVERIFY2(situacao.startsWith(QString::number(linhas) + (linhas == 1 ? " linha em " : " linhas em ")),
           qPrintable(situacao));
  QCOMPARE(copia.count('\n'), linhas);
  QCOMPARE(QApplication::clipboard()->text(), copia);
  // The console is gone with its dialog; the main window goes on.
  QVERIFY(janela.findChildren<ConsultaSqlWindow*>().isEmpty());
  QVERIFY(janela.isVisible());
}

QTEST_MAIN(ConsultaGuiTest)
#include "consulta_gui_test.moc"
