// The SQL console on the main window's connection: opening behind the access code, the memo and
// the predefined statements, scripts, the working tables, paging and the spreadsheet forms.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "BuildConfig.h"
#include "ConsultaSql.h"
#include "support/JanelaErp.h"

namespace {
// Answers the access-code box with `codigo` and runs `naConsulta` while the console is shown.
struct HostConsulta : FakeHost {
  std::optional<std::string> codigo;
  std::vector<std::pair<std::string, std::string>> caixas;  // caption and prompt of each input box
  std::function<void(TfrQuery&)> naConsulta;
  int consultas = 0;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override {
    caixas.emplace_back(caption, prompt);
    inputBoxes.push_back(value);
    return codigo;
  }
  void RunQueryWindow(TfrQuery& janela) override {
    ++consultas;
    if (naConsulta) naConsulta(janela);
  }
};

struct ConsultaSql : JanelaErp {
  HostConsulta consulta;
  std::unique_ptr<TFrmVUDIRozAzezav> janela;

  // The main window on its own host, logged in, period March 2024, its run started.
  void Abre(bool inicia = true) {
    TAppSettings s;
    s.Conexao = erp->CatalogSettings();
    s.PastaUsuario = dir.path().string();
    janela = std::make_unique<TFrmVUDIRozAzezav>(consulta, s);
    ASSERT_TRUE(janela->FormCreate());
    janela->FormShow();
    janela->DateEdit1.Date = EncodeDate(2024, 3, 1);
    janela->DateEdit2.Date = EncodeDate(2024, 3, 31);
    janela->edtFile.Text = File();
    janela->edtFileChange();
    if (inicia) janela->btnInicioClick();
  }
  // Opens the console with the right code and runs `f` in it.
  void NaConsulta(std::function<void(TfrQuery&)> f) {
    consulta.codigo = VUDI_CONSOLE_CODE;
    consulta.naConsulta = std::move(f);
    janela->SpeedButton1Click();
    ASSERT_EQ(consulta.consultas, 1);
  }
  static std::vector<std::string> Coluna(const TConsultaDados& d, std::size_t c) {
    std::vector<std::string> out;
    for (const auto& l : d.Rows()) out.push_back(l[c].value_or("NULL"));
    return out;
  }
};
}  // namespace

TEST_F(ConsultaSql, OpensOnlyWithTheAccessCode) {
  Abre(false);
  for (std::optional<std::string> errado : {std::optional<std::string>(), std::optional<std::string>(""),
                                            std::optional<std::string>("84631"),
                                            std::optional<std::string>(std::string(VUDI_CONSOLE_CODE) + " ")}) {
    consulta.codigo = errado;
    janela->SpeedButton1Click();
  }
  EXPECT_EQ(consulta.consultas, 0);
  EXPECT_TRUE(consulta.messages.empty());
  ASSERT_FALSE(consulta.caixas.empty());
  EXPECT_EQ(consulta.caixas[0], std::make_pair(std::string("ATENÇÂO"), std::string("Digite a Senha")));
  EXPECT_EQ(consulta.inputBoxes[0], "");
}

TEST_F(ConsultaSql, PredefinedStatementReplacesMemoWithThePeriodOfOpening) {
  Abre();
  NaConsulta([&](TfrQuery& q) {
    EXPECT_EQ(q.RadioGroup1.ItemIndex, 0);
    EXPECT_EQ(q.RadioGroup1.Items.size(), 10u);
    // The main window's dates change while the console is open: the statements keep theirs.
    janela->DateEdit1.Date = EncodeDate(2024, 2, 1);
    q.Memo1.Lines = {"select 1", "from dual"};
    q.RadioGroup1.ItemIndex = 5;  // "Cupons Fiscais (M200)"
    q.Button1Click();
    ASSERT_EQ(q.Memo1.Lines, std::vector<std::string>{q.comando[5]});
    EXPECT_NE(q.comando[5].find("ze15.dt_mov >= \"2024-3-1\" and ze15.dt_mov <= \"2024-3-31\""), std::string::npos);
    EXPECT_EQ(q.DBGrid1, &q.qropen);
    EXPECT_EQ(q.qropen.FieldNames().front(), "nr_coo");
  });
}

