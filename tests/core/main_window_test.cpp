#include <gtest/gtest.h>

#include <filesystem>

#include "FrmVUDIRozAzezav.h"
#include "support/ErpDatabase.h"
#include "support/FakeHost.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"
#include "validacao/FormatoValidacao.h"

namespace {
TAppSettings Settings(const ErpDatabase& erp, const TempDir& dir) {
  TAppSettings s;
  s.Conexao = erp.CatalogSettings();
  s.PastaUsuario = dir.path().string();
  return s;
}

// A logged-in main window on a fresh fixture, its period set to the seed's month.
struct MainWindow : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  FakeHost host;
  std::unique_ptr<TFrmVUDIRozAzezav> frm;

  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
    frm = std::make_unique<TFrmVUDIRozAzezav>(host, Settings(*erp, dir));
    ASSERT_TRUE(frm->FormCreate()) << (host.messages.empty() ? "" : host.messages.back());
    frm->FormShow();
    frm->DateEdit1.Date = EncodeDate(2024, 3, 1);
    frm->DateEdit2.Date = EncodeDate(2024, 3, 31);
    frm->edtFile.Text = dir.File("efd.txt");
    frm->edtFileChange();
  }
  std::string File() const { return dir.File("efd.txt"); }
  std::vector<std::string> Registers() const {
    std::vector<std::string> regs;
    for (auto& l : FileLines(File())) regs.push_back(l.substr(1, 4));
    return regs;
  }
  int64_t Count(const std::string& sql) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    TDbQuery q(db);
    q.Add(sql);
    q.Open();
    return q.FieldByName("n").AsInteger();
  }
};

struct Enabled {
  bool inicio, b0, bA, bC, bD, bF, bM, b1, b9, txt, conc;
};
Enabled States(const TFrmVUDIRozAzezav& f) {
  return {f.btnInicio.Enabled, f.btnB_0.Enabled, f.btnB_A.Enabled, f.btnB_C.Enabled, f.btnB_D.Enabled,
          f.btnB_F.Enabled, f.btnB_M.Enabled, f.btnB_1.Enabled, f.btnB_9.Enabled, f.btnTXT.Enabled,
          f.cbConcomitante.Enabled};
}
bool operator==(const Enabled& a, const Enabled& b) {
  return a.inicio == b.inicio && a.b0 == b.b0 && a.bA == b.bA && a.bC == b.bC && a.bD == b.bD && a.bF == b.bF &&
         a.bM == b.bM && a.b1 == b.b1 && a.b9 == b.b9 && a.txt == b.txt && a.conc == b.conc;
}
std::ostream& operator<<(std::ostream& o, const Enabled& e) {
  return o << e.inicio << e.b0 << e.bA << e.bC << e.bD << e.bF << e.bM << e.b1 << e.b9 << e.txt << e.conc;
}
}  // namespace

TEST_F(MainWindow, StartUpDefaults) {
  EXPECT_EQ(host.captions.front(), "VudiROZAZEZAV - KivoWeb - Versão 1.4.0");
  EXPECT_EQ(frm->RxDBLookupCombo1.KeyValue, "001");
  EXPECT_EQ(frm->RxDBLookupCombo1.DisplayText(), "001 LOJA CENTRO");
  EXPECT_EQ(frm->RxDBLookupCombo1.Rows.size(), 3u);
  EXPECT_EQ(frm->ComboBox1.Text, "320");
  EXPECT_EQ(frm->RadioGroup4.ItemIndex, 0);  // tp_inctrib 1
  EXPECT_EQ(frm->cdicmsantec, "1");
  EXPECT_EQ(frm->RxLabel1.Caption, "Lucro Real");
  EXPECT_EQ(frm->Edit1.Text, "691201");
  EXPECT_EQ(frm->DatabaseName, erp->CompanyName());
  EXPECT_FALSE(frm->edBufNotas.Enabled);
  // The default file name lands in the user's folder, created at start-up.
  FakeHost h2;
  TFrmVUDIRozAzezav fresh(h2, Settings(*erp, dir));
  ASSERT_TRUE(fresh.FormCreate());
  fresh.FormShow();
  EXPECT_EQ(fresh.edtFile.Text, (dir.path() / "VudiROZAZEZAV" / "VudiRozAzezav.txt").string());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "VudiROZAZEZAV"));
  EXPECT_EQ(fresh.VornVUDIRozAzezav1.Arquivo(), "VudiRozAzezav.txt");
}

