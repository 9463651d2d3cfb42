// The blocks and block 0 read the same documents: every code a register uses is listed, no
// document or item is lost, and a value the ERP holds wrongly stops the run naming its row.
#include <gtest/gtest.h>

#include "DbError.h"
#include "Erro.h"
#include "support/JanelaErp.h"
#include "validacao/ValidadorEfd.h"

namespace {
double Valor(const std::string& campo) {
  std::string t = campo;
  for (char& c : t)
    if (c == ',') c = '.';
  return t.empty() ? 0 : std::stod(t);
}

struct ExtracaoConsistente : JanelaErp {
  // A whole "TODOS" run of store 001 for March 2024, coupons included.
  void Run() {
    frm->CheckBox2.Checked = true;  // fiscal coupons
    frm->BitBtn1Click();
  }
  // The lines of one register, split into fields.
  std::vector<std::vector<std::string>> Registro(const std::string& reg) const {
    std::vector<std::vector<std::string>> out;
    for (auto& l : FileLines(File()))
      if (l.rfind("|" + reg + "|", 0) == 0) out.push_back(Fields(l));
    return out;
  }
  // The codes the file uses that block 0 does not list.
  std::vector<std::string> CodigosDesconhecidos() const {
    std::vector<std::string> out;
    for (const TAchado& a : ValidaArquivoEfd(File()).Achados)
      if (a.Tipo == TTipoAchado::Referencia && a.Severidade == TSeveridade::Erro)
        out.push_back(a.Reg + " " + a.Campo + " " + a.Valor);
    return out;
  }
  // The private server's global mode, made strict by one case, is put back after it.
  bool modoEstrito = false;
  void TearDown() override {
    if (modoEstrito) Sql("set global sql_mode = replace(@@global.sql_mode, ',ONLY_FULL_GROUP_BY', '')");
  }
  // The message of the error a whole run stops with.
  std::string Falha() {
    try {
      Run();
    } catch (const EDatabaseError& e) {
      return std::string("erro de banco de dados: ") + e.what();
    } catch (const Erro& e) {
      return e.what();
    }
    return "";
  }
};
}  // namespace