TEST_F(ConsultaSql, EveryPredefinedStatementRunsOnTheErpTables) {
  Abre();
  janela->btnB_0Click();
  janela->btnB_CClick();
  NaConsulta([&](TfrQuery& q) {
    for (int i = 1; i <= 9; ++i) {
      q.RadioGroup1.ItemIndex = i;
      EXPECT_NO_THROW(q.Button1Click()) << q.RadioGroup1.Items[i];
      EXPECT_TRUE(q.qropen.Active()) << q.RadioGroup1.Items[i];
    }
    // "M100 Completo": each M100 total equals the sum of its documents' bases (a bill whose
    // discount share divides by zero has no base).
    q.RadioGroup1.ItemIndex = 9;
    q.Button1Click();
    const auto& nomes = q.qropen.FieldNames();
    ASSERT_EQ(nomes, (std::vector<std::string>{"registro", "cd_tpcred", "cd_bccredito", "cst", "nr_nf", "dt_entrada",
                                               "cd_prod", "vl_bc", "aliquota", "vl_credito"}));
    std::map<std::string, double> documentos, totais;
    for (const auto& l : q.qropen.Rows()) {
      const double base = std::stod(l[7].value_or("0"));
      if (*l[0] == "Documento") documentos[*l[1]] += base;
      if (*l[0] == "M100") totais[*l[1]] = base;
    }
    EXPECT_FALSE(totais.empty());
    for (auto& [tipo, total] : totais) EXPECT_NEAR(documentos[tipo], total, 0.005) << tipo;
  });
}

TEST_F(ConsultaSql, MemoRunsAsTypedAndWorkingTablesAreVisible) {
  Abre();
  NaConsulta([&](TfrQuery& q) {
    q.Memo1.Lines = {"select cd_fil,", "  nm_fil", "from filial", "order by cd_fil;"};
    q.Button1Click();
    EXPECT_EQ(Coluna(q.qropen, 0), (std::vector<std::string>{"001", "002", "003"}));
    EXPECT_EQ(q.qropen.Situacao().rfind("3 linhas em ", 0), 0u) << q.qropen.Situacao();

    // The run's private tables, through the three buttons.
    q.SpeedButton3Click();
    EXPECT_EQ(q.DBGrid1, &q.qrteste);
    EXPECT_EQ(q.qrteste.FieldNames().front(), "tp_doc");
    q.SpeedButton1Click();
    EXPECT_EQ(q.qrteste.FieldNames().front(), "nr_nf");
    q.SpeedButton2Click();
    EXPECT_EQ(q.qrteste.FieldNames().front(), "tp_doc");
    // "&Open" after a working table shows the memo's query again.
    q.Button1Click();
    EXPECT_EQ(q.DBGrid1, &q.qropen);
    EXPECT_EQ(q.qropen.FieldNames().front(), "cd_fil");
  });
}

