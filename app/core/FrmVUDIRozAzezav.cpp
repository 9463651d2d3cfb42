#include "FrmVUDIRozAzezav.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "BuildConfig.h"
#include "ConsultaSql.h"
#include "Funcoes.h"
#include "HashMD5.h"
#include "LoginKivo.h"
#include "TextUtil.h"

namespace {
const char* kArquivoPadrao = "c:\\VudiROZAZEZAV\\VudiROZAZEZAV.txt";

// Integer of an edit box, or `fallback` when the text is not a valid integer.
int IntOr(const std::string& text, int fallback) {
  int v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size() && !text.empty() ? v : fallback;
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}
}  // namespace

TAppSettings TAppSettings::BuildTime() {
  TAppSettings s;
  s.Conexao.HostName = VUDI_DB_HOST;
  s.Conexao.Port = static_cast<unsigned>(IntOr(VUDI_DB_PORT, 3306));
  s.Conexao.Database = VUDI_DB_CATALOG;
  s.Conexao.User = VUDI_DB_USER;
  s.Conexao.Password = VUDI_DB_PASSWORD;
  return s;
}

TFrmVUDIRozAzezav::TFrmVUDIRozAzezav(IWindowHost& host, TAppSettings settings)
    : host_(host), settings_(std::move(settings)) {
  CriaControles();
  qr1 = std::make_unique<TDbQuery>(db0);
  qr2 = std::make_unique<TDbQuery>(db0);
  qr3 = std::make_unique<TDbQuery>(db0);
  qr4 = std::make_unique<TDbQuery>(db0);
  qr5 = std::make_unique<TDbQuery>(db0);
  qr6 = std::make_unique<TDbQuery>(db0);
  qr7 = std::make_unique<TDbQuery>(db0);
  qrempresa = std::make_unique<TDbQuery>(db0);
  qrloginkivo = std::make_unique<TDbQuery>(db0);
  qrContaContabil = std::make_unique<TDbQuery>(db0);
  z1 = std::make_unique<TDbScript>(db0);
  z2 = std::make_unique<TDbScript>(db0);
  VornVUDIRozAzezav1.SetOnError([this](const std::string& m) { VornVUDIRozAzezav1Error(m); });
  // A "|" inside an ERP text (a name, an address) would add a field to its line.
  VornVUDIRozAzezav1.SetReplaceDelimitador(true);
}

TFrmVUDIRozAzezav::~TFrmVUDIRozAzezav() = default;

