#include "ConsultaSqlWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "QtText.h"

// ---- grid model ----

void ConsultaModel::Mostra(TConsultaDados* dados) {
  beginResetModel();
  dados_ = dados;
  linhas_ = dados ? static_cast<int>(dados->Rows().size()) : 0;
  endResetModel();
}

int ConsultaModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : linhas_; }

int ConsultaModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !dados_ ? 0 : static_cast<int>(dados_->FieldNames().size());
}

QVariant ConsultaModel::data(const QModelIndex& index, int role) const {
  if (!dados_ || !index.isValid() || index.row() >= linhas_) return {};
  const auto& valor = dados_->Rows()[index.row()][index.column()];
  if (role == Qt::DisplayRole) return valor ? Q(*valor) : QVariant();
  if (role == Qt::TextAlignmentRole && dados_->NumericFields()[index.column()])
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ConsultaModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || !dados_) return {};
  if (orientation == Qt::Horizontal) return Q(dados_->FieldNames()[section]);
  return section + 1;
}

bool ConsultaModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && dados_ && dados_->HasMore();
}

void ConsultaModel::fetchMore(const QModelIndex& parent) {
  if (parent.isValid() || !dados_) return;
  try {
    dados_->FetchMore();
  } catch (const std::exception& e) {
    // The view asks while it paints: the error box waits for the event loop.
    const std::string texto = e.what();
    QTimer::singleShot(0, [texto] { MostraErro(QApplication::activeWindow(), texto); });
  }
  Acompanha();
}

void ConsultaModel::Acompanha() {
  const int total = dados_ ? static_cast<int>(dados_->Rows().size()) : 0;
  if (total <= linhas_) return;
  beginInsertRows({}, linhas_, total - 1);
  linhas_ = total;
  endInsertRows();
}

// ---- window ----

