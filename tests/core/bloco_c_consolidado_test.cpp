// Block C by consolidation on the fixture month: store 001, "Indicador da Apuração" consolidated
// with the consolidated criterion, the whole run as the run context does it.
#include <gtest/gtest.h>

#include <algorithm>

#include "Erro.h"
#include "Geracao.h"
#include "validacao/ValidadorEfd.h"
#include "support/BlocoMLido.h"
#include "support/ErpDatabase.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {

struct BlocoCConsolidado : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  std::vector<std::string> mensagens;

  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
  }
  // Changes the fixture for one case.
  void Sql(const std::string& statement) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL(statement);
    db.Commit();
  }
  TRunOptions Opcoes(TDbConnection& db, bool consolidado) {
    TRunOptions o;
    for (const TLinhaLoja& l : LeLojas(db))
      if (l.Texto("cd_loja") == "001") o.Loja = l;
    o.DataInicial = EncodeDate(2024, 3, 1);
    o.DataFinal = EncodeDate(2024, 3, 31);
    o.Detalhamento = DetalhamentoDaLoja(o.Loja, static_cast<int>(TListasGeracao::Detalhamentos().size()));
    o.ReceitaM205 = PadraoDaLoja(o.Loja).ReceitaM205;
    if (consolidado) {
      o.Apuracao = TListasGeracao::kApuracaoConsolidada;
      o.Criterio = TListasGeracao::kCriterioConsolidadoCompetencia;
    }
    o.Arquivo = dir.File(consolidado ? "consolidado.txt" : "individual.txt");
    // The tests check the file themselves; the message list keeps only what block C says.
    o.ValidaArquivo = false;
    return o;
  }
  // The whole run; returns the file's path.
  std::string Roda(bool consolidado = true) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    TGeracao g(db);
    mensagens.clear();
    g.Arquivo().SetOnError([&](const std::string& m) { mensagens.push_back(m); });
    const TRunOptions o = Opcoes(db, consolidado);
    g.Arquivo().SetArquivo(o.Arquivo);
    g.Todos(o);
    return o.Arquivo;
  }
  static std::vector<std::string> Linhas(const std::string& arquivo, const std::string& prefixo) {
    std::vector<std::string> out;
    for (auto& l : FileLines(arquivo))
      if (l.rfind(prefixo, 0) == 0) out.push_back(l);
    return out;
  }
  // The family of one product: its parent line and the lines below it up to the next parent.
  static std::vector<std::string> Familia(const std::string& arquivo, const std::string& pai, const std::string& item) {
    std::vector<std::string> out;
    bool dentro = false;
    for (auto& l : FileLines(arquivo)) {
      const std::string reg = l.size() > 5 ? l.substr(1, 4) : "";
      if (reg == pai) dentro = Fields(l)[4] == item;
      else if (reg.substr(0, 3) != pai.substr(0, 3)) dentro = false;
      if (dentro) out.push_back(l);
    }
    return out;
  }
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(BlocoCConsolidado, FixtureMonthPerFamilyAndTheFileChecksClean) {
  const std::string f = Roda();
  EXPECT_TRUE(FileCountsAgree(f));
  EXPECT_EQ(Linhas(f, "|C0"), (V{"|C001|0|", "|C010|12345678000195|1|"}));
  // Sales of the stock stores per product; a product sold under two CFOPs gets two lines each.
  EXPECT_EQ(Linhas(f, "|C18"),
            (V{"|C180|55|07032024|07032024|000101|10063021||400,00|",
               "|C181|01|5102|400,00|0,00|400,00|1,6500|||6,60|3.1.1.01|",
               "|C185|01|5102|400,00|0,00|400,00|7,6000|||30,40|3.1.1.01|",
               "|C180|55|07032024|07032024|000103|22030000||100,00|",
               "|C181|04|5405|100,00|0,00|0,00|0,0000|||0,00|3.1.1.01|",
               "|C185|04|5405|100,00|0,00|0,00|0,0000|||0,00|3.1.1.01|",
               "|C180|55|26032024|28032024|000104|61091000||25,00|",
               "|C181|01|5102|0,00|0,00|0,00|1,6500|||0,00|3.1.1.01|",
               "|C181|49|5949|25,00|0,00|0,00|0,0000|||0,00|3.1.1.01|",
               "|C185|01|5102|0,00|0,00|0,00|7,6000|||0,00|3.1.1.01|",
               "|C185|49|5949|25,00|0,00|0,00|0,0000|||0,00|3.1.1.01|"}));
  // Purchases per product: two suppliers of 000101 each get their lines under its one C190;
  // an item without codes of its own takes the product's purchase codes (000104); the import
  // (000106) names the store, which issued its NF-e.
  EXPECT_EQ(Linhas(f, "|C19"),
            (V{"|C190|55|05032024|25032024|000101|10063021||686,00|",
               "|C191|11122233000183|50|1102|600,00|0,00|600,00|1,6500|||9,90|1.1.3.01|",
               "|C191|11122233000183|50|1949|6,00|0,00|6,00|1,6500|||0,10|1.1.3.01|",
               "|C191|98765432100|50|1102|80,00|0,00|80,00|1,6500|||1,32|1.1.3.01|",
               "|C195|11122233000183|50|1102|600,00|0,00|600,00|7,6000|||45,60|1.1.3.01|",
               "|C195|11122233000183|50|1949|6,00|0,00|6,00|7,6000|||0,46|1.1.3.01|",
               "|C195|98765432100|50|1102|80,00|0,00|80,00|7,6000|||6,08|1.1.3.01|",
               "|C190|55|12032024|12032024|000102|07133319||150,00|",
               "|C191|44455566000183|73|1102|150,00|0,00|0,00|0,0000|||0,00|1.1.3.01|",
               "|C195|44455566000183|73|1102|150,00|0,00|0,00|0,0000|||0,00|1.1.3.01|",
               "|C190|55|05032024|05032024|000104|61091000||300,00|",
               "|C191|11122233000183|50|1102|300,00|0,00|300,00|1,6500|||4,95|1.1.3.01|",
               "|C195|11122233000183|50|1102|300,00|0,00|300,00|7,6000|||22,80|1.1.3.01|",
               "|C190|55|05032024|05032024|000105|||100,00|",
               "|C191|11122233000183|50|1102|100,00|0,00|100,00|1,6500|||1,65|1.1.3.01|",
               "|C195|11122233000183|50|1102|100,00|0,00|100,00|7,6000|||7,60|1.1.3.01|",
               "|C190|55|15032024|15032024|000106|15091000||2000,00|",
               "|C191|12345678000195|50|3102|2000,00|0,00|2000,00|2,1000|||42,00|1.1.3.01|",
               "|C195|12345678000195|50|3102|2000,00|0,00|2000,00|9,6500|||193,00|1.1.3.01|",
               "|C190|55|12032024|12032024|000107|34022000||100,00|",
               "|C191|44455566000183|50|1102|100,00|0,00|100,00|1,6500|||1,65|1.1.3.01|",
               "|C195|44455566000183|50|1102|100,00|0,00|100,00|7,6000|||7,60|1.1.3.01|"}));
  // The store's coupons only; the cancelled coupon and store 003's are left out.
  EXPECT_EQ(Linhas(f, "|C49"), (V{"|C490|02032024|02032024|2D|",
                                  "|C491|000101|01|5102|30,00|30,00|1,6500|0,000|0,0000|0,49|3.1.1.01|",
                                  "|C491|000103|04|5405|20,00|0,00|0,0000|0,000|0,0000|0,00|3.1.1.01|",
                                  "|C495|000101|01|5102|30,00|30,00|7,6000|0,000|0,0000|2,28|3.1.1.01|",
                                  "|C495|000103|04|5405|20,00|0,00|0,0000|0,000|0,0000|0,00|3.1.1.01|"}));
  EXPECT_TRUE(mensagens.empty()) << mensagens.front();

  const TResultadoValidacao v = ValidaArquivoEfd(f);
  for (const TAchado& a : v.Achados)
    if (a.Severidade == TSeveridade::Erro && !a.Reg.empty() && a.Reg[0] == 'C')
      ADD_FAILURE() << a.Linha << " " << a.Reg << " " << a.Campo << " " << a.Valor << ": " << a.Mensagem;
  EXPECT_EQ(v.ErrosPorTipo[static_cast<size_t>(TTipoAchado::Contagem)], 0);
}

