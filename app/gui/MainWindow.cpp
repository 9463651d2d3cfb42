#include "MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "ConsultaSqlWindow.h"
#include "LoginDialog.h"
#include "LoginKivo.h"
#include "QtText.h"

namespace {
// Day 0 of the core's dates; shown as an empty field.
const QDate kDiaZero(1899, 12, 30);

QDate ParaQDate(TDateTime d) { return kDiaZero.addDays(static_cast<qint64>(std::floor(d))); }
TDateTime DeQDate(const QDate& d) { return static_cast<TDateTime>(kDiaZero.daysTo(d)); }

void Estado(QWidget* w, const TControl& c) {
  if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
  if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
  if (w->toolTip() != Q(c.Hint)) w->setToolTip(Q(c.Hint));
}

// Keeps an editable control's signals quiet while the core's value is put into it.
template <class W>
struct Quieto {
  explicit Quieto(W* w) : w_(w), antes_(w->blockSignals(true)) {}
  ~Quieto() { w_->blockSignals(antes_); }
  W* w_;
  bool antes_;
};
}  // namespace

MainWindow::MainWindow(TAppSettings settings, QWidget* parent)
    : QWidget(parent), frm_(std::make_unique<TFrmVUDIRozAzezav>(*this, std::move(settings))) {
  setObjectName("FrmVUDIRozAzezav");
  CriaJanela();
  Espelha();
}

MainWindow::~MainWindow() {
  try {
    frm_->FormDestroy();
  } catch (...) {
    // The program is ending: a failure to close the store query changes nothing.
  }
}

bool MainWindow::Iniciar() {
  try {
    if (!frm_->FormCreate()) return false;
    frm_->FormShow();
  } catch (const std::exception& e) {
    MostraErro(this, e.what());
    return false;
  }
  Espelha();
  de_->setFocus();
  return true;
}

// ---- Building the window ----

QPushButton* MainWindow::Botao(TButton& b, const char* nome, Handler h) {
  auto* w = new QPushButton(Q(b.Caption), this);
  w->setObjectName(nome);
  w->setAutoDefault(false);
  if (h) connect(w, &QPushButton::clicked, this, [this, h] { Executa(h); });
  botoes_.emplace_back(w, &b);
  return w;
}

QCheckBox* MainWindow::Caixa(TCheckBox& c, const char* nome) {
  auto* w = new QCheckBox(Q(c.Caption), this);
  w->setObjectName(nome);
  caixas_.emplace_back(w, &c);
  return w;
}

QLineEdit* MainWindow::Campo(TEdit& e, const char* nome) {
  auto* w = new QLineEdit(this);
  w->setObjectName(nome);
  if (e.MaxLength > 0) w->setMaxLength(e.MaxLength);
  campos_.emplace_back(w, &e);
  return w;
}

QLabel* MainWindow::Rotulo(const std::string& texto, QWidget* controle, const TControl& c) {
  auto* l = new QLabel(Q(texto), this);
  l->setBuddy(controle);
  rotulos_.emplace_back(l, &c);
  return l;
}

MainWindow::Grupo& MainWindow::GrupoRadio(TRadioGroup& g, const char* nome) {
  auto grupo = std::make_unique<Grupo>();
  grupo->caixa = new QGroupBox(Q(g.Caption), this);
  grupo->caixa->setObjectName(nome);
  grupo->botoes = new QButtonGroup(grupo->caixa);
  grupo->controle = &g;
  auto* layout = new QVBoxLayout(grupo->caixa);
  for (size_t i = 0; i < g.Items.size(); ++i) {
    auto* r = new QRadioButton(Q(g.Items[i]), grupo->caixa);
    grupo->botoes->addButton(r, static_cast<int>(i));
    layout->addWidget(r);
  }
  grupos_.push_back(std::move(grupo));
  return *grupos_.back();
}

QDateEdit* MainWindow::Data(TDateEdit& d, const char* nome) {
  auto* w = new QDateEdit(this);
  w->setObjectName(nome);
  w->setCalendarPopup(true);
  w->setDisplayFormat("dd/MM/yyyy");
  // The core's "no date" is day zero: the minimum, shown empty.
  w->setMinimumDate(kDiaZero);
  w->setSpecialValueText(" ");
  w->setDate(kDiaZero);
  datas_.emplace_back(w, &d);
  return w;
}

