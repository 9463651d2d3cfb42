#include <gtest/gtest.h>

#include "FrmVUDIRozAzezav.h"
#include "support/ErpDatabase.h"
#include "support/FakeHost.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
// A logged-in window on a fresh fixture, March 2024, store 001, ready for "Inicio".
struct Bloco0Extracao : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  FakeHost host;
  std::unique_ptr<TFrmVUDIRozAzezav> frm;

  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
  }
  void Open() {
    TAppSettings s;
    s.Conexao = erp->CatalogSettings();
    s.PastaUsuario = dir.path().string();
    frm = std::make_unique<TFrmVUDIRozAzezav>(host, s);
    ASSERT_TRUE(frm->FormCreate());
    frm->FormShow();
    frm->DateEdit1.Date = EncodeDate(2024, 3, 1);
    frm->DateEdit2.Date = EncodeDate(2024, 3, 31);
    frm->edtFile.Text = dir.File("efd.txt");
    frm->edtFileChange();
  }
  void Sql(const std::string& statement) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL(statement);
    db.Commit();
  }
  // Block 0 lines of the file after "Inicio" and "Bloco 0".
  std::vector<std::string> Bloco0() {
    frm->btnInicioClick();
    frm->btnB_0Click();
    std::vector<std::string> out;
    for (auto& l : FileLines(dir.File("efd.txt"))) out.push_back(l);
    return out;
  }
};
}  // namespace

TEST_F(Bloco0Extracao, BlockFromTheFixture) {
  Open();
  const std::vector<std::string> expected = {
      "|0000|006|0|||01032024|31032024|LOJA CENTRO|12345678000195|SP|3550308||00|2|",
      "|0001|0|",
      "|0100|MARIA DA SILVA|52998224725|1SP123456O5|66677788000183|01415000|RUA AUGUSTA|500|SALA 12|CONSOLACAO|1132221111||contabil@example.com|3550308|",
      "|0110|1|1|1||",
      "|0140|1|LOJA CENTRO|12345678000195|SP|110042490114|3550308|||",
      "|0150|10203040000194|BAR \"O PONTO\" LTDA|1058|10203040000194||86654321|3304557||RUA DO OUVIDOR|50||CENTRO|",
      "|0150|11122233000183|DISTRIBUIDORA ALFA LTDA|1058|11122233000183||110042490333|3550308||RUA DA MOOCA|1200||MOOCA|",
      "|0150|12345678909|ANA PEREIRA|1058||12345678909||3304557||RUA VOLUNTARIOS DA PATRIA|80||BOTAFOGO|",
      "|0150|22233344000183|CIA PAULISTA DE ENERGIA|1058|22233344000183||110042490555|3550308||RUA DO ANHANGABAU|1||CENTRO|",
      "|0150|33344455000183|TELECOM BRASIL S.A.|1058|33344455000183||110042490666|3550308||AVENIDA BRASIL|900||JARDIM AMERICA|",
      "|0150|44455566000183|COMERCIO D'OESTE LTDA|1058|44455566000183||86123456|3304557||RUA URUGUAI|33||TIJUCA|",
      "|0150|55566677000183|MANUTENCAO PREDIAL LTDA|1058|55566677000183||ISENTO|3550308||RUA VERGUEIRO|77||LIBERDADE|",
      "|0150|66677788000183|SUPERMERCADO BOM PRECO LTDA|1058|66677788000183||110042490777|3550308||AVENIDA SAO JOAO|450||CENTRO|",
      "|0150|77788899000183|TRANSPORTADORA RAPIDA LTDA|1058|77788899000183||110042490444|3550308||RODOVIA ANHANGUERA|KM 20||JARAGUA|",
      "|0150|98765432100|JOSE DA SILVA|1058||98765432100||3550308||RUA DAS FLORES|12||IPIRANGA|",
      "|0150|EX0001|EXPORTADORA ANDINA S.A.|0639||||||AVENIDA CORRIENTES|1500||SAN NICOLAS|",
      "|0190|KG|DESCR: KG|",
      "|0190|PCT|DESCR: PCT|",
      "|0190|UN|DESCR: UN|",
      "|0200|000101|ARROZ TIPO 1 5KG|000101||PCT|00|10063021||10||7,00|",
      "|0200|000102|FEIJAO CARIOCA 1KG|000102||KG|00|07133319||07||7,00|",
      "|0200|000103|CERVEJA LATA 350ML|000103||UN|00|22030000||22||0,00|",
      "|0200|000104|CAMISETA ALGODAO|000104||UN|00|61091000||61||18,00|",
      "|0200|000105|CAMISETA ALGODAO|000105||UN|00|61091000||61||18,00|",  // variant found through grade
      "|0200|000106|AZEITE D'OLIVA 500ML|000106||UN|00|15091000||15||18,00|",
      "|0200|000107|SABAO EM PO 1KG|000107||KG|00|34022000||34||18,00|",
      "|0200|000900|SERVICO DE MANUTENCAO|000900||UN|09|00000000||00|1401|0,00|",  // service: rate 0
      "|0200|000901|SERVICO DE LIMPEZA|000901||UN|09|00000000||00|0711|0,00|",
      "|0400|0011102|COMPRA PARA COMERCIALIZACAO|",
      "|0400|0011202|DEVOLUCAO DE VENDA DE MERCADOR|",
      "|0400|0013102|COMPRA PARA COMERCIALIZACAO -|",
      "|0400|0015102|VENDA DE MERCADORIA ADQUIRIDA|",
      "|0400|0015405|VENDA DE MERCADORIA COM ICMS S|",
      "|0450|000001|DOCUMENTO REFERENTE|",
      "|0500|01012024|01|S|1|1|ATIVO|1|12345678000195|",
      "|0500|01012024|01|A|4|1.1.3.01|ESTOQUE DE MERCADORIAS|1.01.03.01.00|12345678000195|",
      "|0500|01012024|01|A|4|1.2.3.01|MAQUINAS E EQUIPAMENTOS|1.02.03.01.00|12345678000195|",
      "|0500|01012024|04|A|4|3.1.1.01|RECEITA DE VENDAS|3.01.01.01.00|12345678000195|",
      "|0500|01012024|04|A|4|3.1.2.01|DEVOLUCOES DE VENDAS|3.01.01.03.00|12345678000195|",
      "|0500|01012024|04|A|4|4.1.1.05|DESPESAS COM COMUNICACAO|3.02.01.05.00|12345678000195|",
      "|0500|01012024|04|A|4|4.1.1.07|FRETES E CARRETOS|3.02.01.07.00|12345678000195|",
      "|0990|42|",
  };
  EXPECT_EQ(Bloco0(), expected);
  EXPECT_TRUE(frm->memoError.Lines.empty()) << frm->memoError.Lines.front();
  EXPECT_EQ(host.captions.back(), "Registro 0450 - Tabela de Informação Complementar do Documento Fiscal");
}