TEST_F(MainWindow, StoreChangeFollowsRegime) {
  TDbConnection db(erp->CompanySettings());
  db.Connect();
  db.ExecSQL("update empresa set tp_tributacao = 1 where cd_loja = '002'");
  db.ExecSQL("update empresa set tp_tributacao = 5 where cd_loja = '003'");
  db.Commit();
  frm->FormShow();
  frm->RxDBLookupCombo1.KeyValue = "002";
  frm->RxDBLookupCombo1Change();
  EXPECT_EQ(frm->RxLabel1.Caption, "Lucro Presumido");
  EXPECT_EQ(frm->Edit1.Text, "810902");
  EXPECT_EQ(frm->edtFile.Text, (dir.path() / "VudiROZAZEZAV" / "VudiRozAzezavPresumido.txt").string());
  frm->RxDBLookupCombo1.KeyValue = "003";
  frm->RxDBLookupCombo1Change();
  EXPECT_EQ(frm->RxLabel1.Caption, "Lucro Presumido");
  EXPECT_EQ(frm->Edit1.Text, "810902");
}

TEST_F(MainWindow, ConcomitantRunStepByStep) {
  const Enabled all{true, true, true, true, true, true, true, true, true, true, true};
  EXPECT_EQ(States(*frm), all);
  frm->btnInicioClick();
  EXPECT_EQ(States(*frm), (Enabled{false, true, true, true, true, true, true, true, true, true, false}));
  EXPECT_TRUE(std::filesystem::exists(File()) || frm->memoTXT.Lines.empty());
  frm->btnB_0Click();
  EXPECT_EQ(States(*frm), (Enabled{false, false, true, true, true, true, true, true, true, true, false}));
  EXPECT_EQ(frm->memoTXT.Lines.front().substr(0, 6), "|0000|");
  frm->btnB_AClick();
  frm->btnB_CClick();
  frm->btnB_DClick();
  frm->btnB_FClick();
  frm->btnB_MClick();
  EXPECT_EQ(States(*frm), (Enabled{false, false, false, false, false, false, false, true, true, true, false}));
  frm->btnB_1Click();
  EXPECT_TRUE(frm->btnB_9.Enabled);
  frm->btnB_9Click();
  EXPECT_EQ(States(*frm), (Enabled{false, false, false, false, false, false, false, false, false, true, true}));
  EXPECT_TRUE(FileCountsAgree(File()));
  EXPECT_EQ(frm->memoTXT.Lines.back().substr(0, 6), "|9999|");
  EXPECT_EQ(frm->memoTXT.Lines.size(), FileLines(File()).size());
}

TEST_F(MainWindow, TodosConcomitant) {
  std::vector<int> progress;
  host.onProcessMessages = [&] { progress.push_back(frm->ProgressBar1.Position); };
  frm->BitBtn1Click();
  EXPECT_EQ(frm->ProgressBar1.Position, 100);
  EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 40, 60, 70, 80, 90, 100}));  // once more after block C
  EXPECT_TRUE(host.closed);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().rfind("Iniciou as ", 0), 0u);
  EXPECT_NE(host.messages.back().find(" * Finalizou as "), std::string::npos);
  EXPECT_TRUE(FileCountsAgree(File()));
  EXPECT_FALSE(frm->VornVUDIRozAzezav1.Inicializado());
  auto regs = Registers();
  EXPECT_NE(std::find(regs.begin(), regs.end(), "D001"), regs.end());
  // Block 9 completed the file and "Gerar TXT" cleared the messages: the check's findings are
  // listed again after the clear, and its summary line is red while the file has errors.
  ASSERT_TRUE(frm->Geracao().Validacao().has_value());
  const TResultadoValidacao& r = *frm->Geracao().Validacao();
  EXPECT_EQ(frm->memoError.Lines, MensagensValidacao(r));
  EXPECT_EQ(frm->lblValidacao.Caption, ResumoValidacao(r));
  EXPECT_EQ(frm->lblValidacao.Color, r.Erros > 0 ? "red" : "");
}

TEST_F(MainWindow, TodosAllAtOnceAndBlockDSkippedByRegime) {
  frm->cbConcomitante.Checked = false;
  frm->cbConcomitanteClick();
  EXPECT_TRUE(frm->btnTXT.Enabled);
  EXPECT_TRUE(frm->edBufNotas.Enabled == false);
  frm->RadioGroup3.ItemIndex = 1;
  frm->BitBtn1Click();
  EXPECT_TRUE(host.closed);
  EXPECT_TRUE(FileCountsAgree(File()));
  auto lines = FileLines(File());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "|D001|1|"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "|D990|2|"), lines.end());
}

