// Runs that cannot harm each other, the previous file or the ERP: two runs on one company, a run
// whose connection dies halfway, and a working-table script that fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DbQuery.h"
#include "Erro.h"
#include "Geracao.h"
#include "TravaEmpresa.h"
#include "support/ErpDatabase.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
const char* kOcupada = "Outra geração está em andamento nesta empresa";

TRunOptions Opcoes(TDbConnection& db, const std::string& loja, int mes, const std::string& arquivo) {
  TRunOptions o;
  for (const TLinhaLoja& l : LeLojas(db))
    if (l.Texto("cd_loja") == loja) o.Loja = l;
  o.DataInicial = EncodeDate(2024, mes, 1);
  o.DataFinal = EndOfTheMonth(o.DataInicial);
  o.Detalhamento = DetalhamentoDaLoja(o.Loja, static_cast<int>(TListasGeracao::Detalhamentos().size()));
  o.ReceitaM205 = PadraoDaLoja(o.Loja).ReceitaM205;
  o.Arquivo = arquivo;
  return o;
}

// One whole run on its own connection; the error's text when it stopped.
std::string Roda(const ErpDatabase& erp, const std::string& loja, int mes, const std::string& arquivo) {
  try {
    TDbConnection db(erp.CompanySettings());
    db.Connect();
    TGeracao g(db);
    const TRunOptions o = Opcoes(db, loja, mes, arquivo);
    g.Arquivo().SetArquivo(o.Arquivo);
    g.Todos(o);
    return "";
  } catch (const std::exception& e) {
    return e.what();
  }
}

std::string Valor(TDbConnection& db, const std::string& sql) {
  TDbQuery q(db);
  q.Add(sql);
  q.Open();
  return q.Eof() ? "" : q.FieldByName("v").AsString();
}

std::vector<std::string> Pasta(const fs::path& p) {
  std::vector<std::string> nomes;
  for (const auto& e : fs::directory_iterator(p)) nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}
}  // namespace

TEST(GeracaoSegura, TwoRunsStartedTogetherGiveTheFilesOfTheSameRunsOneAfterTheOther) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  // A table of that name left in the company database by another program stays as it is.
  TDbConnection outra(erp.CompanySettings());
  outra.Connect();
  outra.ExecSQL("create table m400800temp (id int primary key, marca varchar(10))");
  outra.ExecSQL("insert into m400800temp values (1, 'alheia')");
  outra.Commit();

  ASSERT_EQ(Roda(erp, "001", 3, dir.File("a1.txt")), "");
  ASSERT_EQ(Roda(erp, "001", 2, dir.File("b1.txt")), "");
  std::string erroA, erroB;
  std::thread a([&] { erroA = Roda(erp, "001", 3, dir.File("a2.txt")); });
  std::thread b([&] { erroB = Roda(erp, "001", 2, dir.File("b2.txt")); });
  a.join();
  b.join();
  EXPECT_TRUE(erroA.empty() || erroB.empty()) << erroA << " / " << erroB;
  for (auto [erro, seq, par] : {std::tuple{erroA, "a1.txt", "a2.txt"}, std::tuple{erroB, "b1.txt", "b2.txt"}}) {
    if (erro.empty()) {
      EXPECT_EQ(ReadBytes(dir.File(par)), ReadBytes(dir.File(seq))) << par;
    } else {
      EXPECT_EQ(erro.rfind(kOcupada, 0), 0u) << erro;
      EXPECT_NE(erro.find("conexão"), std::string::npos) << erro;
      EXPECT_FALSE(fs::exists(dir.File(par)));
    }
  }
  EXPECT_EQ(Valor(outra, "select concat(count(*), marca) as v from m400800temp"), "1alheia");
}

TEST(GeracaoSegura, ARunStopsWhenTheCompanyIsBusyAndNamesTheHolder) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection outra(erp.CompanySettings());
  outra.Connect();
  const std::string id = Valor(outra, "select connection_id() as v");
  ASSERT_EQ(Valor(outra, "select get_lock(\"" + TTravaEmpresa::Nome(erp.CompanyName()) + "\", 0) as v"), "1");
  std::ofstream(dir.File("efd.txt")) << "ANTERIOR";
  const std::string erro = Roda(erp, "001", 3, dir.File("efd.txt"));
  EXPECT_EQ(erro.rfind(kOcupada, 0), 0u) << erro;
  EXPECT_NE(erro.find("conexão " + id), std::string::npos) << erro;
  EXPECT_EQ(ReadBytes(dir.File("efd.txt")), "ANTERIOR");
  EXPECT_EQ(Pasta(dir.path()), std::vector<std::string>{"efd.txt"});
}

TEST(GeracaoSegura, ARunWhoseConnectionIsKilledHalfwayLeavesThePreviousFileAndFreesTheCompany) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  std::ofstream(dir.File("efd.txt")) << "ANTERIOR";
  TDbConnection db(erp.CompanySettings()), outra(erp.CompanySettings());
  db.Connect();
  outra.Connect();
  const std::string id = Valor(db, "select connection_id() as v");
  TGeracao g(db);
  bool morta = false;
  g.Eventos().Caption = [&](const std::string& c) {
    if (!morta && c.rfind("Registro C100", 0) == 0) {
      morta = true;
      EXPECT_NE(ReadBytes(g.Arquivo().ArquivoEmGravacao()).find("|A990|"), std::string::npos);
      outra.ExecSQL("kill " + id);
    }
  };
  const TRunOptions o = Opcoes(db, "001", 3, dir.File("efd.txt"));
  g.Arquivo().SetArquivo(o.Arquivo);
  EXPECT_THROW(g.Todos(o), EDatabaseError);
  EXPECT_TRUE(morta);
  EXPECT_EQ(ReadBytes(dir.File("efd.txt")), "ANTERIOR");
  EXPECT_EQ(Pasta(dir.path()), std::vector<std::string>{"efd.txt"});
  // The server frees a killed session's lock as the session ends.
  EXPECT_EQ(Valor(outra, "select get_lock(\"" + TTravaEmpresa::Nome(erp.CompanyName()) + "\", 10) as v"), "1");
}

TEST(GeracaoSegura, ACaughtScriptFailureIsAnErrorOfTheRun) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  // A table of the script's name with other columns makes its inserts fail.
  db.ExecSQL("create temporary table m400800 (x int)");
  TGeracao g(db);
  std::vector<std::string> mensagens;
  g.Arquivo().SetOnError([&](const std::string& m) { mensagens.push_back(m); });
  const TRunOptions o = Opcoes(db, "001", 3, dir.File("efd.txt"));
  g.Arquivo().SetArquivo(o.Arquivo);
  g.Todos(o);
  ASSERT_EQ(g.Falhas().size(), 1u);
  EXPECT_NE(g.Falhas()[0].find("m400800"), std::string::npos) << g.Falhas()[0];
  EXPECT_NE(std::find(mensagens.begin(), mensagens.end(), "ERRO: " + g.Falhas()[0]), mensagens.end());
}

TEST(GeracaoSegura, ADatabaseErrorOfTheNonContributionRevenueIsADatabaseError) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  const TRunOptions o = Opcoes(db, "001", 3, dir.File("efd.txt"));
  g.Arquivo().SetArquivo(o.Arquivo);
  g.Inicio(o);
  db.ExecSQL("drop temporary table m400800temp");
  db.ExecSQL("create temporary table m400800temp (x int)");
  g.Bloco0(o);
  g.BlocoA(o);
  EXPECT_THROW(g.BlocoC(o), EDatabaseError);
}