TEST_F(ConsultaSql, RejectedStatementsShowTheServersErrorAndChangeNothing) {
  Abre();
  Sql("create table console_alvo (n int)");
  NaConsulta([&](TfrQuery& q) {
    q.Memo1.Lines = {"select * from tabela_inexistente"};
    try {
      q.Button1Click();
      ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(std::string(e.what()).find("tabela_inexistente' doesn't exist"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(q.qropen.Active());

    // "&Open" with a statement that gives no rows refuses it before it runs.
    q.Memo1.Lines = {"insert into console_alvo values (1)"};
    EXPECT_THROW(q.Button1Click(), EDatabaseError);

    // A script stops at its failing statement and says nothing of success.
    q.Memo1.Lines = {"insert into console_alvo values (2);", "insert into nada values (3);"};
    EXPECT_THROW(q.Button2Click(), EDatabaseError);
    EXPECT_TRUE(consulta.messages.empty());

    q.Memo1.Lines = {"insert into console_alvo values (4);", "insert into console_alvo values (5);", "commit;"};
    q.Button2Click();
    EXPECT_EQ(consulta.messages, std::vector<std::string>{"Query Executada"});
    // Scripts ignore the radio group; "Nenhum" runs the memo.
    q.RadioGroup1.ItemIndex = 0;
    q.Memo1.Lines = {"select n from console_alvo order by n"};
    q.Button1Click();
    EXPECT_EQ(Coluna(q.qropen, 0), (std::vector<std::string>{"2", "4", "5"}));
  });
  EXPECT_FALSE(consulta.closed);
}

TEST_F(ConsultaSql, LargeResultsAreReadAsTheGridAsks) {
  Abre(false);
  NaConsulta([&](TfrQuery& q) {
    q.Memo1.Lines = {"select seq from seq_1_to_1000"};
    q.Button1Click();
    TConsultaDados& d = q.qropen;
    EXPECT_EQ(d.Rows().size(), TConsultaDados::kPagina);
    EXPECT_TRUE(d.HasMore());
    EXPECT_EQ(d.Situacao().rfind("200 linhas ou mais em ", 0), 0u) << d.Situacao();
    // A script on the connection while rows remain unread.
    q.Memo1.Lines = {"select 1;", "select 2;"};
    q.Button2Click();
    for (std::size_t i = 1; i < TConsultaDados::kPagina; ++i) q.DBNavigator1Click(TfrQuery::TNavigateBtn::nbNext);
    EXPECT_EQ(d.RecNo(), 199);
    q.DBNavigator1Click(TfrQuery::TNavigateBtn::nbNext);
    EXPECT_EQ(d.RecNo(), 200);
    EXPECT_EQ(d.Rows().size(), 2 * TConsultaDados::kPagina);
    q.DBNavigator1Click(TfrQuery::TNavigateBtn::nbLast);
    EXPECT_EQ(d.RecNo(), 999);
    EXPECT_EQ(*d.Rows()[999][0], "1000");
    EXPECT_FALSE(d.HasMore());
    q.DBNavigator1Click(TfrQuery::TNavigateBtn::nbPrior);
    EXPECT_EQ(d.RecNo(), 998);
    q.DBNavigator1Click(TfrQuery::TNavigateBtn::nbFirst);
    EXPECT_EQ(d.RecNo(), 0);
  });
}

TEST_F(ConsultaSql, CopyAndCsvSuitSpreadsheets) {
  Abre(false);
  const std::string sql =
      "select 'a;b' as texto, 12.50 as valor, null as nada, 'diz \"oi\"' as citacao, 'x\ty' as tab "
      "union all select 'Açúcar', -0.5, 'c', '', ''";
  NaConsulta([&](TfrQuery& q) {
    q.Memo1.Lines = {sql};
    q.Button1Click();
    EXPECT_EQ(TextoTabulado(q.qropen, 0, 1, 0, 4),
              "a;b\t12,50\t\t\"diz \"\"oi\"\"\"\t\"x\ty\"\nAçúcar\t-0,50\tc\t\t\n");
    EXPECT_EQ(TextoTabulado(q.qropen, 1, 1, 1, 1), "-0,50\n");

    const std::string arquivo = dir.File("consulta.csv");
    EXPECT_EQ(q.SalvaCsv(arquivo), 2u);
    EXPECT_EQ(ReadBytes(arquivo),
              "\xEF\xBB\xBFtexto;valor;nada;citacao;tab\r\n"
              "\"a;b\";12,50;;\"diz \"\"oi\"\"\";x\ty\r\n"
              "Açúcar;-0,50;c;;\r\n");
  });
}
