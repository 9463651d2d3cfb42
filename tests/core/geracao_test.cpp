// The whole generation of the fixture month without any window: the run context alone, with the
// options a batch run would give it, writes the same file as the window's "TODOS".
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Erro.h"
#include "Geracao.h"
#include "support/ErpDatabase.h"
#include "support/TempDir.h"

namespace {
std::string Conteudo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TRunOptions Marco2024(const std::vector<TLinhaLoja>& lojas, const std::string& arquivo) {
  TRunOptions o;
  for (const TLinhaLoja& l : lojas)
    if (l.Texto("cd_loja") == "001") o.Loja = l;
  o.DataInicial = EncodeDate(2024, 3, 1);
  o.DataFinal = EncodeDate(2024, 3, 31);
  o.Detalhamento = DetalhamentoDaLoja(o.Loja, static_cast<int>(TListasGeracao::Detalhamentos().size()));
  o.ReceitaM205 = PadraoDaLoja(o.Loja).ReceitaM205;
  o.Arquivo = arquivo;
  return o;
}
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
  EXPECT_TRUE(mensagens.empty());
  EXPECT_EQ(passos, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  ASSERT_EQ(avisos.size(), 1u);
  EXPECT_EQ(avisos[0].rfind("Iniciou as ", 0), 0u);
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
