// The whole generation of the fixture month without any window: the run context alone, with the
// options a batch run would give it, writes the same file as the window's "TODOS".
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <iterator>

#include "Erro.h"
#include "Geracao.h"
#include "support/ErpDatabase.h"
#include "support/OpcoesMarco2024.h"
#include "support/TempDir.h"
#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

namespace {
std::string Conteudo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool DaValidacao(const std::string& m) { return m.rfind("(VALIDAÇÃO) ", 0) == 0; }
// The messages of the run itself, before the file check's.
std::vector<std::string> DoRun(const std::vector<std::string>& m) {
  std::vector<std::string> out;
  std::copy_if(m.begin(), m.end(), std::back_inserter(out), [](const std::string& l) { return !DaValidacao(l); });
  return out;
}

// A connected run context on a fresh fixture whose message list is kept.
struct GeracaoFixture : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  std::optional<TDbConnection> db;
  std::optional<TGeracao> g;
  std::vector<std::string> mensagens;
  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
    db.emplace(erp->CompanySettings());
    db->Connect();
    g.emplace(*db);
    g->Arquivo().SetOnError([this](const std::string& m) { mensagens.push_back(m); });
  }
  TRunOptions Opcoes() {
    TRunOptions o = Marco2024(LeLojas(*db), dir.File("efd.txt"));
    g->Arquivo().SetArquivo(o.Arquivo);
    return o;
  }
};
}  // namespace

TEST(Geracao, FixtureMonthWithoutWindowMatchesTheStoredFile) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  std::vector<std::string> mensagens, avisos;
  g.Arquivo().SetOnError([&](const std::string& m) { mensagens.push_back(m); });
  g.Eventos().Aviso = [&](const std::string& m) { avisos.push_back(m); };
  std::vector<int> passos;
  g.Eventos().Progresso = [&](int p) { passos.push_back(p); };

  const TRunOptions o = Marco2024(LeLojas(db), dir.File("efd.txt"));
  ASSERT_FALSE(o.Loja.Vazia());
  g.Arquivo().SetArquivo(o.Arquivo);
  g.Todos(o);

  EXPECT_EQ(Conteudo(o.Arquivo), ReadErpFixture("expected/arquivo_loja001_2024-03.txt"));
  // Besides the file check, the purchase's variant item, known only through grade, is kept and named.
  EXPECT_EQ(DoRun(mensagens), (std::vector<std::string>{
                                  "AVISO: o produto \"000105\" não está no cadastro de materiais; o item foi mantido "
                                  "com os seus valores (NF de entrada 12345 da loja 001, item 3 (000105))"}));
  EXPECT_EQ(passos, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  ASSERT_EQ(avisos.size(), 1u);
  EXPECT_EQ(avisos[0].rfind("Iniciou as ", 0), 0u);
}

// "Bloco M pelas tabelas de trabalho": block M as the working tables and block C's totals give
// it, as files were written before block M was assessed from the detail records.
TEST(Geracao, BlockMByTheWorkingTablesKeepsTheEarlierFigures) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  TRunOptions o = Marco2024(LeLojas(db), dir.File("efd.txt"));
  o.BlocoMTabelas = true;
  g.Arquivo().SetArquivo(o.Arquivo);
  g.Todos(o);

  std::string esperado = ReadErpFixture("expected/arquivo_loja001_2024-03.txt");
  const std::pair<const char*, const char*> anteriores[] = {
      {"|M100|101|0|2300,00|1,6500|0,00|0,0000|37,95|0,00|0,00|0,00|37,95|1|31,78|6,17|",
       "|M100|101|0|2300,00|1,6500|0,00|0,0000|37,95|0,00|0,00|0,00|37,95|0|37,95|0,00|"},
      {"|M200|31,78|31,78|", "|M200|13,64|13,64|"},
      {"|M210|01|2034,00|2026,00|0,00|100,00|1926,00|1,6500|||31,78|0,00|0,00|0,00|0,00|31,78|",
       "|M210|01|476,00|476,00|0,00|100,00|376,00|1,6500|0,000|0,0000|13,64|0,00|0,00|0,00|0,00|13,64|"},
      {"|M500|101|0|2300,00|7,6000|0,00|0,0000|174,80|0,00|0,00|0,00|174,80|1|157,78|17,02|",
       "|M500|101|0|2300,00|7,6000|0,00|0,0000|174,80|0,00|0,00|0,00|174,80|0|174,80|0,00|"},
      {"|M600|157,78|157,78|", "|M600|62,77|62,77|"},
      {"|M610|01|2034,00|2026,00|50,00|0,00|2076,00|7,6000|||157,78|0,00|0,00|0,00|0,00|157,78|",
       "|M610|01|490,00|476,00|50,00|0,00|526,00|7,6000|0,000|0,0000|36,18|0,00|0,00|0,00|0,00|36,18|"},
  };
  for (const auto& [atual, anterior] : anteriores) {
    const size_t p = esperado.find(atual);
    ASSERT_NE(p, std::string::npos) << atual;
    esperado.replace(p, std::string(atual).size(), anterior);
  }
  EXPECT_EQ(Conteudo(o.Arquivo), esperado);
}