// Documents that one side read and the other did not: each case left a code unlisted.
TEST_F(ExtracaoConsistente, Block0ListsEveryCodeTheFileUses) {
  struct Caso {
    const char* nome;
    std::vector<const char*> sql;
  };
  const std::vector<Caso> casos = {
      {"fixture month (A170 items by their product code)", {}},
      {"NF-e issued in March, left in April", {"update nf set dt_saida = '2024-04-02' where nr_nf = '1001'"}},
      {"item CFOP outside the contributions on a header inside",
       {"update cfop set sn_efdcontrib = '1' where cd_cfop = '202'"}},
      {"purchase item without a unit of its own",
       {"update material set nm_unid = 'CX' where cd_mat = '000107'",
        "update nfentit set un_prod = '' where nr_nfent = 2 and item = 2"}},
      {"coupon item sold nowhere else",
       {"insert into material (cd_mat, nm_mat, nm_unid) values ('000108', 'VELA', 'CX')",
        "insert into produto (cd_prod, nm_prod, cd_cfop, cd_pis, cd_cofins) values ('000108', 'VELA', '201', '01', '01')",
        "update ze15 set cd_prod = '000108' where nr_coo = '004518' and nr_item = 2"}},
      {"service invoice whose taker is only its customer code",
       {"insert into cliente (cd_cli, nm_cli, tp_cli, cd_pais, cd_cid) values ('11222333000181', 'CONDOMINIO', 'J', '1058', '3550308')",
        "update nfse set cd_cli = '11222333000181' where cd_fil = '001' and nr_rps = '1'"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    frm.reset();  // its connection would hold the old database
    erp.emplace();
    for (const char* s : c.sql) Sql(s);
    Open();
    Run();
    EXPECT_EQ(CodigosDesconhecidos(), std::vector<std::string>{});
  }
}

TEST_F(ExtracaoConsistente, ServiceInvoiceItemsFoundByBranchCode) {
  Sql("update nfse set nr_loja = '01' where cd_fil = '001'");
  Open();
  Run();
  std::vector<std::string> itens;
  for (auto& f : Registro("A170")) itens.push_back(f[2]);
  EXPECT_EQ(itens, (std::vector<std::string>{"000900", "000901", "000900", "000901", "000900"}));
}

TEST_F(ExtracaoConsistente, ItemWithoutProductIsKeptWithItsOwnValues) {
  Sql("update nfitem set cd_mat = '000999', cd_prod = '000999' where nr_nf = '1001' and nr_item = 1");
  Open();
  std::vector<std::string> m;
  frm->Geracao().Arquivo().SetOnError([&](const std::string& t) { m.push_back(t); });
  Run();
  std::vector<std::vector<std::string>> itens;
  bool naNota = false;
  for (auto& l : FileLines(File())) {
    if (l.rfind("|C100|", 0) == 0) naNota = Fields(l)[7] == "1001";
    if (naNota && l.rfind("|C170|", 0) == 0) itens.push_back(Fields(l));
  }
  ASSERT_EQ(itens.size(), 2u);
  EXPECT_EQ(itens[0][2], "000999");
  EXPECT_EQ(itens[0][5], "PCT");
  EXPECT_EQ(itens[0][6], "400,00");
  EXPECT_EQ(itens[0][24], "01");
  // The beer keeps its own value and situation.
  EXPECT_EQ(itens[1][2], "000103");
  EXPECT_EQ(itens[1][6], "100,00");
  EXPECT_EQ(itens[1][24], "04");
  EXPECT_TRUE(std::any_of(m.begin(), m.end(), [](const std::string& l) {
    return l.find("000999") != std::string::npos && l.find("NF-e 1001 da loja 001, item 1") != std::string::npos;
  })) << ::testing::PrintToString(m);
  EXPECT_EQ(CodigosDesconhecidos(), std::vector<std::string>{});

  // The purchase's variant item (known only through grade) is no longer dropped either: the
  // items add up to the invoice's goods value.
  double soma = 0, mercadorias = 0;
  for (auto& l : FileLines(File())) {
    if (l.rfind("|C100|", 0) == 0) naNota = Fields(l)[7] == "12345";
    if (naNota && l.rfind("|C100|", 0) == 0) mercadorias = Valor(Fields(l)[15]);
    if (naNota && l.rfind("|C170|", 0) == 0) {
      soma += Valor(Fields(l)[6]);
      if (Fields(l)[2] == "000105") {
        EXPECT_EQ(Fields(l)[3], "CAMISETA ALGODAO");
      }
    }
  }
  EXPECT_DOUBLE_EQ(soma, mercadorias);
}

TEST_F(ExtracaoConsistente, NfceHeaderContributionsAreTheSumsOfItsLines) {
  Sql("update nfce set vl_pis = 9.99, vl_cofins = 99.99");
  Open();
  Run();
  int notas = 0;
  std::vector<std::string> c100;
  double pis = 0, cofins = 0;
  auto confere = [&] {
    if (c100.empty() || c100[4] != "65" || c100[5] != "00") return;
    ++notas;
    EXPECT_DOUBLE_EQ(Valor(c100[25]), pis) << c100[7];
    EXPECT_DOUBLE_EQ(Valor(c100[26]), cofins) << c100[7];
  };
  for (auto& l : FileLines(File())) {
    if (l.rfind("|C100|", 0) == 0 || l.rfind("|C990|", 0) == 0) {
      confere();
      c100 = l.rfind("|C100|", 0) == 0 ? Fields(l) : std::vector<std::string>{};
      pis = cofins = 0;
    } else if (l.rfind("|C175|", 0) == 0) {
      pis += Valor(Fields(l)[9]);
      cofins += Valor(Fields(l)[15]);
    }
  }
  EXPECT_EQ(notas, 3);
}

TEST_F(ExtracaoConsistente, UtilityBillNumberBeyondTheFieldStops) {
  Sql("update nfent set nr_nf = '3000000000' where nr_nfent = 9");
  Open();
  const std::string erro = Falha();
  EXPECT_NE(erro.find("'3000000000' não é um valor inteiro válido para o campo nr_nf"), std::string::npos) << erro;
  EXPECT_NE(erro.find("da loja 001"), std::string::npos) << erro;
}

TEST_F(ExtracaoConsistente, ConsolidationJoinsItemsOnTheirWholeKeys) {
  Sql("update empresa set tp_inctrib = 2");
  // Another store's item under the same invoice number; a coupon of another printer and day
  // under the same coupon number.
  Sql("insert into nfitem (cd_fil, nr_nf, nr_item, nr_loja, cd_mat, cd_prod, qt_prod, nm_unid, vl_nf, vl_totalnf, "
      "tt_item, cd_sita, cd_sitb, cd_cfop, cd_pis, cd_cofins) values ('003', '1001', 9, '003', '000101', '000101', 1, "
      "'PCT', 1000, 1000, 1000, '0', '00', '201', '01', '01')");
  Sql("insert into ze15 (nr_fab, dt_mov, nr_coo, nr_item, nr_ecf, nr_loja, nr_nf, cd_prod, vl_total, sn_canc) values "
      "('BE091010100011223355', '2024-03-05', '004518', 1, '002', '003', '', '000101', 700.00, 'N')");
  Open();
  frm->RadioGroup3.ItemIndex = 1;
  frm->BitBtn1Click();
  double notas = 0, cupons = 0;
  int64_t quantCupons = 0;
  for (auto& f : Registro("1900")) {
    if (f[2] == "2D") {
      cupons += Valor(f[6]);
      quantCupons += std::stoll(f[7]);
    } else {
      notas += Valor(f[6]);
    }
  }
  // Invoices 1001 (500,00), 1002 (300,00), 1005 (0,00) and 1007 (25,00).
  EXPECT_DOUBLE_EQ(notas, 825.00);
  // Coupon 004518 without its cancelled item (50,00) and coupon 000100 (30,00); each coupon
  // counted once in each pair of situation codes it has items of.
  EXPECT_DOUBLE_EQ(cupons, 80.00);
  EXPECT_EQ(quantCupons, 3);
}

TEST_F(ExtracaoConsistente, CustomerReturnsAreNoSales) {
  Open();
  Run();
  long double pis = 0, cofins = 0;
  bool venda = false;
  for (auto& l : FileLines(File())) {
    if (l.rfind("|C100|", 0) == 0) venda = Fields(l)[1] == "1";
    if (venda && (l.rfind("|C170|", 0) == 0)) {
      pis += Valor(Fields(l)[29]);
      cofins += Valor(Fields(l)[35]);
    }
    if (l.rfind("|C175|", 0) == 0) {
      pis += Valor(Fields(l)[9]);
      cofins += Valor(Fields(l)[15]);
    }
  }
  // The return (own entry invoice 1003, PIS 1,65) is in the file but not in the sales totals.
  EXPECT_NEAR(static_cast<double>(frm->Geracao().vlpisM200), static_cast<double>(pis), 0.001);
  EXPECT_NEAR(static_cast<double>(frm->Geracao().vlcofinsM200), static_cast<double>(cofins), 0.001);
}

TEST_F(ExtracaoConsistente, StrictGroupingServerRunsTheMonth) {
  // The program's own connections start from the server's global mode.
  Sql("set global sql_mode = concat(@@global.sql_mode, ',ONLY_FULL_GROUP_BY')");
  modoEstrito = true;
  Open();
  EXPECT_EQ(Falha(), "");
  EXPECT_TRUE(FileCountsAgree(File()));
}

// A value the extraction cannot convert names the document, the item and the column, and is the
// generation's error (not the database's).
TEST_F(ExtracaoConsistente, BadValueStopsNamingItsRow) {
  struct Caso {
    const char* sql;
    const char* mensagem;
  };
  const std::vector<Caso> casos = {
      {"update nfitem set cd_pis = '0X' where nr_nf = '1001' and nr_item = 2",
       "'0X' não é um valor inteiro válido para o campo cd_pis (NF-e 1001 da loja 001, item 2 (000103))"},
      {"update nfceitem set cd_pis = '' where nr_nfce = '5002'",
       "'' não é um valor inteiro válido para o campo cd_pis (NFC-e 5002 série 1 da loja 001, item 1 (000106))"},
      {"update nfitem set cd_sitb = 'X' where nr_nf = '1001' and nr_item = 1",
       "'0X' não é um valor inteiro válido para o campo cd_sita/cd_sitb (NF-e 1001 da loja 001, item 1 (000101))"},
      {"update nfentit set cd_cst = 'ABC' where nr_nfent = 2 and item = 1",
       "'ABC' não é um valor inteiro válido para o campo cd_cst (NF de entrada 778 da loja 002, item 2 (000102))"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.sql);
    frm.reset();  // its connection would hold the old database
    erp.emplace();
    Sql(c.sql);
    Open();
    EXPECT_EQ(Falha(), c.mensagem);
  }
}