void MainWindow::CriaJanela() {
  TFrmVUDIRozAzezav& f = *frm_;
  resize(1120, 860);

  // Store, with its regime and the console button.
  loja_ = new QComboBox(this);
  loja_->setObjectName("RxDBLookupCombo1");
  loja_->setMaxVisibleItems(f.RxDBLookupCombo1.DropDownCount);
  loja_->setMinimumContentsLength(30);
  loja_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // Only a new store counts: picking the same one again must not reset the file name typed.
  connect(loja_, &QComboBox::currentIndexChanged, this,
          [this] { Executa(&TFrmVUDIRozAzezav::RxDBLookupCombo1Change); });
  regime_ = new QLabel(this);
  regime_->setObjectName("RxLabel1");
  consultas_ = new QToolButton(this);
  consultas_->setObjectName("SpeedButton1");
  consultas_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  consultas_->setAutoRaise(true);
  connect(consultas_, &QToolButton::clicked, this, [this] { Executa(&TFrmVUDIRozAzezav::SpeedButton1Click); });

  auto* linhaLoja = new QHBoxLayout;
  linhaLoja->addWidget(Rotulo(f.RxDBLookupCombo1.Label, loja_, f.RxDBLookupCombo1));
  linhaLoja->addWidget(loja_, 1);
  linhaLoja->addSpacing(12);
  linhaLoja->addWidget(regime_);
  linhaLoja->addStretch(1);
  linhaLoja->addWidget(consultas_);

  // Period, version and output file.
  de_ = Data(f.DateEdit1, "DateEdit1");
  ate_ = Data(f.DateEdit2, "DateEdit2");
  versao_ = new QComboBox(this);
  versao_->setObjectName("ComboBox1");
  versao_->setEditable(true);  // the operator may clear it; "Bloco 0" then asks for a version
  versao_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& item : f.ComboBox1.Items) versao_->addItem(Q(item));
  versao_->setMinimumContentsLength(5);
  QLineEdit* arquivo = Campo(f.edtFile, "edtFile");
  connect(arquivo, &QLineEdit::textEdited, this, [this] { Executa(&TFrmVUDIRozAzezav::edtFileChange); });

  auto* linhaPeriodo = new QHBoxLayout;
  linhaPeriodo->addWidget(Rotulo(f.DateEdit1.Label, de_, f.DateEdit1));
  linhaPeriodo->addWidget(de_);
  linhaPeriodo->addSpacing(8);
  linhaPeriodo->addWidget(Rotulo(f.DateEdit2.Label, ate_, f.DateEdit2));
  linhaPeriodo->addWidget(ate_);
  linhaPeriodo->addSpacing(16);
  linhaPeriodo->addWidget(Rotulo(f.ComboBox1.Label, versao_, f.ComboBox1));
  linhaPeriodo->addWidget(versao_);
  linhaPeriodo->addSpacing(16);
  linhaPeriodo->addWidget(Rotulo(f.edtFile.Label, arquivo, f.edtFile));
  linhaPeriodo->addWidget(arquivo, 1);

  // Options: how the contributions are assessed, what goes in, how the file is written.
  Grupo& g1 = GrupoRadio(f.RadioGroup1, "RadioGroup1");
  Grupo& g3 = GrupoRadio(f.RadioGroup3, "RadioGroup3");
  Grupo& g4 = GrupoRadio(f.RadioGroup4, "RadioGroup4");
  Grupo& g2 = GrupoRadio(f.RadioGroup2, "RadioGroup2");

  QLineEdit* receita205 = Campo(f.Edit1, "Edit1");
  QLineEdit* receita605 = Campo(f.Edit2, "Edit2");
  receita205->setMaximumWidth(100);
  receita605->setMaximumWidth(100);
  auto* receitas = new QGridLayout;
  receitas->addWidget(Rotulo(f.Edit1.Label, receita205, f.Edit1), 0, 0);
  receitas->addWidget(receita205, 0, 1);
  receitas->addWidget(Rotulo(f.Edit2.Label, receita605, f.Edit2), 1, 0);
  receitas->addWidget(receita605, 1, 1);
  receitas->setColumnStretch(2, 1);

  auto* colunaDireita = new QVBoxLayout;
  colunaDireita->addWidget(g4.caixa);
  colunaDireita->addLayout(receitas);
  colunaDireita->addWidget(g2.caixa);
  colunaDireita->addStretch();
  auto* colunaEsquerda = new QVBoxLayout;
  colunaEsquerda->addWidget(g1.caixa);
  colunaEsquerda->addWidget(g3.caixa);
  colunaEsquerda->addStretch();
  auto* opcoes = new QHBoxLayout;
  opcoes->addLayout(colunaEsquerda, 3);
  opcoes->addLayout(colunaDireita, 1);

  QCheckBox* concomitante = Caixa(f.cbConcomitante, "cbConcomitante");
  connect(concomitante, &QCheckBox::clicked, this, [this] { Executa(&TFrmVUDIRozAzezav::cbConcomitanteClick); });
  QLineEdit* bufLinhas = Campo(f.edBufLinhas, "edBufLinhas");
  QLineEdit* bufNotas = Campo(f.edBufNotas, "edBufNotas");
  QLineEdit* notas = Campo(f.edNotas, "edNotas");
  for (QLineEdit* e : {bufLinhas, bufNotas, notas}) e->setMaximumWidth(90);
  auto* linhaGeracao = new QHBoxLayout;
  linhaGeracao->addWidget(concomitante);
  linhaGeracao->addSpacing(12);
  linhaGeracao->addWidget(Rotulo(f.edBufLinhas.Label, bufLinhas, f.edBufLinhas));
  linhaGeracao->addWidget(bufLinhas);
  linhaGeracao->addWidget(Rotulo(f.edBufNotas.Label, bufNotas, f.edBufNotas));
  linhaGeracao->addWidget(bufNotas);
  linhaGeracao->addWidget(Rotulo(f.edNotas.Label, notas, f.edNotas));
  linhaGeracao->addWidget(notas);
  linhaGeracao->addSpacing(24);
  linhaGeracao->addWidget(Caixa(f.CheckBox2, "CheckBox2"));
  linhaGeracao->addWidget(Caixa(f.CheckBox7, "CheckBox7"));
  linhaGeracao->addWidget(Caixa(f.CheckBox1, "CheckBox1"));
  linhaGeracao->addWidget(Caixa(f.cbBlocoMTabelas, "cbBlocoMTabelas"));
  linhaGeracao->addWidget(Caixa(f.CheckBox3, "CheckBox3"));
  linhaGeracao->addStretch();

  // The run, step by step in the order of the file, or all at once.
  auto* linhaBotoes = new QHBoxLayout;
  linhaBotoes->addWidget(Botao(f.btnInicio, "btnInicio", &TFrmVUDIRozAzezav::btnInicioClick));
  linhaBotoes->addWidget(Botao(f.btnB_0, "btnB_0", &TFrmVUDIRozAzezav::btnB_0Click));
  linhaBotoes->addWidget(Botao(f.btnB_A, "btnB_A", &TFrmVUDIRozAzezav::btnB_AClick));
  linhaBotoes->addWidget(Botao(f.btnB_C, "btnB_C", &TFrmVUDIRozAzezav::btnB_CClick));
  linhaBotoes->addWidget(Botao(f.btnB_D, "btnB_D", &TFrmVUDIRozAzezav::btnB_DClick));
  linhaBotoes->addWidget(Botao(f.btnB_F, "btnB_F", &TFrmVUDIRozAzezav::btnB_FClick));
  linhaBotoes->addWidget(Botao(f.btnB_M, "btnB_M", &TFrmVUDIRozAzezav::btnB_MClick));
  linhaBotoes->addWidget(Botao(f.btnB_1, "btnB_1", &TFrmVUDIRozAzezav::btnB_1Click));
  linhaBotoes->addWidget(Botao(f.btnB_9, "btnB_9", &TFrmVUDIRozAzezav::btnB_9Click));
  linhaBotoes->addWidget(Botao(f.btnTXT, "btnTXT", &TFrmVUDIRozAzezav::btnTXTClick));
  linhaBotoes->addStretch();
  linhaBotoes->addWidget(Botao(f.btnError, "btnError", &TFrmVUDIRozAzezav::btnErrorClick));
  linhaBotoes->addSpacing(12);
  QPushButton* todos = Botao(f.BitBtn1, "BitBtn1", &TFrmVUDIRozAzezav::BitBtn1Click);
  QFont negrito = todos->font();
  negrito.setBold(true);
  todos->setFont(negrito);
  linhaBotoes->addWidget(todos);
  // Mirrored with the buttons (state and hint).
  botoes_.emplace_back(nullptr, &f.SpeedButton1);

  progresso_ = new QProgressBar(this);
  progresso_->setObjectName("ProgressBar1");

  // Messages and the file preview share the rest of the window.
  erros_ = new QPlainTextEdit(this);
  erros_->setObjectName("memoError");
  erros_->setReadOnly(true);
  erros_->setLineWrapMode(QPlainTextEdit::NoWrap);
  arquivo_ = new QPlainTextEdit(this);
  arquivo_->setObjectName("memoTXT");
  arquivo_->setReadOnly(true);
  arquivo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  arquivo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  arquivo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  arquivo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* painelErros = new QWidget(this);
  auto* le = new QVBoxLayout(painelErros);
  le->setContentsMargins(0, 0, 0, 0);
  validacao_ = new QLabel(painelErros);
  validacao_->setObjectName("lblValidacao");
  auto* cabecalhoErros = new QHBoxLayout;
  cabecalhoErros->addWidget(new QLabel("Mensagens", painelErros));
  cabecalhoErros->addStretch(1);
  cabecalhoErros->addWidget(validacao_);
  le->addLayout(cabecalhoErros);
  le->addWidget(erros_);
  auto* painelArquivo = new QWidget(this);
  auto* la = new QVBoxLayout(painelArquivo);
  la->setContentsMargins(0, 0, 0, 0);
  la->addWidget(Rotulo(f.memoTXT.Label, arquivo_, f.memoTXT));
  la->addWidget(arquivo_);
  auto* divisor = new QSplitter(Qt::Vertical, this);
  divisor->addWidget(painelErros);
  divisor->addWidget(painelArquivo);
  divisor->setStretchFactor(0, 1);
  divisor->setStretchFactor(1, 3);
  divisor->setChildrenCollapsible(false);

  auto* janela = new QVBoxLayout(this);
  janela->addLayout(linhaLoja);
  janela->addLayout(linhaPeriodo);
  janela->addLayout(opcoes);
  janela->addLayout(linhaGeracao);
  auto* traco = new QFrame(this);
  traco->setFrameShape(QFrame::HLine);
  traco->setFrameShadow(QFrame::Sunken);
  janela->addWidget(traco);
  janela->addLayout(linhaBotoes);
  janela->addWidget(progresso_);
  janela->addWidget(divisor, 1);
}