TEST_F(BlocoCConsolidado, LinesSplitByCstAndRateAndKeepToTheirParentsDocuments) {
  // Under one CFOP a second CST and rate; another store's invoice with the same number, dated
  // earlier and selling the same product, is not one of the stock stores' documents.
  Sql("insert into nfitem (cd_fil, nr_nf, nr_item, nr_loja, cd_mat, cd_prod, qt_prod, vl_totalnf, tt_item, cd_cfop, "
      "cd_pis, tx_pis, cd_cofins, tx_cofins) values ('001', '1001', 3, '001', '000101', '000101', 5, 50, 50, '201', "
      "'06', 0, '06', 0), ('001', '1001', 4, '001', '000101', '000101', 1, 10, 10, '201', '01', 0.65, '01', 3)");
  Sql("insert into nf (cd_fil, nr_nf, nr_loja, cd_cfop, dt_emis, sn_transmitida, sn_inutil, sn_canc, tp_nf) values "
      "('003', '1001', '003', '201', '2024-03-02', '1', '0', '0', '1')");
  Sql("insert into nfitem (cd_fil, nr_nf, nr_item, nr_loja, cd_mat, cd_prod, qt_prod, vl_totalnf, tt_item, cd_cfop, "
      "cd_pis, tx_pis, cd_cofins, tx_cofins) values ('003', '1001', 1, '003', '000101', '000101', 7, 70, 70, '201', "
      "'01', 1.65, '01', 7.6)");
  const std::string f = Roda();
  EXPECT_EQ(Familia(f, "C180", "000101"),
            (V{"|C180|55|07032024|07032024|000101|10063021||460,00|",
               "|C181|01|5102|10,00|0,00|10,00|0,6500|||0,07|3.1.1.01|",
               "|C181|01|5102|400,00|0,00|400,00|1,6500|||6,60|3.1.1.01|",
               "|C181|06|5102|50,00|0,00|0,00|0,0000|||0,00|3.1.1.01|",
               "|C185|01|5102|10,00|0,00|10,00|3,0000|||0,30|3.1.1.01|",
               "|C185|01|5102|400,00|0,00|400,00|7,6000|||30,40|3.1.1.01|",
               "|C185|06|5102|50,00|0,00|0,00|0,0000|||0,00|3.1.1.01|"}));
  EXPECT_TRUE(FileCountsAgree(f));
}

