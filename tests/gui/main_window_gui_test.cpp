// The desktop windows against a fixture database: login, a run step by step and "TODOS",
// checked through what the widgets show.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <optional>

#include "MainWindow.h"
#include "ModalScript.h"
#include "QtErpServer.h"
#include "support/ErpDatabase.h"
#include "support/TempDir.h"


namespace {
TAppSettings Settings(const ErpDatabase& erp, const TempDir& dir) {
  TAppSettings s;
  s.Conexao = erp.CatalogSettings();
  s.PastaUsuario = dir.path().string();
  return s;
}

template <class W>
W* Find(QWidget& janela, const char* nome) {
  W* w = janela.findChild<W*>(nome);
  if (!w) qFatal("no widget %s", nome);
  return w;
}

QStringList FileLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  // The file is Windows-1252; its first lines hold no character where that differs from Latin-1.
  return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

// Records the progress bar's value each time it is painted.
class PaintedValues : public QObject {
public:
  explicit PaintedValues(QProgressBar* bar) : bar_(bar) { bar->installEventFilter(this); }
  QList<int> values;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && (values.isEmpty() || values.back() != bar_->value())) values.append(bar_->value());
    return false;
  }
  QProgressBar* bar_;
};
}  // namespace

class MainWindowGuiTest : public QObject {
  Q_OBJECT
private slots:
  void unreachableServerEndsStartUp();
  void loginOutcomes();
  void stepByStepRun();
  void todosRunsAndCloses();
};

void MainWindowGuiTest::unreachableServerEndsStartUp() {
  TempDir dir;
  TAppSettings s;
  s.Conexao.HostName = "127.0.0.1";
  s.Conexao.Port = 1;
  s.Conexao.Database = "kivo";
  s.Conexao.ConnectTimeoutSeconds = 2;
  s.PastaUsuario = dir.path().string();
  QStringList messages;
  ModalScript script;
  script.Message(&messages);
  MainWindow janela(s);
  QVERIFY(!janela.Iniciar());
  QCOMPARE(messages, QStringList{"NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS!"});
  QVERIFY(script.Unexpected().isEmpty());
}

void MainWindowGuiTest::loginOutcomes() {
  QT_REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;

  struct Case {
    const char* name;
    std::function<void(ModalScript&, QStringList*)> answers;
    bool started;
    QStringList messages;
  };
  const QList<Case> cases = {
      {"cancel", [](ModalScript& s, QStringList*) { s.Login("001", "operador", "kivo123", false); }, false, {}},
      {"wrong password", [](ModalScript& s, QStringList* m) { s.Login("1", "operador", "errada").Message(m); }, false,
       {"USUARIO E/OU SENHA INVÁLIDOS"}},
      {"unknown company", [](ModalScript& s, QStringList* m) { s.Login("9", "operador", "kivo123").Message(m); },
       false, {"CÓDIGO DA EMPRESA INVÁLIDO!"}},
      // An empty field keeps the dialog open; the short code "1" is company "001".
      {"empty field, then right", [](ModalScript& s, QStringList* m) {
         s.Login("", "operador", "kivo123").Message(m).Login("1", "operador", "kivo123");
       }, true, {"CÓDIGO DA EMPRESA EM BRANCO"}},
  };
  for (const Case& c : cases) {
    QStringList messages;
    ModalScript script;
    c.answers(script, &messages);
    MainWindow janela(Settings(erp, dir));
    QCOMPARE_EQ(janela.Iniciar(), c.started);
    QVERIFY2(script.Done(), c.name);
    QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
    QCOMPARE(messages, c.messages);
    if (c.started) QCOMPARE(janela.windowTitle(), QString("VudiROZAZEZAV - KivoWeb - Versão 1.4.0"));
  }
}