// ---- Core values and widgets ----

void MainWindow::Executa(Handler h) {
  if (ocupado_) return;
  ocupado_ = true;
  Coleta();
  try {
    (frm_.get()->*h)();
  } catch (const std::exception& e) {
    Espelha();
    MostraErro(this, e.what());
  }
  ocupado_ = false;
  Espelha();
}

void MainWindow::Coleta() {
  TFrmVUDIRozAzezav& f = *frm_;
  const int loja = loja_->currentIndex();
  f.RxDBLookupCombo1.KeyValue = loja >= 0 ? S(loja_->itemData(loja).toString()) : std::string();
  for (auto& [w, d] : datas_) d->Date = w->date() == w->minimumDate() ? 0 : DeQDate(w->date());
  f.ComboBox1.Text = S(versao_->currentText());
  for (auto& [w, e] : campos_) e->Text = S(w->text());
  for (auto& [w, c] : caixas_) c->Checked = w->isChecked();
  for (auto& g : grupos_) g->controle->ItemIndex = g->botoes->checkedId();
}

void MainWindow::Espelha() {
  TFrmVUDIRozAzezav& f = *frm_;

  const auto& linhas = f.RxDBLookupCombo1.Rows;
  const bool mesmas = linhas.size() == lojasMostradas_.size() &&
                      std::equal(linhas.begin(), linhas.end(), lojasMostradas_.begin(), [](auto& a, auto& b) {
                        return a.Key == b.Key && a.Text == b.Text;
                      });
  {
    Quieto q(loja_);
    if (!mesmas) {
      loja_->clear();
      for (const auto& r : linhas) loja_->addItem(Q(r.Text), Q(r.Key));
      lojasMostradas_ = linhas;
    }
    const int i = f.RxDBLookupCombo1.KeyValue.empty() ? -1 : loja_->findData(Q(f.RxDBLookupCombo1.KeyValue));
    if (loja_->currentIndex() != i) loja_->setCurrentIndex(i);
  }
  Estado(loja_, f.RxDBLookupCombo1);

  for (auto& [w, d] : datas_) {
    Quieto q(w);
    const QDate data = d->Date > 0 ? ParaQDate(d->Date) : w->minimumDate();
    if (w->date() != data) w->setDate(data);
    Estado(w, *d);
  }
  {
    Quieto q(versao_);
    const int i = f.ComboBox1.ItemIndex();
    if (versao_->currentIndex() != i) versao_->setCurrentIndex(i);
    if (versao_->currentText() != Q(f.ComboBox1.Text)) versao_->setEditText(Q(f.ComboBox1.Text));
  }
  Estado(versao_, f.ComboBox1);

  for (auto& [w, e] : campos_) {
    if (w->text() != Q(e->Text)) {
      Quieto q(w);
      w->setText(Q(e->Text));
    }
    Estado(w, *e);
  }
  for (auto& [w, c] : caixas_) {
    if (w->isChecked() != c->Checked) {
      Quieto q(w);
      w->setChecked(c->Checked);
    }
    Estado(w, *c);
  }
  for (auto& g : grupos_) {
    const int i = g->controle->ItemIndex;
    if (g->botoes->checkedId() != i) {
      if (QAbstractButton* b = g->botoes->button(i)) {
        b->setChecked(true);
      } else {
        // No item selected: an exclusive group cannot uncheck its last button.
        g->botoes->setExclusive(false);
        for (QAbstractButton* b : g->botoes->buttons()) b->setChecked(false);
        g->botoes->setExclusive(true);
      }
    }
    Estado(g->caixa, *g->controle);
  }
  for (auto& [w, b] : botoes_) {
    if (w) {
      if (w->text() != Q(b->Caption)) w->setText(Q(b->Caption));
      Estado(w, *b);
    } else {
      Estado(consultas_, *b);
    }
  }
  for (auto& [l, c] : rotulos_)
    if (l->isHidden() == c->Visible) l->setVisible(c->Visible);

  EspelhaRotulo(regime_, f.RxLabel1);
  EspelhaRotulo(validacao_, f.lblValidacao);

  progresso_->setRange(f.ProgressBar1.Min, f.ProgressBar1.Max);
  progresso_->setValue(f.ProgressBar1.Position);
  Estado(progresso_, f.ProgressBar1);

  EspelhaLinhas(erros_, f.memoError.Lines, errosMostrados_);
  Estado(erros_, f.memoError);
  EspelhaLinhas(arquivo_, f.memoTXT.Lines, arquivoMostrado_);
  Estado(arquivo_, f.memoTXT);
}

