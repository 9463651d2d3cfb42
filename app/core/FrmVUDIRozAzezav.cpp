#include "FrmVUDIRozAzezav.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "BuildConfig.h"
#include "CaminhoLocal.h"
#include "ConsultaSql.h"
#include "Funcoes.h"
#include "LoginKivo.h"
#include "TextUtil.h"
#include "validacao/FormatoValidacao.h"

namespace {

// Integer of an edit box, or `fallback` when the text is not a valid integer.
int IntOr(const std::string& text, int fallback) {
  int v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size() && !text.empty() ? v : fallback;
}

}  // namespace

TFrmVUDIRozAzezav::TFrmVUDIRozAzezav(IWindowHost& host, TAppSettings settings)
    : VornVUDIRozAzezav1(geracao_.Arquivo()), host_(host), settings_(std::move(settings)) {
  CriaControles();
  qrloginkivo = std::make_unique<TDbQuery>(db0);
  VornVUDIRozAzezav1.SetOnError([this](const std::string& m) { VornVUDIRozAzezav1Error(m); });
  TGeracaoEventos& ev = geracao_.Eventos();
  ev.Caption = [this](const std::string& t) { SetCaption(t); };
  ev.Aviso = [this](const std::string& t) { host_.ShowMessage(t); };
  ev.Script = [this](const std::string& t) { host_.InputBox("", "", t); };
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
  ComboBox1.Items = TListasGeracao::Versoes();
  ComboBox1.SetItemIndex(TListasGeracao::kVersaoPadrao);
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
  RadioGroup1.Items = TListasGeracao::IndicadoresApuracao();
  RadioGroup1.ItemIndex = TListasGeracao::kApuracaoIndividual;
  RadioGroup3.Caption = "Código Indicador do Critério de Escrituração e Apuração ";
  RadioGroup3.Items = TListasGeracao::Criterios();
  RadioGroup3.ItemIndex = TListasGeracao::kCriterioDetalhado;
  RadioGroup4.Caption = "M205/605 Detalhamento Código Receita";
  RadioGroup4.Items = TListasGeracao::Detalhamentos();
  RadioGroup4.ItemIndex = 0;
  Edit1.Label = "Código da Receita (M205)";
  Edit1.Text = "691201";
  Edit2.Label = "Código da Receita (M605)";
  Edit2.Text = "585601";
  CheckBox2.Caption = "Inclui CUPOM FISCAL";
  CheckBox7.Caption = "Inclui NFC-e";
  CheckBox7.Checked = true;
  CheckBox1.Caption = "Inclui F120";
  cbBlocoMTabelas.Caption = "Bloco M pelas tabelas de trabalho";
  cbBlocoMTabelas.Hint = "Bases das contribuições pelas tabelas de vendas e totais do bloco C,\ncomo nas versões anteriores, em vez dos registros gravados no arquivo";
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
  lblValidacao.Bold = true;
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
  return ::CaminhoLocal(path, settings_.PastaUsuario);
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

  auto falha = [&](const TEntrada& e) {
    falhaInicio_ = e.Falha;
    if (!e.Mensagem.empty()) host_.ShowMessage(e.Mensagem);
    return false;
  };
  if (TEntrada e = ConectaCatalogo(db0); !e.Ok()) return falha(e);
  TfrloginKivo login;
  if (!host_.RunLogin(login) || login.ModalResult != TfrloginKivo::Resultado::OK)
    return falha({TFalhaInicio::LoginCancelado, ""});
  if (TEntrada e = EntraNaEmpresa(db0, login.Edit1.Text, login.Edit2.Text, login.Edit3.Text); !e.Ok()) return falha(e);
  DatabaseName = db0.Settings().Database;
  falhaInicio_ = TFalhaInicio::Nenhuma;
  return true;
}