void TFrmVUDIRozAzezav::CriaControles() {
  RxDBLookupCombo1.Label = "Loja";
  RxDBLookupCombo1.KeyField = "cd_loja";
  RxDBLookupCombo1.ListField = "nmemp";
  RxDBLookupCombo1.DropDownCount = 8;
  DateEdit1.Label = "De";
  DateEdit2.Label = "Até";
  ComboBox1.Label = "Cod.Versão";
  ComboBox1.Items = {"100", "101", "200", "201", "202", "310", "320"};
  ComboBox1.SetItemIndex(6);
  edtFile.Label = "Nome do Arquivo";
  edtFile.Text = kArquivoPadrao;
  cbConcomitante.Caption = "Gerar Concomitante";
  cbConcomitante.Checked = true;
  cbConcomitante.Hint = "Grava os Registros a medida que são alimentados\nEconomizando memória. \nÚtil para evitar erros em arquivos Enormes";
  edBufLinhas.Label = "Buffer Linhas";
  edBufLinhas.Text = "1000";
  edBufNotas.Label = "Buffer Notas";
  edBufNotas.Text = "1000";
  edBufNotas.Enabled = false;
  edNotas.Label = "Num.Notas (C)";
  edNotas.Text = "1000000";
  RadioGroup1.Caption = "Indicador da Apuração das Contribuições e Créditos";
  RadioGroup1.Items = {"Apuração com Base nos Registros de Consolidação das Operações por NF-e (C180 e C190) e por ECF (C490)",
                       "Apuração com Base nos Registro Individualizado de NF-e (C100 e C170) e de ECF (C400)"};
  RadioGroup1.ItemIndex = 1;
  RadioGroup3.Caption = "Código Indicador do Critério de Escrituração e Apuração ";
  RadioGroup3.Items = {"1 - Regime de Caixa Escrituração Consolidada (Registro F500); ",
                       "2 - Regime de Competência - Escrituração Consolidada (Registro F550); ",
                       "9 - Regime de Competência - Escrituração Detalhada, com Base nos Registros dos Blocos A, C, D e F."};
  RadioGroup3.ItemIndex = 2;
  RadioGroup4.Caption = "M205/605 Detalhamento Código Receita";
  RadioGroup4.Items = {"08 Regime Não Cumulativo", "12 Regime Cumulativo"};
  RadioGroup4.ItemIndex = 0;
  Edit1.Label = "Código da Receita (M205)";
  Edit1.Text = "691201";
  Edit2.Label = "Código da Receita (M605)";
  Edit2.Text = "585601";
  CheckBox2.Caption = "Inclui CUPOM FISCAL";
  CheckBox7.Caption = "Inclui NFC-e";
  CheckBox7.Checked = true;
  CheckBox1.Caption = "Inclui F120";
  RadioGroup2.Caption = "Finalidade";
  RadioGroup2.Items = {"Remessa do Arquivo Original", "Remessa do Arquivo Substituto"};
  RadioGroup2.ItemIndex = 0;
  RadioGroup2.Enabled = false;
  CheckBox3.Caption = "Organiza Informações";
  CheckBox3.Visible = false;
  SpeedButton1.Hint = "Consultas";
  RxLabel1.Caption = "RxLabel1";
  RxLabel1.Bold = true;
  RxLabel1.Color = "red";
  btnInicio.Caption = "Inicio";
  btnB_0.Caption = "Bloco 0";
  btnB_A.Caption = "Bloco A";
  btnB_C.Caption = "Bloco C";
  btnB_D.Caption = "Bloco D";
  btnB_F.Caption = "Bloco F";
  btnB_M.Caption = "Bloco M";
  btnB_1.Caption = "Bloco 1";
  btnB_9.Caption = "Bloco 9";
  btnTXT.Caption = "Gerar TXT";
  btnError.Caption = "Gerar TXT Error";
  BitBtn1.Caption = "TODOS";
  memoTXT.Label = "Arquivo Gerado";
}

void TFrmVUDIRozAzezav::SetCaption(const std::string& text) {
  caption_ = text;
  host_.SetCaption(text);
}

std::string TFrmVUDIRozAzezav::CaminhoLocal(const std::string& path) const {
#ifdef _WIN32
  return path;
#else
  static const std::string kPrefixo = "c:\\VudiROZAZEZAV\\";
  if (!StartsWithNoCase(path, kPrefixo)) return path;
  std::string pasta = settings_.PastaUsuario;
  if (pasta.empty()) {
    const char* home = std::getenv("HOME");
    pasta = home && *home ? home : ".";
  }
  std::filesystem::path local = std::filesystem::path(pasta) / "VudiROZAZEZAV" / path.substr(kPrefixo.size());
  return local.string();
#endif
}

// ---- Start-up and login ----

