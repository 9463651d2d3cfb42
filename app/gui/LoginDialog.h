#pragma once
// The login dialog: company code, user and password over the dialog's logic. OK stays open
// with a message while a field is empty.
#include <QDialog>

class QLineEdit;
class QPushButton;
class TfrloginKivo;

class LoginDialog : public QDialog {
  Q_OBJECT
public:
  LoginDialog(TfrloginKivo& logic, QWidget* parent = nullptr);

  QLineEdit* edtEmpresa() const { return edit1_; }
  QLineEdit* edtUsuario() const { return edit2_; }
  QLineEdit* edtSenha() const { return edit3_; }
  QPushButton* btnOK() const { return ok_; }
  QPushButton* btnCancelar() const { return cancelar_; }

  void reject() override;

private:
  void Ok();

  TfrloginKivo& logic_;
  QLineEdit *edit1_, *edit2_, *edit3_;
  QPushButton *ok_, *cancelar_;
};