bool TFrmVUDIRozAzezav::ValidaUsuario(const std::string&, const std::string& usuario, const std::string& senha) {
  return ::ValidaUsuario(db0, usuario, senha);
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

  lojas_ = LeLojas(db0);
  RxDBLookupCombo1.Rows.clear();
  for (const TLinhaLoja& l : lojas_) RxDBLookupCombo1.Rows.push_back({l.Texto("cd_loja"), l.Texto("nmemp")});
  lojaRow_ = lojas_.empty() ? -1 : 0;
  SelecionaLoja("001");
  ComboBox1.SetItemIndex(6);
  cdicmsantec = Empresa("cd_icmsantec");
  RadioGroup4.ItemIndex = lojaRow_ < 0 ? -1 : DetalhamentoDaLoja(lojas_[lojaRow_], static_cast<int>(RadioGroup4.Items.size()));
  Avisa();
}

void TFrmVUDIRozAzezav::FormDestroy() { qrloginkivo->Close(); }

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
  return lojas_[lojaRow_].Texto(field);
}

int64_t TFrmVUDIRozAzezav::EmpresaInt(const std::string& field) const {
  if (lojaRow_ < 0 || lojaRow_ >= static_cast<int>(lojas_.size())) return TLinhaLoja().Inteiro(field);
  return lojas_[lojaRow_].Inteiro(field);
}