TEST(Geracao, StepsStopOnMissingChoices) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  TRunOptions o = Marco2024(LeLojas(db), dir.File("efd.txt"));
  o.Loja = {};
  EXPECT_THROW(g.Inicio(o), Erro);
  o = Marco2024(LeLojas(db), dir.File("efd.txt"));
  o.VersaoTexto.clear();
  g.Arquivo().SetArquivo(o.Arquivo);
  try {
    g.Todos(o);
    FAIL() << "a run without a layout version went on";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), "Escolha a Versão do Layout");
  }
}

// The completed file is checked once, in either writing mode, and its findings follow the run's
// own messages exactly as the checker words them.
TEST_F(GeracaoFixture, CompletedFileIsCheckedAndItsFindingsListed) {
  for (bool concomitante : {true, false}) {
    SCOPED_TRACE(concomitante ? "concomitant" : "all at once");
    mensagens.clear();
    TRunOptions o = Opcoes();
    o.Concomitante = concomitante;
    g->Todos(o);
    ASSERT_TRUE(g->Validacao().has_value());
    const TResultadoValidacao& r = *g->Validacao();
    const TResultadoValidacao deNovo = ValidaArquivoEfd(o.Arquivo);
    EXPECT_EQ(r.Erros, deNovo.Erros);
    EXPECT_EQ(r.Avisos, deNovo.Avisos);
    std::vector<std::string> esperadas = DoRun(mensagens);
    const std::vector<std::string> validacao = MensagensValidacao(deNovo);
    esperadas.insert(esperadas.end(), validacao.begin(), validacao.end());
    EXPECT_EQ(mensagens, esperadas);
    // Found today on the fixture month: the layout-version-320 file of March 2024 lacks block I.
    EXPECT_NE(std::find(mensagens.begin(), mensagens.end(),
                        "(VALIDAÇÃO) arquivo, I001: bloco I ausente: obrigatório em períodos a partir de 01/01/2014"),
              mensagens.end());
    EXPECT_GT(r.Erros, 0);
    EXPECT_EQ(ResumoValidacao(r).rfind("Arquivo validado: ", 0), 0u);
  }
}

// Listing the findings again (the window clears its list before "Gerar TXT") reads the file
// again only when it was written since; turning the check off leaves no result and no lines.
TEST_F(GeracaoFixture, CheckListsAgainAndCanBeTurnedOff) {
  TRunOptions o = Opcoes();
  g->Todos(o);
  const std::vector<std::string> primeira = mensagens;
  ASSERT_FALSE(primeira.empty());
  mensagens.clear();
  g->Valida(o);
  // The check's lines again, without the run's own messages.
  std::vector<std::string> daValidacao;
  std::copy_if(primeira.begin(), primeira.end(), std::back_inserter(daValidacao), DaValidacao);
  EXPECT_EQ(mensagens, daValidacao);

  // The file changed on disk: the new content is what is checked.
  std::ofstream(o.Arquivo, std::ios::binary | std::ios::trunc) << "|0000|006|\r\n";
  mensagens.clear();
  g->Valida(o);
  ASSERT_TRUE(g->Validacao().has_value());
  EXPECT_EQ(g->Validacao()->Linhas, 1);
  EXPECT_NE(mensagens, primeira);

  mensagens.clear();
  o.ValidaArquivo = false;
  g->Todos(o);
  EXPECT_FALSE(g->Validacao().has_value());
  EXPECT_TRUE(std::none_of(mensagens.begin(), mensagens.end(), DaValidacao));
}