ConsultaSqlWindow::ConsultaSqlWindow(TfrQuery& consulta, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      consulta_(consulta) {
  setObjectName("frQuery");
  setWindowTitle(TfrQuery::kCaption);
  resize(1000, 700);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  auto* rotulo = new QLabel(Q(consulta.Memo1.Label), this);
  rotulo->setBuddy(memo_);
  auto* colunaMemo = new QVBoxLayout;
  colunaMemo->addWidget(rotulo);
  colunaMemo->addWidget(memo_);

  auto* grupo = new QGroupBox(Q(consulta.RadioGroup1.Caption), this);
  grupo->setObjectName("RadioGroup1");
  escolha_ = new QButtonGroup(grupo);
  auto* itens = new QVBoxLayout(grupo);
  itens->setSpacing(2);
  for (std::size_t i = 0; i < consulta.RadioGroup1.Items.size(); ++i) {
    auto* r = new QRadioButton(Q(consulta.RadioGroup1.Items[i]), grupo);
    escolha_->addButton(r, static_cast<int>(i));
    itens->addWidget(r);
  }
  auto* topo = new QHBoxLayout;
  topo->addLayout(colunaMemo, 1);
  topo->addWidget(grupo);

  auto* botoes = new QHBoxLayout;
  botoes->addWidget(Botao(consulta.Button1, "Button1", &TfrQuery::Button1Click));
  botoes->addWidget(Botao(consulta.Button2, "Button2", &TfrQuery::Button2Click));
  botoes->addSpacing(16);
  botoes->addWidget(Botao(consulta.SpeedButton1, "SpeedButton1", &TfrQuery::SpeedButton1Click));
  botoes->addWidget(Botao(consulta.SpeedButton2, "SpeedButton2", &TfrQuery::SpeedButton2Click));
  botoes->addWidget(Botao(consulta.SpeedButton3, "SpeedButton3", &TfrQuery::SpeedButton3Click));
  botoes->addStretch();
  auto* copiar = new QPushButton("Copiar", this);
  copiar->setObjectName("Copiar");
  copiar->setAutoDefault(false);
  connect(copiar, &QPushButton::clicked, this, [this] { Copia(); });
  auto* salvar = new QPushButton("Salvar CSV...", this);
  salvar->setObjectName("SalvarCsv");
  salvar->setAutoDefault(false);
  connect(salvar, &QPushButton::clicked, this, [this] { SalvaCsv(); });
  botoes->addWidget(copiar);
  botoes->addWidget(salvar);

  // Display only: nothing is edited in the grid, but cells can be selected and copied.
  modelo_ = new ConsultaModel(this);
  grade_ = new QTableView(this);
  grade_->setObjectName("DBGrid1");
  grade_->setModel(modelo_);
  grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grade_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grade_->verticalHeader()->setDefaultSectionSize(grade_->fontMetrics().height() + 6);
  grade_->installEventFilter(this);

  auto* navegador = new QWidget(this);
  navegador->setObjectName("DBNavigator1");
  auto* nav = new QHBoxLayout(navegador);
  nav->setContentsMargins(0, 0, 0, 0);
  nav->setSpacing(0);
  const struct {
    const char* nome;
    QStyle::StandardPixmap icone;
    TfrQuery::TNavigateBtn botao;
  } setas[] = {{"nbFirst", QStyle::SP_MediaSkipBackward, TfrQuery::TNavigateBtn::nbFirst},
               {"nbPrior", QStyle::SP_MediaSeekBackward, TfrQuery::TNavigateBtn::nbPrior},
               {"nbNext", QStyle::SP_MediaSeekForward, TfrQuery::TNavigateBtn::nbNext},
               {"nbLast", QStyle::SP_MediaSkipForward, TfrQuery::TNavigateBtn::nbLast}};
  for (const auto& s : setas) {
    auto* b = new QToolButton(navegador);
    b->setObjectName(s.nome);
    b->setIcon(style()->standardIcon(s.icone));
    const TfrQuery::TNavigateBtn botao = s.botao;
    connect(b, &QToolButton::clicked, this, [this, botao] {
      Executa([this, botao] { consulta_.DBNavigator1Click(botao); });
    });
    nav->addWidget(b);
  }
  situacao_ = new QLabel(this);
  situacao_->setObjectName("Situacao");
  auto* rodape = new QHBoxLayout;
  rodape->addWidget(navegador);
  rodape->addSpacing(12);
  rodape->addWidget(situacao_, 1);

  auto* janela = new QVBoxLayout(this);
  janela->addLayout(topo);
  janela->addLayout(botoes);
  janela->addWidget(grade_, 1);
  janela->addLayout(rodape);

  Espelha();
  modelo_->Mostra(consulta_.DBGrid1);
}

QPushButton* ConsultaSqlWindow::Botao(TButton& b, const char* nome, Handler h) {
  auto* w = new QPushButton(Q(b.Caption), this);
  w->setObjectName(nome);
  w->setAutoDefault(false);
  connect(w, &QPushButton::clicked, this, [this, h] {
    Executa([this, h] { (consulta_.*h)(); });
    modelo_->Mostra(consulta_.DBGrid1);
    Espelha();
  });
  return w;
}

// Runs an action at the event boundary: the memo and the radio group go to the core first; a
// failure is shown and the window stays.
void ConsultaSqlWindow::Executa(const std::function<void()>& acao) {
  if (ocupado_) return;
  ocupado_ = true;
  consulta_.Memo1.Lines.clear();
  for (const QString& l : memo_->toPlainText().split('\n')) consulta_.Memo1.Lines.push_back(S(l));
  consulta_.RadioGroup1.ItemIndex = escolha_->checkedId();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    acao();
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    modelo_->Mostra(consulta_.DBGrid1);
    Espelha();
    MostraErro(this, e.what());
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  QApplication::restoreOverrideCursor();
  ocupado_ = false;
  if (modelo_->Dados() == consulta_.DBGrid1) modelo_->Acompanha();
  Espelha();
}

void ConsultaSqlWindow::Espelha() {
  QString texto;
  for (std::size_t i = 0; i < consulta_.Memo1.Lines.size(); ++i) texto += (i ? "\n" : "") + Q(consulta_.Memo1.Lines[i]);
  if (memo_->toPlainText() != texto) memo_->setPlainText(texto);
  if (QAbstractButton* b = escolha_->button(consulta_.RadioGroup1.ItemIndex)) b->setChecked(true);
  situacao_->setText(Q(consulta_.DBGrid1->Situacao()));
  const long atual = consulta_.DBGrid1->RecNo();
  if (modelo_->Dados() == consulta_.DBGrid1 && atual >= 0 && atual < modelo_->rowCount()) {
    const QModelIndex i = modelo_->index(static_cast<int>(atual), std::max(grade_->currentIndex().column(), 0));
    if (grade_->currentIndex().row() != i.row()) {
      grade_->setCurrentIndex(i);
      grade_->scrollTo(i);
    }
  }
}

QString ConsultaSqlWindow::Copia() {
  const QModelIndexList celulas = grade_->selectionModel()->selectedIndexes();
  if (celulas.isEmpty() || !modelo_->Dados()) return {};
  int topo = celulas[0].row(), base = topo, esquerda = celulas[0].column(), direita = esquerda;
  for (const QModelIndex& c : celulas) {
    topo = std::min(topo, c.row());
    base = std::max(base, c.row());
    esquerda = std::min(esquerda, c.column());
    direita = std::max(direita, c.column());
  }
  const QString texto = Q(TextoTabulado(*modelo_->Dados(), topo, base, esquerda, direita));
  QApplication::clipboard()->setText(texto);
  return texto;
}

// The grid's own copy takes only the current cell: the whole selection is copied instead.
bool ConsultaSqlWindow::eventFilter(QObject* objeto, QEvent* event) {
  if (objeto == grade_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    Copia();
    return true;
  }
  return QDialog::eventFilter(objeto, event);
}

void ConsultaSqlWindow::SalvaCsv() {
  const QString arquivo = QFileDialog::getSaveFileName(this, "Salvar CSV", QString(), "CSV (*.csv)");
  if (arquivo.isEmpty()) return;
  std::optional<std::size_t> linhas;
  Executa([&] { linhas = consulta_.SalvaCsv(S(arquivo)); });
  if (linhas) situacao_->setText(QString("%1 linhas gravadas em %2").arg(*linhas).arg(arquivo));
}
