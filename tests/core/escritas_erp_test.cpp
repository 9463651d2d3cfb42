// What a run writes back to the ERP (the NFC-e PIS/COFINS) reaches it only once the file is
// complete, in one transaction; block C written document by document gives the same file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "DbQuery.h"
#include "Geracao.h"
#include "support/ErpDatabase.h"
#include "support/TempDir.h"

namespace {
std::string Conteudo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TRunOptions Marco2024(TDbConnection& db, const std::string& arquivo) {
  TRunOptions o;
  for (const TLinhaLoja& l : LeLojas(db))
    if (l.Texto("cd_loja") == "001") o.Loja = l;
  o.DataInicial = EncodeDate(2024, 3, 1);
  o.DataFinal = EncodeDate(2024, 3, 31);
  o.Detalhamento = DetalhamentoDaLoja(o.Loja, static_cast<int>(TListasGeracao::Detalhamentos().size()));
  o.ReceitaM205 = PadraoDaLoja(o.Loja).ReceitaM205;
  o.Arquivo = arquivo;
  return o;
}

// CHECKSUM TABLE of every ERP table (the working tables left out), read on its own connection.
std::string Somas(const ErpDatabase& erp) {
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TDbQuery tabelas(db);
  tabelas.Add("select table_name from information_schema.tables where table_schema = database() and table_type = "
              "'BASE TABLE' and table_name not like 'm%00%' order by table_name");
  tabelas.Open();
  std::string lista;
  for (tabelas.First(); !tabelas.Eof(); tabelas.Next())
    lista += (lista.empty() ? "`" : ",`") + tabelas.FieldByName("table_name").AsString() + "`";
  TDbQuery somas(db);
  somas.Add("checksum table " + lista);
  somas.Open();
  std::string out;
  for (somas.First(); !somas.Eof(); somas.Next())
    out += somas.FieldByName("Table").AsString() + "=" + somas.FieldByName("Checksum").AsString() + "\n";
  return out;
}

std::string Nfce(TDbConnection& db, const std::string& nr) {
  TDbQuery q(db);
  q.Add("select concat(vl_pis, '/', vl_cofins) as v from nfce where nr_nfce = '" + nr + "'");
  q.Open();
  return q.FieldByName("v").AsString();
}
}  // namespace

TEST(EscritasErp, FailingRunLeavesTheErpAsItWasAndACompleteRunWritesOnce) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  {
    TDbConnection db(erp.CompanySettings());
    db.Connect();
    // Stale sums on a listed NFC-e, and an NFC-e whose items are missing.
    db.ExecSQL("update nfce set vl_pis = 9.99, vl_cofins = 8.88 where nr_nfce = '5001'");
    db.ExecSQL("insert into nfce (cd_fil, nr_serie, nr_nfce, nr_loja, dt_emis, dt_saida, cd_cfop, sn_transmitida, "
               "cd_sitdoc, vl_nf, vl_prod, vl_pis, vl_cofins) values ('001', '1', '5009', '001', '2024-03-20', "
               "'2024-03-20', '201', '1', '00', 10, 10, 1.23, 4.56)");
    db.Commit();
  }
  const std::string antes = Somas(erp);

  for (int falhaEm : {50, 90}) {
    // A run that stops after block C, or just before block 9 ends the file, changes nothing.
    TDbConnection db(erp.CompanySettings());
    db.Connect();
    TGeracao g(db);
    const TRunOptions o = Marco2024(db, dir.File("falha.txt"));
    g.Arquivo().SetArquivo(o.Arquivo);
    g.Eventos().Progresso = [&](int p) {
      if (p == falhaEm) throw std::runtime_error("interrompida");
    };
    EXPECT_THROW(g.Todos(o), std::runtime_error) << falhaEm;
    db.Disconnect();
    EXPECT_EQ(Somas(erp), antes) << "failed at " << falhaEm;
  }

  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  TRunOptions o = Marco2024(db, dir.File("efd.txt"));
  o.BufferNotas = 1;  // block C goes to the file after every document
  g.Arquivo().SetArquivo(o.Arquivo);
  g.Todos(o);
  EXPECT_NE(Nfce(db, "5001"), "9.99/8.88");
  EXPECT_EQ(Nfce(db, "5009"), "1.23/4.56");
  const std::string depois = Somas(erp);
  EXPECT_NE(depois, antes);

  // The next run finds the sums in place: the same file as the stored one, nothing to write.
  TGeracao g2(db);
  g2.Arquivo().SetArquivo(o.Arquivo);
  ASSERT_EQ(db.ExecSQL("delete from nfce where nr_nfce = '5009'"), 1u);
  db.Commit();
  const std::string semOrfa = Somas(erp);
  g2.Todos(o);
  EXPECT_EQ(Conteudo(o.Arquivo), ReadErpFixture("expected/arquivo_loja001_2024-03.txt"));
  EXPECT_EQ(Somas(erp), semOrfa);
}

TEST(IndicesErp, AMissingPeriodIndexIsNamedWithTheStatementThatCreatesIt) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TGeracao g(db);
  std::vector<std::string> mensagens;
  g.Arquivo().SetOnError([&](const std::string& m) { mensagens.push_back(m); });
  const TRunOptions o = Marco2024(db, dir.File("efd.txt"));
  g.CriandoTabelas(o);
  EXPECT_TRUE(mensagens.empty());

  db.ExecSQL("drop index nfce_dt_emis on nfce");
  g.CriandoTabelas(o);
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_NE(mensagens[0].find("nfce"), std::string::npos);
  EXPECT_NE(mensagens[0].find("CREATE INDEX nfce_dt_emis ON nfce (dt_emis);"), std::string::npos) << mensagens[0];
  // Nothing is created in the ERP.
  mensagens.clear();
  g.CriandoTabelas(o);
  EXPECT_EQ(mensagens.size(), 1u);
}