TEST_F(BlocoCConsolidado, CouponProductWithoutItsCfopRowIsWrittenAndReported) {
  Sql("delete from prodze where cd_prod = '000101'");
  const std::string f = Roda();
  EXPECT_EQ(Linhas(f, "|C491|000101|"), (V{"|C491|000101|01|5102|30,00|30,00|1,6500|0,000|0,0000|0,49|3.1.1.01|"}));
  EXPECT_NE(std::find(mensagens.begin(), mensagens.end(),
                      "AVISO: Produto 000101 sem registro em prodze; C491/C495 com o CFOP do cadastro do produto (5102)"),
            mensagens.end());
}

TEST_F(BlocoCConsolidado, BadCodesStopNamingTheProduct) {
  struct Caso {
    std::string sql, mensagem;
  } casos[] = {
      {"update nfitem, produto set nfitem.cd_pis = '', produto.cd_pis = '' where nfitem.cd_prod = produto.cd_prod and "
       "produto.cd_prod = '000103'",
       "Produto 000103 sem CST para o registro C181"},
      {"update produto set cd_cofins = '' where cd_prod = '000103'", "Produto 000103 sem CST para o registro C495"},
      {"update cfop set nr_cfop = 'X102' where cd_cfop = '204'",
       "CFOP 'X102' do produto 000103 no registro C491 não é um valor inteiro válido"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.mensagem);
    erp.emplace();
    Sql(c.sql);
    try {
      Roda();
      ADD_FAILURE() << "the run went on";
    } catch (const Erro& e) {
      EXPECT_EQ(std::string(e.what()), c.mensagem);
    }
  }
}

TEST_F(BlocoCConsolidado, SalesContributionReachesBlockM) {
  // The C181/C185 and C491/C495 bases of the month are assessed in M210/M610 with the other
  // detail records of the file, and M200/M600 are the sums of those lines.
  const std::string f = Roda();
  const blocom::ArquivoLido a(f);
  ASSERT_FALSE(Linhas(f, "|C181|").empty());
  blocom::ConfereBlocoM(a);
}
