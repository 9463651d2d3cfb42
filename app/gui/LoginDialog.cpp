#include "LoginDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "LoginKivo.h"
#include "QtText.h"

namespace {
// The password shows one "*" per character whatever the platform style would draw.
class EstiloSenha : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};

QLineEdit* Campo(const TEdit& e, const char* nome, QWidget* parent) {
  auto* edit = new QLineEdit(Q(e.Text), parent);
  edit->setObjectName(nome);
  if (e.MaxLength > 0) edit->setMaxLength(e.MaxLength);
  return edit;
}
}  // namespace

LoginDialog::LoginDialog(TfrloginKivo& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setObjectName("frloginKivo");
  setWindowTitle(Q(logic.Caption));
  setModal(true);

  edit1_ = Campo(logic.Edit1, "Edit1", this);
  if (logic.Edit1.NumbersOnly)
    edit1_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit1_));
  edit2_ = Campo(logic.Edit2, "Edit2", this);
  edit3_ = Campo(logic.Edit3, "Edit3", this);
  if (logic.Edit3.PasswordChar) {
    auto* estilo = new EstiloSenha;
    estilo->setParent(edit3_);
    edit3_->setStyle(estilo);
    edit3_->setEchoMode(QLineEdit::Password);
  }

  auto* campos = new QFormLayout;
  campos->addRow(Q(logic.Edit1.Label), edit1_);
  campos->addRow(Q(logic.Edit2.Label), edit2_);
  campos->addRow(Q(logic.Edit3.Label), edit3_);
  edit1_->setMinimumWidth(200);

  ok_ = new QPushButton(Q(logic.btnOK.Caption), this);
  ok_->setObjectName("btnOK");
  ok_->setDefault(true);
  cancelar_ = new QPushButton(Q(logic.btnCancelar.Caption), this);
  cancelar_->setObjectName("btnCancelar");
  cancelar_->setAutoDefault(false);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(ok_);
  botoes->addWidget(cancelar_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(campos);
  layout->addSpacing(8);
  layout->addLayout(botoes);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(edit1_, edit2_);
  setTabOrder(edit2_, edit3_);
  setTabOrder(edit3_, ok_);
  setTabOrder(ok_, cancelar_);

  connect(ok_, &QPushButton::clicked, this, &LoginDialog::Ok);
  connect(cancelar_, &QPushButton::clicked, this, &LoginDialog::reject);
}

void LoginDialog::Ok() {
  logic_.SetCodigoEmpresa(S(edit1_->text()));
  logic_.Edit2.Text = S(edit2_->text());
  logic_.Edit3.Text = S(edit3_->text());
  try {
    logic_.btnOKClick();
  } catch (const std::exception& e) {
    MostraMensagem(this, e.what());
    return;
  }
  accept();
}

// Cancel, Escape and the close box all end the login.
void LoginDialog::reject() {
  logic_.btnCancelarClick();
  QDialog::reject();
}