TEST_F(Bloco0Extracao, FallbacksAndOptions) {
  // An item moved in the period that is neither a product nor a variant; a unit of an item
  // left empty; no advance payment record; a company activity the layout lists as "other".
  Sql("update nfentit set cd_mat = '999999' where cd_mat = '000107'");
  Sql("update nfitem set nm_unid = '' where cd_mat = '000101'");
  Sql("update nfentit set un_prod = '' where cd_mat = '000101'");
  Sql("delete from nfentantec");
  Sql("update empresa set tp_ativvudirozazezav = 9");
  Open();
  frm->RadioGroup1.ItemIndex = 0;  // consolidated: no operation natures
  frm->RadioGroup3.ItemIndex = 1;
  auto lines = Bloco0();
  auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
  EXPECT_TRUE(has("|0200|999999||999999||UN|00|10000000||||0,00|"));
  EXPECT_TRUE(has("|0200|000101|ARROZ TIPO 1 5KG|000101||UN|00|10063021||10||7,00|"));
  EXPECT_EQ(lines[0], "|0000|006|0|||01032024|31032024|LOJA CENTRO|12345678000195|SP|3550308||00|9|");
  EXPECT_TRUE(has("|0110|1|1|1||"));
  for (auto& l : lines) {
    EXPECT_NE(l.substr(0, 6), "|0400|");
    EXPECT_NE(l.substr(0, 6), "|0450|");
  }
}

TEST_F(Bloco0Extracao, FailuresStopTheBlock) {
  Sql("update contador set cd_municipio = ''");
  Open();
  frm->btnInicioClick();
  try {
    frm->btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("MARIA DA SILVA"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(frm->btnB_0.Enabled);
  EXPECT_TRUE(frm->btnB_C.Enabled);

  Sql("update contador set cd_municipio = '3550308'");
  Sql("update contascontabeis set COD_NAT_CC = '06' where cod_cta = '1'");
  FakeHost h2;
  TAppSettings s;
  s.Conexao = erp->CatalogSettings();
  s.PastaUsuario = dir.path().string();
  TFrmVUDIRozAzezav other(h2, s);
  ASSERT_TRUE(other.FormCreate());
  other.FormShow();
  other.edtFile.Text = dir.File("other.txt");
  other.edtFileChange();
  other.btnInicioClick();
  try {
    other.btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Valor informado [06] deve estar entre (01,02,03,04,05 e 09)");
  }
}

TEST_F(Bloco0Extracao, ErpValuesThatOutgrowTheOldWorkingTables) {
  // A 13-digit barcode as item code, a CFOP stored with a dot, a "|" and a long name of a
  // participant, a foreign participant without municipality and a country code of five digits.
  Sql("update material set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update nfentit set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update nfitem set cd_mat = '7891234567895' where cd_mat = '000107'");
  Sql("update forn set nm_forn = 'DISTRIBUIDORA ALFA | FILIAL MOOCA COMERCIO DE ALIMENTOS E BEBIDAS EM GERAL LTDA', cd_pais = '01058' where cd_forn = '11122233000183'");
  Sql("update forn set cd_cid = '' where cd_pais <> '1058' and cd_pais <> '01058'");
  Sql("update cliente set cd_cid = 'EXTERIOR' where cd_pais <> '1058' and cd_pais <> '01058'");
  Sql("update cfop set nr_cfop = '5.102' where nr_cfop = '5102'");
  Open();
  auto lines = Bloco0();
  auto has = [&](const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  };
  EXPECT_TRUE(has("|0200|7891234567895|SABAO EM PO 1KG|7891234567895|"));
  EXPECT_TRUE(has("|0150|11122233000183|DISTRIBUIDORA ALFA  FILIAL MOOCA COMERCIO DE ALIMENTOS E BEBIDAS EM GERAL LTDA|01058|"));
  EXPECT_TRUE(has("|0150|EX0001|EXPORTADORA ANDINA S.A.|0639|||||"));
  EXPECT_TRUE(has("|0400|0015.102|"));
  // The "|" of the name was dropped: every 0150 line keeps its 14 delimiters.
  for (auto& l : lines)
    if (l.rfind("|0150|", 0) == 0) {
      EXPECT_EQ(std::count(l.begin(), l.end(), '|'), 14) << l;
    }
}

TEST_F(Bloco0Extracao, BrazilianParticipantWithoutMunicipalityStops) {
  Sql("update forn set cd_cid = '' where cd_forn = '11122233000183'");
  Open();
  frm->btnInicioClick();
  try {
    frm->btnB_0Click();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("11122233000183"), std::string::npos) << e.what();
  }
}
