#pragma once
// Answers the modal windows a step opens (login dialog, message boxes), in the order they come.
// Each answer runs once its window is the active modal one; a window nobody expected is noted
// and closed, so a test fails instead of waiting forever.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "LoginDialog.h"

class ModalScript : public QObject {
public:
  using Answer = std::function<bool(QWidget*)>;  // false: not the window it answers

  ModalScript() {
    timer_.setInterval(15);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Tick);
    timer_.start();
  }

  // The login dialog: fills the three fields, then OK (or Cancel).
  ModalScript& Login(const QString& empresa, const QString& usuario, const QString& senha, bool ok = true) {
    return Then([=](QWidget* w) {
      auto* d = qobject_cast<LoginDialog*>(w);
      if (!d) return false;
      d->edtEmpresa()->setText(empresa);
      d->edtUsuario()->setText(usuario);
      d->edtSenha()->setText(senha);
      (ok ? d->btnOK() : d->btnCancelar())->click();
      return true;
    });
  }
  // A message box: its text is appended to `texts`, then it is closed.
  ModalScript& Message(QStringList* texts) {
    return Then([texts](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box) return false;
      texts->append(box->text());
      box->accept();
      return true;
    });
  }
  ModalScript& Then(Answer a) {
    answers_.push_back(std::move(a));
    return *this;
  }

  bool Done() const { return answers_.empty(); }
  const QStringList& Unexpected() const { return unexpected_; }

private:
  void Tick() {
    if (pending_) return;
    QWidget* w = QApplication::activeModalWidget();
    // A window whose answer is still running (waiting, or inside a window it opened) is left alone.
    if (!w || !w->isVisible() || answering_.contains(w)) return;
    pending_ = true;
    // Answer from the event loop, not from inside the timer: the answer may open the next
    // modal window, whose own loop must see this timer again.
    QTimer::singleShot(0, this, [this, w] {
      pending_ = false;
      if (QApplication::activeModalWidget() != w) return;
      if (!answers_.empty()) {
        // Taken off first: the answer may open the next window before it returns.
        Answer a = std::move(answers_.front());
        answers_.pop_front();
        answering_.append(w);
        const bool answered = a(w);
        answering_.removeOne(w);
        if (answered) return;
        answers_.push_front(std::move(a));
      }
      auto* box = qobject_cast<QMessageBox*>(w);
      unexpected_.append(w->metaObject()->className() + QString(": ") + (box ? box->text() : w->windowTitle()));
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    });
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QStringList unexpected_;
  QList<QWidget*> answering_;
  bool pending_ = false;
};
