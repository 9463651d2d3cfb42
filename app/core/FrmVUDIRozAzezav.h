#pragma once
// The main window's logic: start-up and login, the store list and defaults, the run control of
// the generation (one handler per button) and the working tables. Headless: what only a real
// window can do goes through IWindowHost.
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Controls.h"
#include "Database.h"
#include "DbQuery.h"
#include "DbScript.h"
#include "VornVudiRozAzezav.h"
#include "WindowHost.h"

// The window's own error: its message reaches the operator and aborts the pressed button.
class Erro : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Where the program finds the ERP server and where its default files go.
struct TAppSettings {
  TDbSettings Conexao;         // catalogue database in Database
  std::string PastaUsuario;    // folder that stands for "c:\VudiROZAZEZAV\" (empty: the user's home)
  static TAppSettings BuildTime();
};

class TFrmVUDIRozAzezav {
public:
  static constexpr const char* kCaption = "VudiROZAZEZAV - KivoWeb - Versão 1.4.0";

  TFrmVUDIRozAzezav(IWindowHost& host, TAppSettings settings = TAppSettings::BuildTime());
  ~TFrmVUDIRozAzezav();

  // Window creation: connects, logs in and switches to the company database. False means the
  // program ends (the reason was already shown, and FalhaInicio() tells its kind).
  bool FormCreate();
  enum class TFalhaInicio { Nenhuma, Conexao, LoginCancelado, Login, BancoDeDados };
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
  TRadioGroup RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4;
  TButton btnInicio, btnB_0, btnB_A, btnB_C, btnB_D, btnB_F, btnB_M, btnB_1, btnB_9, btnTXT, btnError, BitBtn1,
      SpeedButton1;
  TProgressBar ProgressBar1;
  TMemo memoError, memoTXT;
  TLabel RxLabel1;

  // Run totals of block C, read by block M.
  long double vlpisM200 = 0, vlcofinsM200 = 0;
  // Company values left by start-up.
  std::string cdicmsantec;
  // Accountant fields, kept between runs.
  std::string nome_contador, cpf_contador, crc_contador, cnpj_contador, cep_contador, endereco_contador,
      nro_contador, compl_contador, bairro_contador, fone_contador, fax_contador, email_contador, cidade_contador;

  TDbConnection db0;
  std::unique_ptr<TDbQuery> qr1, qr2, qr3, qr4, qr5, qr6, qr7, qrempresa, qrloginkivo, qrContaContabil;
  std::unique_ptr<TDbScript> z1, z2;
  TVornVUDIRozAzezav VornVUDIRozAzezav1;

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
  // Extraction of each block: fills the block's tree from the ERP database.
  void ExtraiBloco0();
  void ExtraiBlocoA();
  void ExtraiBlocoC();
  void ExtraiBlocoCConsolidado();
  void ExtraiBlocoD();
  void ExtraiBlocoF();
  void ExtraiBlocoM();
  void ExtraiBloco1();
  // The account of a register in the ERP's account-per-register table ("" when none).
  std::string ContaContabil(const std::string& registro);
  // Block C, individual documents: its parts, the account of a register for a movement type
  // of the store, the recomputed PIS/COFINS totals and the rows of non-taxed revenue.
  void ExtraiBlocoCEntradas();
  void ExtraiBlocoCSaidas();
  void ExtraiBlocoCNfce();
  void ExtraiBlocoCCupons();
  void ExtraiBlocoCContas();
  std::string ContaContabilMov(const std::string& registro, const std::string& tpMov);
  std::map<std::string, std::string> contasMov_;  // accounts already read in this block C run
  long double TotalPisCofinsEntrada(const std::string& nrNfent, int tipo);
  long double TotalPisCofinsNF(const std::string& loja, const std::string& nrNf, bool pis);
  void GravaM400800(int tpDoc, const std::string& cdProd, double valor, const std::string& cdCod);
  bool TributacaoReal() const;
  bool liminar_ = false;

  IWindowHost& host_;
  TAppSettings settings_;
  TFalhaInicio falhaInicio_ = TFalhaInicio::Nenhuma;
  std::string caption_;
  int lojaRow_ = -1;
  std::vector<std::vector<std::pair<std::string, std::string>>> lojas_;
  int notas_ = 1, bufNotas_ = 1;
};
