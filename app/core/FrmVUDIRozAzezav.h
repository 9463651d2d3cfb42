#pragma once
// The main window's logic: start-up and login, the store list and defaults, and the run control
// (one handler per button), which maps the controls to the run's options and hands each step to
// the run context. Headless: what only a real window can do goes through IWindowHost.
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Controls.h"
#include "Database.h"
#include "DbQuery.h"
#include "Erro.h"
#include "Geracao.h"
#include "LinhaLoja.h"
#include "RunOptions.h"
#include "SessaoErp.h"
#include "VornVudiRozAzezav.h"
#include "WindowHost.h"

class TFrmVUDIRozAzezav {
public:
  static constexpr const char* kCaption = kTituloPrograma;

  TFrmVUDIRozAzezav(IWindowHost& host, TAppSettings settings = TAppSettings::BuildTime());
  ~TFrmVUDIRozAzezav();

  // Window creation: connects, logs in and switches to the company database. False means the
  // program ends (the reason was already shown, and FalhaInicio() tells its kind).
  bool FormCreate();
  using TFalhaInicio = ::TFalhaInicio;
  TFalhaInicio FalhaInicio() const { return falhaInicio_; }
  // Window shown: file name, period, store list and defaults.
  void FormShow();
  void FormDestroy();

  // Run control.
  void btnInicioClick();
  void btnB_0Click();
  void btnB_AClick();
  void btnB_CClick();
  void btnB_DClick();
  void btnB_FClick();
  void btnB_MClick();
  void btnB_1Click();
  void btnB_9Click();
  void btnTXTClick();
  void btnErrorClick();
  void BitBtn1Click();
  void cbConcomitanteClick();
  void edtFileChange();
  void RxDBLookupCombo1Change();
  void VornVUDIRozAzezav1Error(const std::string& MsnError);
  void MostraArquivo();
  // "Consultas": the SQL console, behind its access code.
  void SpeedButton1Click();

  // Start-up pieces.
  bool ValidaUsuario(const std::string& empresa, const std::string& usuario, const std::string& senha);
  void CriandoTabelas();
  // The run's options as the controls stand now.
  TRunOptions Opcoes() const;

  // Caption of the window (progress texts of the steps).
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);

  // Connection fields, applied to db0 at start-up.
  std::string HostName, LoginName, DatabaseName, Password, Porta;

  // Controls.
  TLookupCombo RxDBLookupCombo1;
  TDateEdit DateEdit1, DateEdit2;
  TComboBox ComboBox1;
  TEdit edtFile, edBufLinhas, edBufNotas, edNotas, Edit1, Edit2;
  TCheckBox cbConcomitante, CheckBox1, CheckBox2, CheckBox3, CheckBox7;
  TCheckBox cbBlocoMTabelas;  // "Bloco M pelas tabelas de trabalho"
  TRadioGroup RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4;
  TButton btnInicio, btnB_0, btnB_A, btnB_C, btnB_D, btnB_F, btnB_M, btnB_1, btnB_9, btnTXT, btnError, BitBtn1,
      SpeedButton1;
  TProgressBar ProgressBar1;
  TMemo memoError, memoTXT;
  TLabel RxLabel1;
  // "Arquivo validado: N erros, M avisos" once a completed file was checked; red with errors.
  TLabel lblValidacao;

  // Company values left by start-up.
  std::string cdicmsantec;

  TDbConnection db0;
  std::unique_ptr<TDbQuery> qrloginkivo;

private:
  TGeracao geracao_{db0};  // before the reference below, which points into it

public:
  // The run context: the file component, the run totals and the steps.
  TGeracao& Geracao() { return geracao_; }
  TVornVUDIRozAzezav& VornVUDIRozAzezav1;

  // The store query's current row (the selected store); empty fields before FormShow.
  std::string Empresa(const std::string& field) const;
  int64_t EmpresaInt(const std::string& field) const;

  // A Windows path under "c:\VudiROZAZEZAV\" in the folder that stands for it on this system.
  std::string CaminhoLocal(const std::string& path) const;
  IWindowHost& Host() { return host_; }

private:
  void CriaControles();
  void Habilita(TButton& b, bool enabled) { b.Enabled = enabled; }
  void Avisa() { host_.ControlsChanged(); }
  void SelecionaLoja(const std::string& key);
  // Checks the completed file through the run context and shows its summary line.
  void ValidaArquivo(const TRunOptions& o);

  IWindowHost& host_;
  TAppSettings settings_;
  TFalhaInicio falhaInicio_ = TFalhaInicio::Nenhuma;
  std::string caption_;
  int lojaRow_ = -1;
  std::vector<TLinhaLoja> lojas_;
};