void TFrmVUDIRozAzezav::RxDBLookupCombo1Change() {
  for (size_t i = 0; i < RxDBLookupCombo1.Rows.size(); ++i)
    if (RxDBLookupCombo1.Rows[i].Key == RxDBLookupCombo1.KeyValue) lojaRow_ = static_cast<int>(i);
  if (lojaRow_ >= 0 && lojaRow_ < static_cast<int>(lojas_.size())) {
    const TPadraoLoja padrao = PadraoDaLoja(lojas_[lojaRow_]);
    if (!padrao.ReceitaM205.empty()) {
      Edit1.Text = padrao.ReceitaM205;
      edtFile.Text = CaminhoLocal(padrao.Arquivo);
      RxLabel1.Caption = padrao.Regime;
      edtFileChange();
    }
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
  leitor.SetNomeArquivo(VornVUDIRozAzezav1.ArquivoEmGravacao());
  std::error_code ec;
  if (std::filesystem::exists(leitor.NomeArquivo(), ec)) {
    leitor.LoadFromFile();
    memoTXT.Lines = std::move(leitor.Conteudo);
  }
  Avisa();
}

TRunOptions TFrmVUDIRozAzezav::Opcoes() const {
  TRunOptions o;
  if (lojaRow_ >= 0 && lojaRow_ < static_cast<int>(lojas_.size()) && !RxDBLookupCombo1.KeyValue.empty())
    o.Loja = lojas_[lojaRow_];
  o.DataInicial = DateEdit1.Date;
  o.DataFinal = DateEdit2.Date;
  o.Versao = ComboBox1.ItemIndex();
  o.VersaoTexto = ComboBox1.Text;
  o.Apuracao = RadioGroup1.ItemIndex;
  o.Criterio = RadioGroup3.ItemIndex;
  o.Detalhamento = RadioGroup4.ItemIndex;
  o.IncluiNfce = CheckBox7.Checked;
  o.IncluiCupomFiscal = CheckBox2.Checked;
  o.IncluiF120 = CheckBox1.Checked;
  o.BlocoMTabelas = cbBlocoMTabelas.Checked;
  o.ReceitaM205 = Edit1.Text;
  o.ReceitaM605 = Edit2.Text;
  o.BufferLinhas = IntOr(edBufLinhas.Text, 0);
  o.BufferNotas = IntOr(edBufNotas.Text, 1);
  o.NumNotas = IntOr(edNotas.Text, 1);
  o.Concomitante = cbConcomitante.Checked;
  o.Arquivo = VornVUDIRozAzezav1.Path() + VornVUDIRozAzezav1.Arquivo();
  return o;
}

void TFrmVUDIRozAzezav::CriandoTabelas() { geracao_.CriandoTabelas(Opcoes()); }

void TFrmVUDIRozAzezav::btnInicioClick() {
  if (RxDBLookupCombo1.KeyValue.empty()) throw Erro("Escolha a Loja");
  const TRunOptions o = Opcoes();
  geracao_.RetornoNfce.Descarta();
  geracao_.CriandoTabelas(o);
  geracao_.vlpisM200 = 0;
  geracao_.vlcofinsM200 = 0;
  cbConcomitante.Enabled = false;
  btnInicio.Enabled = false;
  btnB_0.Enabled = true;
  lblValidacao.Caption.clear();
  Avisa();
  if (o.Concomitante) {
    VornVUDIRozAzezav1.SetDT_INI(o.DataInicial);
    VornVUDIRozAzezav1.SetDT_FIN(o.DataFinal);
    VornVUDIRozAzezav1.SetLinhasBuffer(o.BufferLinhas);
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
  geracao_.Bloco0(Opcoes());
  if (cbConcomitante.Checked) MostraArquivo();
}

void TFrmVUDIRozAzezav::btnB_AClick() {
  btnB_A.Enabled = false;
  Avisa();
  geracao_.BlocoA(Opcoes());
  if (cbConcomitante.Checked) MostraArquivo();
}

void TFrmVUDIRozAzezav::btnB_CClick() {
  btnB_C.Enabled = false;
  btnB_D.Enabled = true;
  Avisa();
  if (!geracao_.BlocoC(Opcoes())) return;
  if (cbConcomitante.Checked) MostraArquivo();
  // Block C is the long step: let the window catch up once it is written.
  host_.ProcessMessages();
}

void TFrmVUDIRozAzezav::btnB_DClick() {
  const TRunOptions o = Opcoes();
  geracao_.BlocoD(o);
  btnB_D.Enabled = false;
  Avisa();
  if (o.Concomitante) MostraArquivo();
}

void TFrmVUDIRozAzezav::btnB_FClick() {
  const TRunOptions o = Opcoes();
  geracao_.BlocoF(o);
  btnB_F.Enabled = false;
  Avisa();
  if (o.Concomitante) MostraArquivo();
}

void TFrmVUDIRozAzezav::btnB_MClick() {
  const TRunOptions o = Opcoes();
  geracao_.BlocoM(o);
  btnB_M.Enabled = false;
  Avisa();
  if (o.Concomitante) MostraArquivo();
}

void TFrmVUDIRozAzezav::btnB_1Click() {
  btnB_1.Enabled = false;
  btnB_9.Enabled = cbConcomitante.Checked;
  Avisa();
  geracao_.Bloco1(Opcoes());
  if (cbConcomitante.Checked) MostraArquivo();
}

void TFrmVUDIRozAzezav::ValidaArquivo(const TRunOptions& o) {
  geracao_.Valida(o);
  const auto& r = geracao_.Validacao();
  lblValidacao.Caption = r ? ResumoValidacao(*r) : std::string();
  lblValidacao.Color = r && (r->Erros > 0 || !r->Legivel) ? "red" : "";
  Avisa();
}

void TFrmVUDIRozAzezav::btnB_9Click() {
  btnB_9.Enabled = false;
  Avisa();
  const TRunOptions o = Opcoes();
  geracao_.Bloco9(o);
  // In concomitant mode block 9 completes the file.
  if (o.Concomitante) {
    MostraArquivo();
    ValidaArquivo(o);
  }
  cbConcomitante.Enabled = true;
  Avisa();
}

void TFrmVUDIRozAzezav::btnTXTClick() {
  btnTXT.Enabled = false;
  Avisa();
  memoError.Lines.clear();
  const TRunOptions o = Opcoes();
  geracao_.GerarTxt(o);
  MostraArquivo();
  ValidaArquivo(o);
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
  if (RadioGroup3.ItemIndex == TListasGeracao::kCriterioDetalhado) btnB_DClick();
  else geracao_.SemBlocoD();
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