bool TFrmVUDIRozAzezav::FormCreate() {
  SetCaption(kCaption);
  HostName = settings_.Conexao.HostName;
  LoginName = settings_.Conexao.User;
  DatabaseName = settings_.Conexao.Database;
  Password = settings_.Conexao.Password;
  Porta = std::to_string(settings_.Conexao.Port);
  TDbSettings& c = db0.Settings();
  c = settings_.Conexao;
  c.HostName = HostName;
  c.Port = static_cast<unsigned>(IntOr(Porta, 3306));
  c.Database = DatabaseName;
  c.User = LoginName;
  c.Password = Password;

  auto falha = [&](TFalhaInicio tipo, const std::string& mensagem) {
    falhaInicio_ = tipo;
    if (!mensagem.empty()) host_.ShowMessage(mensagem);
    return false;
  };
  try {
    db0.Connect();
  } catch (const EDatabaseError&) {
    return falha(TFalhaInicio::Conexao, "NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS!");
  }
  TfrloginKivo login;
  if (!host_.RunLogin(login) || login.ModalResult != TfrloginKivo::Resultado::OK)
    return falha(TFalhaInicio::LoginCancelado, "");

  const std::string empresa = ZeroEsquerda(login.Edit1.Text, 3);
  const std::string usuario = login.Edit2.Text;
  const std::string senha = login.Edit3.Text;

  qrloginkivo->Clear();
  qrloginkivo->Add("select nm_db from kivo_empresa where cd_empresa = \"" + db0.Escape(empresa) + "\"");
  try {
    qrloginkivo->Open();
  } catch (const EDatabaseError& e) {
    return falha(TFalhaInicio::BancoDeDados, e.what());
  }
  if (qrloginkivo->IsEmpty()) return falha(TFalhaInicio::Login, "CÓDIGO DA EMPRESA INVÁLIDO!");
  DatabaseName = qrloginkivo->FieldByName("nm_db").AsString();
  qrloginkivo->Close();
  db0.Disconnect();

  db0.Settings().Database = DatabaseName;
  try {
    db0.Connect();
  } catch (const EDatabaseError&) {
    return falha(TFalhaInicio::Conexao, "NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS!");
  }
  try {
    if (!ValidaUsuario(empresa, usuario, senha)) return falha(TFalhaInicio::Login, "USUARIO E/OU SENHA INVÁLIDOS");
  } catch (const std::exception& e) {
    return falha(TFalhaInicio::BancoDeDados, e.what());
  }
  falhaInicio_ = TFalhaInicio::Nenhuma;
  return true;
}

bool TFrmVUDIRozAzezav::ValidaUsuario(const std::string&, const std::string& usuario, const std::string& senha) {
  qrloginkivo->Clear();
  qrloginkivo->Add("select ifnull(name,\"\") as name from sec_users where login = :login and pswd = :pass");
  qrloginkivo->ParamByName("login").AsString(usuario);
  std::string hash = HashMD5(senha);
  for (char& ch : hash) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  qrloginkivo->ParamByName("pass").AsString(hash);
  qrloginkivo->Open();
  bool ok = !qrloginkivo->IsEmpty() && !qrloginkivo->FieldByName("name").AsString().empty();
  qrloginkivo->Close();
  return ok;
}