TEST_F(MainWindow, GerarTxtRightAfterInicio) {
  frm->cbConcomitante.Checked = false;
  frm->cbConcomitanteClick();
  EXPECT_EQ(States(*frm), (Enabled{true, true, false, false, false, false, false, false, false, true, true}));
  frm->btnInicioClick();
  EXPECT_FALSE(std::filesystem::exists(File()));  // all at once: nothing written yet
  frm->btnTXTClick();
  EXPECT_TRUE(FileCountsAgree(File()));
  EXPECT_EQ(States(*frm), (Enabled{false, true, true, true, true, true, true, true, false, true, true}));
}

TEST_F(MainWindow, ErrorsStopTheStep) {
  frm->RxDBLookupCombo1.KeyValue = "";
  try { frm->btnInicioClick(); FAIL(); } catch (const Erro& e) { EXPECT_STREQ(e.what(), "Escolha a Loja"); }
  EXPECT_TRUE(frm->btnInicio.Enabled);
  frm->RxDBLookupCombo1.KeyValue = "001";
  frm->btnInicioClick();
  frm->ComboBox1.Text = "";
  try { frm->btnB_0Click(); FAIL(); } catch (const Erro& e) { EXPECT_STREQ(e.what(), "Escolha a Versão do Layout"); }
  EXPECT_TRUE(frm->btnB_0.Enabled);

  // An exception inside "TODOS" stops it with the window open.
  FakeHost h2;
  TFrmVUDIRozAzezav other(h2, Settings(*erp, dir));
  ASSERT_TRUE(other.FormCreate());
  other.FormShow();
  other.edtFile.Text = dir.File("no-such-folder/efd.txt");
  other.edtFileChange();
  EXPECT_THROW(other.BitBtn1Click(), std::exception);
  EXPECT_FALSE(h2.closed);
  EXPECT_TRUE(h2.messages.empty());
}

TEST_F(MainWindow, WorkingTables) {
  frm->btnInicioClick();
  for (const char* c : {"Aguarde... Criando Arquivo Temporario Unidade", "Aguarde... Criando Arquivo Temporario Participantes"})
    EXPECT_NE(std::find(host.captions.begin(), host.captions.end(), c), host.captions.end()) << c;
  EXPECT_TRUE(host.inputBoxes.empty());
  // Every table exists; the temporary ones are visible only on the window's own connection.
  TDbQuery q(frm->db0);
  auto count = [&](const std::string& sql) {
    q.Clear();
    q.Add(sql);
    q.Open();
    return q.FieldByName("n").AsInteger();
  };
  EXPECT_GT(count("select count(*) as n from unidade"), 0);
  EXPECT_GT(count("select count(*) as n from participantes"), 0);
  EXPECT_GT(count("select count(*) as n from natope"), 0);
  EXPECT_EQ(count("select count(*) as n from c490"), 0);
  EXPECT_GE(count("select count(*) as n from m100500"), 0);
  EXPECT_GE(count("select count(*) as n from m400800"), 0);
  EXPECT_GE(count("select count(*) as n from m200600"), 0);
  // NFC-e buyers: placeholders and CPF/CNPJ by length.
  EXPECT_EQ(count("select count(*) as n from participantes where length(nr_cpf) not in (0,11)"), 0);
  // Consolidated option: natope stays empty; without NFC-e no NFC-e rows.
  frm->RadioGroup1.ItemIndex = 0;
  frm->CheckBox7.Checked = false;
  frm->CriandoTabelas();
  EXPECT_EQ(count("select count(*) as n from natope"), 0);
  EXPECT_EQ(count("select count(*) as n from m400800 where tp_doc = 3"), 0);
  EXPECT_EQ(count("select count(*) as n from m200600 where tp_doc = 3"), 0);
  // No index: a participant or unit comes once per document line that brings it.
  EXPECT_GT(count("select count(*) - count(distinct cd_part) as n from participantes"), 0);
  EXPECT_GT(count("select count(*) - count(distinct cd_prod) as n from unidade"), 0);
  // The discount fraction keeps two decimals: 7.5 % is kept as 0.08.
  {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL("update nfentit set tx_desc = 7.5");
    db.Commit();
  }
  frm->CriandoTabelas();
  EXPECT_GT(count("select count(*) as n from m100500 where cd_prod <> '' and tx_desc = 0.08"), 0);
  // An NFC-e with a zero total no longer stops the non-contribution revenue script.
  frm->RadioGroup1.ItemIndex = 1;
  frm->CheckBox7.Checked = true;
  {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL("update nfce set vl_nf = 0");
    db.Commit();
  }
  frm->CriandoTabelas();
  EXPECT_TRUE(host.inputBoxes.empty());
  EXPECT_GT(count("select count(*) as n from m400800 where tp_doc = 3"), 0);
  // A period without documents leaves every table empty.
  frm->DateEdit1.Date = EncodeDate(2019, 1, 1);
  frm->DateEdit2.Date = EncodeDate(2019, 1, 31);
  frm->CriandoTabelas();
  for (const char* t : {"unidade", "natope", "m400800", "m100500", "participantes"})
    EXPECT_EQ(count(std::string("select count(*) as n from ") + t), 0) << t;
  EXPECT_EQ(count("select count(*) as n from m200600"), 0);
}