void MainWindow::EspelhaRotulo(QLabel* rotulo, const TLabel& l) {
  rotulo->setText(Q(l.Caption));
  QFont fonte = rotulo->font();
  if (fonte.bold() != l.Bold) {
    fonte.setBold(l.Bold);
    rotulo->setFont(fonte);
  }
  QPalette cores = rotulo->palette();
  const QColor cor = l.Color.empty() ? palette().color(QPalette::WindowText) : QColor(Q(l.Color));
  if (cores.color(QPalette::WindowText) != cor) {
    cores.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(cores);
  }
  Estado(rotulo, l);
}

void MainWindow::EspelhaLinhas(QPlainTextEdit* memo, const std::vector<std::string>& linhas,
                               std::vector<std::string>& mostradas) {
  if (linhas == mostradas) return;
  // Messages mostly grow at the end: add only the new lines then.
  const bool cresceu = linhas.size() > mostradas.size() && !mostradas.empty() &&
                       std::equal(mostradas.begin(), mostradas.end(), linhas.begin());
  if (cresceu) {
    for (size_t i = mostradas.size(); i < linhas.size(); ++i) memo->appendPlainText(Q(linhas[i]));
  } else {
    QString texto;
    for (size_t i = 0; i < linhas.size(); ++i) {
      if (i) texto += '\n';
      texto += Q(linhas[i]);
    }
    memo->setPlainText(texto);
  }
  mostradas = linhas;
}