void TFrmVUDIRozAzezav::FormShow() {
  std::string arquivo = CaminhoLocal(edtFile.Text);
  if (arquivo != edtFile.Text) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(arquivo).parent_path(), ec);
    edtFile.Text = arquivo;
  }
  edtFileChange();
  TDateTime hoje = Today();
  DateEdit1.Date = StartOfTheMonth(hoje);
  DateEdit2.Date = EndOfTheMonth(hoje);

  qrempresa->Close();
  qrempresa->Clear();
  for (const char* line :
       {"select", "filial.cd_fil as cd_loja,", "filial.nm_fil as nm_emp,",
        "concat(filial.cd_fil,\" \",filial.nm_fil) as nmemp,", "empresa.cd_icmsantec,", "filial.tp_regime,",
        "empresa.tp_ativ,", "empresa.tp_perfil,", "0 as sn_ciap,", "empresa.tx_icmsvenda,",
        "filial.vl_apuracaoicmsst,", "filial.nr_cep,", "filial.nm_end,", "filial.nr_nro,", "filial.nr_ie,",
        "filial.nm_bai as nm_bairro,", "filial.nr_fon,", "filial.nr_fax,", "filial.nr_cgc,", "filial.nm_uf,",
        "filial.cd_cid as cd_cidade,", "filial.sn_substituto,", "empresa.tp_tributacao,", "empresa.tp_inctrib,",
        "empresa.tp_metodoaprop,", "empresa.tp_contribapurada,", "empresa.tp_ativvudirozazezav", "from filial",
        "left join empresa on filial.cd_loja = empresa.cd_loja", "order by filial.cd_fil"})
    qrempresa->Add(line);
  qrempresa->Open();
  lojas_.clear();
  RxDBLookupCombo1.Rows.clear();
  std::vector<std::string> campos = qrempresa->FieldNames();
  for (qrempresa->First(); !qrempresa->Eof(); qrempresa->Next()) {
    std::vector<std::pair<std::string, std::string>> row;
    for (const std::string& f : campos) row.emplace_back(f, qrempresa->FieldByName(f).AsString());
    lojas_.push_back(std::move(row));
    RxDBLookupCombo1.Rows.push_back({qrempresa->FieldByName("cd_loja").AsString(), qrempresa->FieldByName("nmemp").AsString()});
  }
  lojaRow_ = lojas_.empty() ? -1 : 0;
  SelecionaLoja("001");
  ComboBox1.SetItemIndex(6);
  cdicmsantec = Empresa("cd_icmsantec");
  int64_t inctrib = -1;
  try {
    inctrib = EmpresaInt("tp_inctrib") - 1;
  } catch (const Erro&) {
    inctrib = -1;  // a store without company settings selects nothing
  }
  int last = static_cast<int>(RadioGroup4.Items.size()) - 1;
  RadioGroup4.ItemIndex = static_cast<int>(inctrib > last ? last : inctrib < -1 ? -1 : inctrib);
  Avisa();
}

void TFrmVUDIRozAzezav::FormDestroy() { qrempresa->Close(); }

void TFrmVUDIRozAzezav::SelecionaLoja(const std::string& key) {
  for (size_t i = 0; i < RxDBLookupCombo1.Rows.size(); ++i) {
    if (RxDBLookupCombo1.Rows[i].Key == key) {
      RxDBLookupCombo1.KeyValue = key;
      lojaRow_ = static_cast<int>(i);
      RxDBLookupCombo1Change();
      return;
    }
  }
}

std::string TFrmVUDIRozAzezav::Empresa(const std::string& field) const {
  if (lojaRow_ < 0 || lojaRow_ >= static_cast<int>(lojas_.size())) return {};
  for (const auto& [name, value] : lojas_[lojaRow_])
    if (name == field) return value;
  return {};
}

int64_t TFrmVUDIRozAzezav::EmpresaInt(const std::string& field) const {
  std::string text = TrimControl(Empresa(field));
  int64_t v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size())
    throw Erro("\"" + text + "\" não é um valor inteiro válido (campo " + field + " da loja)");
  return v;
}

void TFrmVUDIRozAzezav::RxDBLookupCombo1Change() {
  for (size_t i = 0; i < RxDBLookupCombo1.Rows.size(); ++i)
    if (RxDBLookupCombo1.Rows[i].Key == RxDBLookupCombo1.KeyValue) lojaRow_ = static_cast<int>(i);
  int64_t tributacao = 0;
  try {
    tributacao = EmpresaInt("tp_tributacao");
  } catch (const Erro&) {
    tributacao = 0;  // an empty or odd regime leaves the fields as they are
  }
  if (tributacao == 1) {
    Edit1.Text = "810902";
    edtFile.Text = CaminhoLocal("c:\\vudirozazezav\\VudiRozAzezavPresumido.txt");
    RxLabel1.Caption = "Lucro Presumido";
    edtFileChange();
  } else if (tributacao == 2) {
    Edit1.Text = "691201";
    edtFile.Text = CaminhoLocal("c:\\vudirozazezav\\VudiRozAzezav.txt");
    RxLabel1.Caption = "Lucro Real";
    edtFileChange();
  }
  Avisa();
}