TEST(Login, FailuresEndStartUp) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  struct Case { std::string empresa, usuario, senha; bool ok; std::string message; } cases[] = {
      {"1", "operador", "kivo123", true, ""},
      {"001", "operador", "kivo123", true, ""},
      {"9", "operador", "kivo123", false, "CÓDIGO DA EMPRESA INVÁLIDO!"},
      {"001", "operador", "errada", false, "USUARIO E/OU SENHA INVÁLIDOS"},
      {"001", " operador", "kivo123", false, "USUARIO E/OU SENHA INVÁLIDOS"},
      {"001", "OPERADOR", "kivo123", false, "USUARIO E/OU SENHA INVÁLIDOS"},
      {"001", "semnome", "kivo123", false, "USUARIO E/OU SENHA INVÁLIDOS"},
      {"001", "maiusculo", "kivo123", false, "USUARIO E/OU SENHA INVÁLIDOS"},
  };
  for (auto& c : cases) {
    FakeHost host;
    host.empresa = c.empresa;
    host.usuario = c.usuario;
    host.senha = c.senha;
    TFrmVUDIRozAzezav frm(host, Settings(erp, dir));
    EXPECT_EQ(frm.FormCreate(), c.ok) << c.usuario;
    if (!c.ok) {
      EXPECT_EQ(host.messages, std::vector<std::string>{c.message}) << c.usuario;
      EXPECT_EQ(frm.FalhaInicio(), TFrmVUDIRozAzezav::TFalhaInicio::Login);
    }
  }
  FakeHost cancel;
  cancel.loginOk = false;
  TFrmVUDIRozAzezav frm(cancel, Settings(erp, dir));
  EXPECT_FALSE(frm.FormCreate());
  EXPECT_TRUE(cancel.messages.empty());
  EXPECT_EQ(frm.FalhaInicio(), TFrmVUDIRozAzezav::TFalhaInicio::LoginCancelado);

  TAppSettings semServidor = Settings(erp, dir);
  semServidor.Conexao.Socket.clear();
  semServidor.Conexao.HostName = "127.0.0.1";
  semServidor.Conexao.Port = 1;
  FakeHost down;
  TFrmVUDIRozAzezav off(down, semServidor);
  EXPECT_FALSE(off.FormCreate());
  EXPECT_EQ(down.messages, std::vector<std::string>{"NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS!"});
  EXPECT_EQ(off.FalhaInicio(), TFrmVUDIRozAzezav::TFalhaInicio::Conexao);
}

TEST(Login, DialogRules) {
  TfrloginKivo d;
  d.SetCodigoEmpresa("a1b2c3d4");
  EXPECT_EQ(d.Edit1.Text, "123");
  EXPECT_EQ(d.Edit3.PasswordChar, '*');
  struct Case { const char* e; const char* u; const char* s; const char* msg; } cases[] = {
      {"", "u", "s", "CÓDIGO DA EMPRESA EM BRANCO"}, {"1", "", "s", "LOGIN EM BRANCO"}, {"1", "u", "", "SENHA EM BRANCO"}};
  for (auto& c : cases) {
    TfrloginKivo dlg;
    dlg.Edit1.Text = c.e;
    dlg.Edit2.Text = c.u;
    dlg.Edit3.Text = c.s;
    try { dlg.btnOKClick(); FAIL(); } catch (const std::exception& e) { EXPECT_STREQ(e.what(), c.msg); }
    EXPECT_NE(dlg.ModalResult, TfrloginKivo::Resultado::OK);
  }
}