void MainWindowGuiTest::stepByStepRun() {
  QT_REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  {
    // A store CNPJ that fails its check: block 0 reports it and goes on.
    TDbConnection db(erp.CompanySettings());
    db.Connect();
    db.ExecSQL("update filial set nr_cgc = '11111111111111' where cd_fil = '001'");
    db.ExecSQL("update empresa set tp_tributacao = 1 where cd_loja = '002'");
    db.Commit();
  }
  TempDir dir;
  ModalScript script;
  // What the login dialog shows and takes from the keyboard.
  QString dialogCaption, passwordChar, typedCode;
  QStringList labels;
  int codeMax = 0;
  QLineEdit::EchoMode passwordEcho = QLineEdit::Normal;
  script.Then([&](QWidget* w) {
    auto* d = qobject_cast<LoginDialog*>(w);
    if (!d) return false;
    dialogCaption = d->windowTitle();
    for (QLabel* l : d->findChildren<QLabel*>()) labels << l->text();
    codeMax = d->edtEmpresa()->maxLength();
    QTest::keyClicks(d->edtEmpresa(), "0a0x1");  // letters are refused
    QTest::keyClicks(d->edtUsuario(), "operador");
    QTest::keyClicks(d->edtSenha(), "kivo123");
    passwordChar = QChar(d->edtSenha()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                           d->edtSenha()));
    typedCode = d->edtEmpresa()->text();
    passwordEcho = d->edtSenha()->echoMode();
    d->btnOK()->click();
    return true;
  });
  MainWindow janela(Settings(erp, dir));
  QVERIFY(janela.Iniciar());
  QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
  QCOMPARE(dialogCaption, QString("Login Kivo"));
  QCOMPARE(labels, (QStringList{"Código da Empresa", "Usuario", "Senha"}));
  QCOMPARE(codeMax, 3);
  QCOMPARE(passwordChar, QString("*"));
  QCOMPARE(passwordEcho, QLineEdit::Password);
  QCOMPARE(typedCode, QString("001"));

  janela.show();
  QVERIFY(QTest::qWaitForWindowExposed(&janela));

  // Defaults as the operator sees them.
  QCOMPARE(janela.windowTitle(), QString("VudiROZAZEZAV - KivoWeb - Versão 1.4.0"));
  auto* loja = Find<QComboBox>(janela, "RxDBLookupCombo1");
  QCOMPARE(loja->currentText(), QString("001 LOJA CENTRO"));
  QCOMPARE(loja->count(), 3);
  QCOMPARE(loja->maxVisibleItems(), 8);
  QCOMPARE(Find<QComboBox>(janela, "ComboBox1")->currentText(), QString("320"));
  auto* regime = Find<QLabel>(janela, "RxLabel1");
  QCOMPARE(regime->text(), QString("Lucro Real"));
  QVERIFY(regime->font().bold());
  QCOMPARE(regime->palette().color(QPalette::WindowText), QColor(Qt::red));
  QVERIFY(!Find<QLineEdit>(janela, "edBufNotas")->isEnabled());
  QVERIFY(Find<QCheckBox>(janela, "CheckBox3")->isHidden());
  QVERIFY(!Find<QGroupBox>(janela, "RadioGroup2")->isEnabled());
  QCOMPARE(Find<QToolButton>(janela, "SpeedButton1")->toolTip(), QString("Consultas"));
  QVERIFY(Find<QCheckBox>(janela, "cbConcomitante")->toolTip().contains("Economizando memória."));
  auto* blocoM = Find<QCheckBox>(janela, "cbBlocoMTabelas");
  QCOMPARE(blocoM->text(), QString("Bloco M pelas tabelas de trabalho"));
  QVERIFY(!blocoM->isChecked());
  auto* preview = Find<QPlainTextEdit>(janela, "memoTXT");
  QVERIFY(QFontInfo(preview->font()).fixedPitch());
  QCOMPARE(preview->lineWrapMode(), QPlainTextEdit::NoWrap);
  QCOMPARE(preview->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(preview->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(Find<QDateEdit>(janela, "DateEdit1")->date().day(), 1);

  // Picking a store shows its regime and defaults.
  auto* m205 = Find<QLineEdit>(janela, "Edit1");
  auto* edtFile = Find<QLineEdit>(janela, "edtFile");
  loja->setCurrentIndex(1);
  QCOMPARE(QString::fromStdString(janela.Logica().RxDBLookupCombo1.KeyValue), QString("002"));
  QCOMPARE(regime->text(), QString("Lucro Presumido"));
  QCOMPARE(m205->text(), QString("810902"));
  QVERIFY(edtFile->text().endsWith("VudiRozAzezavPresumido.txt"));
  loja->setCurrentIndex(0);
  QCOMPARE(regime->text(), QString("Lucro Real"));
  QCOMPARE(m205->text(), QString("691201"));

  // The seed's month and a file of the test; the typed name reaches the file component.
  Find<QDateEdit>(janela, "DateEdit1")->setDate(QDate(2024, 3, 1));
  Find<QDateEdit>(janela, "DateEdit2")->setDate(QDate(2024, 3, 31));
  const QString arquivo = QString::fromStdString(dir.File("efd.txt"));
  edtFile->selectAll();
  QTest::keyClicks(edtFile, arquivo);
  QCOMPARE(QString::fromStdString(janela.Logica().VornVUDIRozAzezav1.Arquivo()), QString("efd.txt"));

  // A failing handler shows its error and the window goes on.
  QStringList messages;
  script.Message(&messages);
  auto* versao = Find<QComboBox>(janela, "ComboBox1");
  versao->setEditText("");
  QTest::mouseClick(Find<QPushButton>(janela, "btnB_0"), Qt::LeftButton);
  QCOMPARE(messages, QStringList{"Escolha a Versão do Layout"});
  QVERIFY(janela.isVisible());
  QCOMPARE(janela.windowTitle(), QString("Inicio bloco 0"));
  QVERIFY(Find<QPushButton>(janela, "btnB_0")->isEnabled());
  versao->setCurrentIndex(6);

  auto enabled = [&](const char* nome) { return janela.findChild<QWidget*>(nome)->isEnabled(); };
  QTest::mouseClick(Find<QPushButton>(janela, "btnInicio"), Qt::LeftButton);
  QVERIFY(!enabled("btnInicio"));
  QVERIFY(!enabled("cbConcomitante"));
  QVERIFY(enabled("btnB_0"));

  QSignalSpy captions(&janela, &QWidget::windowTitleChanged);
  QTest::mouseClick(Find<QPushButton>(janela, "btnB_0"), Qt::LeftButton);
  QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
  QVERIFY(!captions.isEmpty());
  QCOMPARE(captions.first().first().toString(), QString("Inicio bloco 0"));
  QVERIFY(!enabled("btnB_0"));
  QVERIFY(enabled("btnB_C"));
  QVERIFY(!enabled("btnInicio"));

  const QString erros = Find<QPlainTextEdit>(janela, "memoError")->toPlainText();
  QVERIFY2(erros.contains("(0-0000) ENTIDADE: O CNPJ \"11111111111111\" digitado é inválido!"), qPrintable(erros));
  const QStringList shown = preview->toPlainText().split('\n');
  // A run in progress writes beside the chosen file until block 9.
  const QStringList file =
      FileLines(QString::fromStdString(janela.Logica().VornVUDIRozAzezav1.ArquivoEmGravacao()));
  QVERIFY(file.size() >= 3);
  QVERIFY(shown.first().startsWith("|0000|"));
  QCOMPARE(shown.mid(0, 3), file.mid(0, 3));
  QCOMPARE(shown.size(), file.size());
}

void MainWindowGuiTest::todosRunsAndCloses() {
  QT_REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  ModalScript script;
  script.Login("001", "operador", "kivo123");
  MainWindow janela(Settings(erp, dir));
  QVERIFY(janela.Iniciar());
  janela.show();
  QVERIFY(QTest::qWaitForWindowExposed(&janela));
  Find<QDateEdit>(janela, "DateEdit1")->setDate(QDate(2024, 3, 1));
  Find<QDateEdit>(janela, "DateEdit2")->setDate(QDate(2024, 3, 31));
  auto* edtFile = Find<QLineEdit>(janela, "edtFile");
  const QString arquivo = QString::fromStdString(dir.File("todos.txt"));
  edtFile->selectAll();
  QTest::keyClicks(edtFile, arquivo);

  QStringList messages;
  script.Message(&messages);
  auto* barra = Find<QProgressBar>(janela, "ProgressBar1");
  PaintedValues painted(barra);
  QSignalSpy captions(&janela, &QWidget::windowTitleChanged);
  QTest::mouseClick(Find<QPushButton>(janela, "BitBtn1"), Qt::LeftButton);

  QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
  QCOMPARE(messages.size(), 1);
  QVERIFY(messages.first().startsWith("Iniciou as "));
  QVERIFY(messages.first().contains(" * Finalizou as "));
  QVERIFY(!janela.isVisible());  // closed at the end
  QCOMPARE(barra->value(), 100);
  // The bar was painted while the run went on, not only at its end.
  QVERIFY2(painted.values.size() >= 5, qPrintable(QString::number(painted.values.size())));
  QCOMPARE(painted.values.last(), 100);
  QVERIFY(!captions.isEmpty());
  const QStringList file = FileLines(arquivo);
  QVERIFY(!file.isEmpty());
  QVERIFY(file.first().startsWith("|0000|"));
  QVERIFY(file.last().startsWith("|9999|"));
}

QTEST_MAIN(MainWindowGuiTest)
#include "main_window_gui_test.moc"