// ---- Run control ----

void TFrmVUDIRozAzezav::edtFileChange() { VornVUDIRozAzezav1.SetArquivo(edtFile.Text); }

void TFrmVUDIRozAzezav::VornVUDIRozAzezav1Error(const std::string& MsnError) {
  memoError.Lines.push_back(MsnError);
}

void TFrmVUDIRozAzezav::MostraArquivo() {
  memoTXT.Lines.clear();
  TVornTXTClass leitor;
  leitor.SetNomeArquivo(VornVUDIRozAzezav1.Path() + VornVUDIRozAzezav1.Arquivo());
  std::error_code ec;
  if (std::filesystem::exists(leitor.NomeArquivo(), ec)) {
    leitor.LoadFromFile();
    memoTXT.Lines = std::move(leitor.Conteudo);
  }
  Avisa();
}

void TFrmVUDIRozAzezav::btnInicioClick() {
  if (RxDBLookupCombo1.KeyValue.empty()) throw Erro("Escolha a Loja");
  CriandoTabelas();
  vlpisM200 = 0;
  vlcofinsM200 = 0;
  cbConcomitante.Enabled = false;
  btnInicio.Enabled = false;
  btnB_0.Enabled = true;
  Avisa();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.SetDT_INI(DateEdit1.Date);
    VornVUDIRozAzezav1.SetDT_FIN(DateEdit2.Date);
    VornVUDIRozAzezav1.SetLinhasBuffer(IntOr(edBufLinhas.Text, 0));
    VornVUDIRozAzezav1.IniciaGeracao();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_0Click() {
  SetCaption("Inicio bloco 0");
  if (ComboBox1.Text.empty()) throw Erro("Escolha a Versão do Layout");
  btnB_0.Enabled = false;
  btnB_C.Enabled = true;
  Avisa();
  ExtraiBloco0();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_0();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_AClick() {
  btnB_A.Enabled = false;
  Avisa();
  ExtraiBlocoA();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_A(true);
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_CClick() {
  btnB_C.Enabled = false;
  btnB_D.Enabled = true;
  Avisa();
  notas_ = IntOr(edNotas.Text, 1);
  bufNotas_ = IntOr(edBufNotas.Text, 1);
  if (RadioGroup1.ItemIndex == 0 && RadioGroup3.ItemIndex == 1) {
    ExtraiBlocoCConsolidado();
  } else if (RadioGroup1.ItemIndex == 1 && RadioGroup3.ItemIndex == 2) {
    ExtraiBlocoC();
  } else {
    VornVUDIRozAzezav1.Bloco_C.RegistroC001().IND_MOV = TVornIndMov::imSemDados;
    return;
  }
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_C(true);
    MostraArquivo();
  }
  // Block C is the long step: let the window catch up once it is written.
  host_.ProcessMessages();
}

void TFrmVUDIRozAzezav::btnB_DClick() {
  ExtraiBlocoD();
  btnB_D.Enabled = false;
  Avisa();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_D();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_FClick() {
  ExtraiBlocoF();
  btnB_F.Enabled = false;
  Avisa();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_F();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_MClick() {
  ExtraiBlocoM();
  btnB_M.Enabled = false;
  Avisa();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_M();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_1Click() {
  btnB_1.Enabled = false;
  btnB_9.Enabled = cbConcomitante.Checked;
  Avisa();
  ExtraiBloco1();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_1();
    MostraArquivo();
  }
}

void TFrmVUDIRozAzezav::btnB_9Click() {
  btnB_9.Enabled = false;
  Avisa();
  if (cbConcomitante.Checked) {
    VornVUDIRozAzezav1.WriteBloco_9();
    MostraArquivo();
  }
  cbConcomitante.Enabled = true;
  Avisa();
}

void TFrmVUDIRozAzezav::btnTXTClick() {
  btnTXT.Enabled = false;
  Avisa();
  VornVUDIRozAzezav1.SetLinhasBuffer(IntOr(edBufLinhas.Text, 0));
  VornVUDIRozAzezav1.SetDT_INI(DateEdit1.Date);
  VornVUDIRozAzezav1.SetDT_FIN(DateEdit2.Date);
  memoError.Lines.clear();
  VornVUDIRozAzezav1.SaveFileTXT();
  MostraArquivo();
  for (TButton* b : {&btnB_0, &btnB_1, &btnB_A, &btnB_C, &btnB_D, &btnB_F, &btnB_M, &btnTXT}) b->Enabled = true;
  cbConcomitante.Enabled = true;
  Avisa();
}

void TFrmVUDIRozAzezav::btnErrorClick() {
  VornVUDIRozAzezav1.SetDT_INI(EncodeDate(2011, 4, 1));
  VornVUDIRozAzezav1.SetDT_FIN(EncodeDate(2011, 4, 30));
  memoError.Lines.clear();
  VornVUDIRozAzezav1.SaveFileTXT();
  for (TButton* b : {&btnB_0, &btnB_1, &btnB_A, &btnB_C, &btnB_D, &btnB_F, &btnB_M}) b->Enabled = true;
  Avisa();
}

void TFrmVUDIRozAzezav::cbConcomitanteClick() {
  const bool marcado = cbConcomitante.Checked;
  btnTXT.Enabled = !marcado;
  btnError.Enabled = !marcado;
  edBufNotas.Enabled = marcado;
  if (!marcado) {
    btnB_0.Enabled = true;
    for (TButton* b : {&btnB_A, &btnB_C, &btnB_D, &btnB_F, &btnB_M, &btnB_1, &btnB_9}) b->Enabled = false;
  }
  Avisa();
}

void TFrmVUDIRozAzezav::BitBtn1Click() {
  const TDateTime inicio = Now();
  ProgressBar1.Position = 0;
  auto passo = [&](void (TFrmVUDIRozAzezav::*handler)()) {
    ProgressBar1.Position += 10;
    Avisa();
    host_.ProcessMessages();
    (this->*handler)();
  };
  passo(&TFrmVUDIRozAzezav::btnInicioClick);
  passo(&TFrmVUDIRozAzezav::btnB_0Click);
  passo(&TFrmVUDIRozAzezav::btnB_AClick);
  passo(&TFrmVUDIRozAzezav::btnB_CClick);
  ProgressBar1.Position += 10;
  Avisa();
  if (RadioGroup3.ItemIndex == 2) btnB_DClick();
  else VornVUDIRozAzezav1.Bloco_D.RegistroD001().IND_MOV = TVornIndMov::imSemDados;
  passo(&TFrmVUDIRozAzezav::btnB_FClick);
  passo(&TFrmVUDIRozAzezav::btnB_MClick);
  passo(&TFrmVUDIRozAzezav::btnB_1Click);
  passo(&TFrmVUDIRozAzezav::btnB_9Click);
  passo(&TFrmVUDIRozAzezav::btnTXTClick);
  const TDateTime fim = Now();
  host_.ShowMessage("Iniciou as " + LongTime(inicio) + " * Finalizou as " + LongTime(fim));
  host_.Close();
}

void TFrmVUDIRozAzezav::SpeedButton1Click() {
  const std::optional<std::string> codigo = host_.InputBox("ATENÇÂO", "Digite a Senha", "");
  if (!codigo || *codigo != VUDI_CONSOLE_CODE) return;
  TfrQuery frQuery(db0, host_);
  frQuery.dt1 = DateEdit1.Date;
  frQuery.dt2 = DateEdit2.Date;
  frQuery.FormShow();
  host_.RunQueryWindow(frQuery);
  frQuery.FormClose();
}