// ---- Window host ----

// Over the console when it is open.
void MainWindow::ShowMessage(const std::string& text) {
  QWidget* modal = QApplication::activeModalWidget();
  MostraMensagem(modal ? modal : isVisible() ? this : nullptr, text);
}

std::optional<std::string> MainWindow::InputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& value) {
  bool ok = false;
  const QString texto = QInputDialog::getText(isVisible() ? this : nullptr, Q(caption), Q(prompt), QLineEdit::Normal,
                                              Q(value), &ok);
  if (!ok) return std::nullopt;
  return S(texto);
}

bool MainWindow::RunLogin(TfrloginKivo& dialog) {
  LoginDialog janela(dialog, isVisible() ? this : nullptr);
  return janela.exec() == QDialog::Accepted && dialog.ModalResult == TfrloginKivo::Resultado::OK;
}

void MainWindow::RunQueryWindow(TfrQuery& window) {
  ConsultaSqlWindow janela(window, this);
  janela.exec();
}

void MainWindow::SetCaption(const std::string& caption) {
  setWindowTitle(Q(caption));
  Repinta();
}

void MainWindow::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::Close() {
  fechando_ = true;
  close();
}

void MainWindow::ControlsChanged() {
  Espelha();
  Repinta();
}

// A long step shows its progress: paint now and let the window system catch up, but take no
// click or key until the step is over.
void MainWindow::Repinta() {
  if (!isVisible()) return;
  progresso_->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window stays while a step runs, unless the step itself closes it ("TODOS").
  if (ocupado_ && !fechando_) {
    event->ignore();
    return;
  }
  event->accept();
}
