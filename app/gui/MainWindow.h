#pragma once
// The main window in Qt: shows what the core window holds, passes the operator's actions to its
// handlers, and is the core's window host (message and input boxes, login, caption, repaint).
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FrmVUDIRozAzezav.h"
#include "WindowHost.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

class MainWindow : public QWidget, public IWindowHost {
  Q_OBJECT
public:
  explicit MainWindow(TAppSettings settings, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Connects, logs in and fills the defaults. False: the program ends (the reason was shown).
  bool Iniciar();

  TFrmVUDIRozAzezav& Logica() { return *frm_; }
  // Whether a handler is running (the window takes no new action meanwhile).
  bool Ocupado() const { return ocupado_; }

  // IWindowHost
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;
  bool RunLogin(TfrloginKivo& dialog) override;
  void RunQueryWindow(TfrQuery& window) override;
  void SetCaption(const std::string& caption) override;
  void ProcessMessages() override;
  void Close() override;
  void ControlsChanged() override;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  using Handler = void (TFrmVUDIRozAzezav::*)();
  struct Grupo {
    QGroupBox* caixa;
    QButtonGroup* botoes;
    TRadioGroup* controle;
  };

  void CriaJanela();
  QPushButton* Botao(TButton& b, const char* nome, Handler h);
  QCheckBox* Caixa(TCheckBox& c, const char* nome);
  QLineEdit* Campo(TEdit& e, const char* nome);
  QLabel* Rotulo(const std::string& texto, QWidget* controle, const TControl& c);
  Grupo& GrupoRadio(TRadioGroup& g, const char* nome);
  QDateEdit* Data(TDateEdit& d, const char* nome);

  // Runs a handler at the event boundary: the widgets' values go to the core first, a failure
  // is shown in an error box and the window goes on.
  void Executa(Handler h);
  void Coleta();
  void Espelha();
  // Text, weight and colour of a core label.
  void EspelhaRotulo(QLabel* rotulo, const TLabel& l);
  void EspelhaLinhas(QPlainTextEdit* memo, const std::vector<std::string>& linhas,
                     std::vector<std::string>& mostradas);
  void Repinta();

  std::unique_ptr<TFrmVUDIRozAzezav> frm_;
  bool ocupado_ = false;
  bool fechando_ = false;

  QComboBox* loja_ = nullptr;
  std::vector<TLookupCombo::Row> lojasMostradas_;
  QDateEdit *de_ = nullptr, *ate_ = nullptr;
  QComboBox* versao_ = nullptr;
  QLabel* regime_ = nullptr;
  QLabel* validacao_ = nullptr;  // the completed file's check
  QToolButton* consultas_ = nullptr;
  QProgressBar* progresso_ = nullptr;
  QPlainTextEdit *erros_ = nullptr, *arquivo_ = nullptr;
  std::vector<std::string> errosMostrados_, arquivoMostrado_;

  std::vector<std::pair<QPushButton*, TButton*>> botoes_;
  std::vector<std::pair<QCheckBox*, TCheckBox*>> caixas_;
  std::vector<std::pair<QLineEdit*, TEdit*>> campos_;
  std::vector<std::pair<QDateEdit*, TDateEdit*>> datas_;
  std::vector<std::unique_ptr<Grupo>> grupos_;
  // Labels and the control whose visibility they follow.
  std::vector<std::pair<QLabel*, const TControl*>> rotulos_;
};
