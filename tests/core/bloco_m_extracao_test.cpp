#include <gtest/gtest.h>

#include <algorithm>

#include "support/JanelaErp.h"

namespace {
// "Inicio" and "Bloco 0" of store 001 for March 2024, then working tables and block C totals
// shaped by the case, "Bloco M" by the working tables, "Bloco 1" and "Bloco 9".
struct BlocoMExtracao : JanelaErp {
  void Inicia() {
    Open();
    frm->cbBlocoMTabelas.Checked = true;
    frm->btnInicioClick();
    frm->btnB_0Click();
    for (const char* t : {"m100500", "m200600", "m400800temp"}) Exec(std::string("delete from ") + t);
  }
  // On the window's own connection: m100500 is private to it.
  void Exec(const std::string& sql) { frm->db0.ExecSQL(sql); }
  void Credito(const char* tipo, const char* base, const char* cst, const char* aliquota, const char* valor,
               int tributo) {
    Exec(std::string("insert into m100500 (cd_tpcred, cd_bccredito, cd_cod, tx_cod, vl_item, tp_piscofins) values ('") +
         tipo + "','" + base + "','" + cst + "'," + aliquota + "," + valor + "," + std::to_string(tributo) + ")");
  }
  void Venda(const char* bc, const char* icms, const char* item, const char* aliquota, int tributo) {
    Exec(std::string("insert into m200600 (tp_doc, vl_bc, vl_icms, vl_item, tx_cod, tp_piscofins) values (1,") + bc +
         "," + icms + "," + item + "," + aliquota + "," + std::to_string(tributo) + ")");
  }
  void SemContribuicao(const char* cst, const char* natureza, const char* valor) {
    Exec(std::string("insert into m400800temp (tp_doc, nat_rec, cd_cod, cd_prod, vl_cod) values (1,'") + natureza +
         "','" + cst + "','000101'," + valor + ")");
  }
  std::vector<std::string> Roda() {
    frm->btnB_MClick();
    frm->btnB_1Click();
    frm->btnB_9Click();
    EXPECT_TRUE(FileCountsAgree(File()));
    return Bloco('M');
  }
  static std::vector<std::string> Linhas(const std::vector<std::string>& bloco, const std::string& reg) {
    std::vector<std::string> out;
    for (auto& l : bloco)
      if (l.rfind("|" + reg + "|", 0) == 0) out.push_back(l);
    return out;
  }
};
}  // namespace

TEST_F(BlocoMExtracao, CreditsContributionsAndRevenuesWithoutContribution) {
  Inicia();
  // PIS: two credit types; two situation codes under one base code; base code 13; a line at
  // rate 0 and one without base code stay out.
  Credito("101", "03", "50", "1.65", "1000.00", 1);
  Credito("101", "03", "53", "1.65", "500.00", 1);
  Credito("101", "13", "50", "1.65", "200.00", 1);
  Credito("101", "03", "50", "0", "999.00", 1);
  Credito("101", "", "50", "1.65", "888.00", 1);
  Credito("201", "14", "10", "1.65", "300.00", 1);  // 10 is no situation code
  // COFINS: the line at rate 0 stays out of the credit and of its details alike.
  Credito("101", "03", "50", "7.60", "1000.00", 2);
  Credito("101", "03", "50", "0", "777.00", 2);
  Credito("201", "04", "56", "7.60", "300.00", 2);
  Venda("1000.00", "180.00", "1100.00", "1.65", 1);
  Venda("500.00", "90.00", "550.00", "1.65", 1);
  Venda("1000.00", "180.00", "1100.00", "7.60", 2);
  Venda("500.00", "90.00", "550.00", "7.60", 2);
  SemContribuicao("04", "101", "100.00");
  SemContribuicao("04", "102", "50.00");
  SemContribuicao("06", "101", "25.50");
  frm->Geracao().vlpisM200 = 1200;
  frm->Geracao().vlcofinsM200 = 114;

  auto m = Roda();
  EXPECT_EQ(Linhas(m, "M100"), (std::vector<std::string>{
                                   "|M100|101|0|1700,00|1,6500|0,00|0,0000|28,05|0,00|0,00|0,00|28,05|0|28,05|0,00|",
                                   "|M100|201|0|300,00|1,6500|0,00|0,0000|4,95|0,00|0,00|0,00|4,95|0|4,95|0,00|"}));
  EXPECT_EQ(Linhas(m, "M105"),
            (std::vector<std::string>{"|M105|03|50|1000,00|0,00|1000,00|1000,00||0,000||",
                                      "|M105|03|53|500,00|0,00|500,00|500,00||0,000||",
                                      // the file is in Windows-1252
                                      "|M105|13|50|200,00|0,00|200,00|200,00||0,000|Outras Opera\xE7\xF5" "es com Direito "
                                      "a Cr\xE9" "dito|",
                                      "|M105|14|01|300,00|0,00|300,00|300,00||0,000||"}));
  // 1200.00 of contribution less 33.00 of credits.
  EXPECT_EQ(Linhas(m, "M200"),
            (std::vector<std::string>{"|M200|1200,00|33,00|0,00|1167,00|0,00|0,00|1167,00|0,00|0,00|0,00|0,00|1167,00|"}));
  EXPECT_EQ(Linhas(m, "M205"), (std::vector<std::string>{"|M205|08|691201|1167,00|"}));
  EXPECT_EQ(Linhas(m, "M210"), (std::vector<std::string>{"|M210|01|1500,00|1500,00|0,00|100,00|1400,00|1,6500|0,000|"
                                                         "0,0000|1200,00|0,00|0,00|0,00|0,00|1200,00|"}));
  EXPECT_EQ(Linhas(m, "M215"), (std::vector<std::string>{
                                   "|M215|0|100,00|01|1004|VENDA CANCELADA|31032024|3.1.1.01|12345678000195||"}));
  EXPECT_EQ(Linhas(m, "M500"),
            (std::vector<std::string>{"|M500|101|0|1000,00|7,6000|0,00|0,0000|76,00|0,00|0,00|0,00|76,00|0|76,00|0,00|",
                                      "|M500|201|0|300,00|7,6000|0,00|0,0000|22,80|0,00|0,00|0,00|22,80|0|22,80|0,00|"}));
  EXPECT_EQ(Linhas(m, "M505"), (std::vector<std::string>{"|M505|03|50|1000,00|0,00|1000,00|1000,00||0,000||",
                                                         "|M505|04|56|300,00|0,00|300,00|300,00||0,000||"}));
  // 114.00 less 98.80; the detail carries the contribution recomputed from the sales lines
  // (1500.00 at 7.60 %) and their gross revenue.
  EXPECT_EQ(Linhas(m, "M600"),
            (std::vector<std::string>{"|M600|114,00|98,80|0,00|15,20|0,00|0,00|15,20|0,00|0,00|0,00|0,00|15,20|"}));
  EXPECT_EQ(Linhas(m, "M605"), (std::vector<std::string>{"|M605|08|585601|15,20|"}));
  EXPECT_EQ(Linhas(m, "M610"), (std::vector<std::string>{"|M610|01|1650,00|1500,00|50,00|0,00|1550,00|7,6000|0,000|"
                                                         "0,0000|114,00|0,00|0,00|0,00|0,00|114,00|"}));
  EXPECT_EQ(Linhas(m, "M615"),
            (std::vector<std::string>{
                "|M615|1|50,00|42||AJUSTE SEM DECISAO JUDICIAL|31032024|3.1.1.01|12345678000195|AJUSTE DE TESTE|"}));
  auto m400 = Linhas(m, "M400"), m410 = Linhas(m, "M410");
  std::sort(m400.begin(), m400.end());
  EXPECT_EQ(m400, (std::vector<std::string>{"|M400|04|150,00|3.1.1.01||", "|M400|06|25,50|3.1.1.01||"}));
  EXPECT_EQ(Linhas(m, "M800").size(), 2u);
  EXPECT_EQ(Linhas(m, "M810").size(), 3u);
  // Each M410 sits under the M400 of its code.
  for (size_t i = 0; i < m.size(); ++i)
    if (m[i] == "|M400|06|25,50|3.1.1.01||") {
      EXPECT_EQ(m[i + 1], "|M410|101|25,50|3.1.1.01||");
    }
  EXPECT_EQ(m.front(), "|M001|0|");
  for (const char* c : {"M001", "M100", "M105", "M200", "M500", "M505", "M600", "M610"})
    EXPECT_NE(std::find(host.captions.begin(), host.captions.end(), c), host.captions.end()) << c;
  EXPECT_FALSE(frm->btnB_M.Enabled);
}

TEST_F(BlocoMExtracao, CreditAgainstContribution) {
  struct Caso {
    long double pis;
    const char* credito;
    int detalhamento;
    const char* m200;
    const char* m205;  // "" when none
  };
  const Caso casos[] = {
      // More credit than contribution: nothing to pay.
      {1200, "90909.09", 0, "|M200|1200,00|1200,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|", ""},
      {1200, "18181.82", 0, "|M200|1200,00|300,00|0,00|900,00|0,00|0,00|900,00|0,00|0,00|0,00|0,00|900,00|",
       "|M205|08|123456|900,00|"},
      {1200, "18181.82", 1, "|M200|1200,00|300,00|0,00|900,00|0,00|0,00|900,00|0,00|0,00|0,00|0,00|900,00|",
       "|M205|12|123456|900,00|"},
      // Block C took the consolidated path: no totals, nothing payable whatever the credits.
      {0, "18181.82", 0, "|M200|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|", ""},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.m200);
    Inicia();
    Credito("101", "01", "50", "1.65", c.credito, 1);  // 18181.82 at 1.65 % is 300.00
    Venda("1000.00", "0", "1000.00", "7.60", 2);
    frm->Geracao().vlpisM200 = c.pis;
    frm->RadioGroup4.ItemIndex = c.detalhamento;
    frm->Edit1.Text = "123456";
    auto m = Roda();
    EXPECT_EQ(Linhas(m, "M200"), std::vector<std::string>{c.m200});
    EXPECT_EQ(Linhas(m, "M205"), std::string(c.m205).empty() ? std::vector<std::string>{}
                                                              : std::vector<std::string>{c.m205});
    if (c.detalhamento == 0 && c.pis > 0 && std::string(c.m205).empty()) {
      // No PIS sales lines: rate and bases at zero, the period's contribution as block C gave it.
      EXPECT_EQ(Linhas(m, "M210"), std::vector<std::string>{"|M210|01|0,00|0,00|0,00|100,00|-100,00|0,0000|0,000|"
                                                            "0,0000|1200,00|0,00|0,00|0,00|0,00|1200,00|"});
    }
    if (c.pis == 0) {
      EXPECT_TRUE(Linhas(m, "M605").empty());
      EXPECT_EQ(Linhas(m, "M600"),
                std::vector<std::string>{"|M600|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"});
      EXPECT_EQ(Linhas(m, "M610")[0].substr(0, 61), "|M610|01|1000,00|1000,00|50,00|0,00|1050,00|7,6000|0,000|0,00");
      EXPECT_NE(Linhas(m, "M610")[0].find("|76,00|"), std::string::npos) << Linhas(m, "M610")[0];
    }
  }
}

TEST_F(BlocoMExtracao, InjunctionTakesTheIcmsOutOfTheBase) {
  Sql("update empresa set sn_liminarbcpis = '1'");
  Inicia();
  Venda("100.00", "18.00", "110.00", "1.65", 1);
  Venda("100.00", "18.00", "110.00", "7.60", 2);
  frm->Geracao().vlpisM200 = 1.353L;
  frm->Geracao().vlcofinsM200 = 6.232L;
  auto m = Roda();
  EXPECT_EQ(Linhas(m, "M210")[0].substr(0, 43), "|M210|01|100,00|82,00|0,00|100,00|-18,00|1,");
  // 82.00 at 7.60 % is 6.232.
  EXPECT_EQ(Linhas(m, "M610")[0], "|M610|01|110,00|82,00|50,00|0,00|132,00|7,6000|0,000|0,0000|6,23|0,00|0,00|0,00|0,00|6,23|");
}

TEST_F(BlocoMExtracao, BaseAdjustments) {
  // None: no M215/M615, the adjusted base equals the base.
  Sql("delete from ajustesBCpiscofins where dt_ref >= '2024-03-01'");
  Inicia();
  Venda("500.00", "0", "500.00", "1.65", 1);
  auto m = Roda();
  EXPECT_EQ(Linhas(m, "M210")[0].substr(0, 42), "|M210|01|500,00|500,00|0,00|0,00|500,00|1,");
  EXPECT_TRUE(Linhas(m, "M215").empty());
  EXPECT_TRUE(Linhas(m, "M615").empty());
  // No COFINS sales: rate and bases at zero.
  EXPECT_EQ(Linhas(m, "M610")[0], "|M610|01|0,00|0,00|0,00|0,00|0,00|0,0000|0,000|0,0000|0,00|0,00|0,00|0,00|0,00|0,00|");

  // Only reductions, for both contributions, with every adjustment code.
  Sql("insert into ajustesBCpiscofins (nr_loja, dt_ref, cd_apropriacao, cd_tipoajuste, vl_ajuste, cd_ajuste) values "
      "('001','2024-03-10',1,0,10.00,'02'),('001','2024-03-11',1,0,11.00,'21'),('001','2024-03-12',2,0,12.00,'41'),"
      "('001','2024-03-13',2,0,13.00,'99'),('002','2024-03-13',2,0,14.00,'01')");
  Inicia();
  m = Roda();
  EXPECT_EQ(Linhas(m, "M215"), (std::vector<std::string>{"|M215|0|10,00|02|||10032024||||",
                                                         "|M215|0|11,00|21|||11032024||||"}));
  EXPECT_EQ(Linhas(m, "M615"), (std::vector<std::string>{"|M615|0|12,00|41|||12032024||||",
                                                         "|M615|0|13,00|01|||13032024||||"}));
  EXPECT_EQ(Linhas(m, "M610")[0].substr(0, 36), "|M610|01|0,00|0,00|0,00|25,00|-25,00");
}

TEST_F(BlocoMExtracao, CodeThatIsNotANumberStopsTheBlock) {
  Inicia();
  Credito("101", "0A", "50", "1.65", "100.00", 1);
  EXPECT_THROW(frm->btnB_MClick(), std::exception);
  EXPECT_TRUE(frm->btnB_M.Enabled);
  // The credit already created stays in the tree.
  EXPECT_EQ(frm->VornVUDIRozAzezav1.Bloco_M.RegistroM001().RegistroM100.Count(), 1);

  Inicia();
  SemContribuicao("X4", "101", "10.00");
  EXPECT_THROW(frm->btnB_MClick(), std::exception);
}

TEST_F(BlocoMExtracao, WholeRunKeepsTheCounts) {
  Open();
  frm->BitBtn1Click();
  EXPECT_TRUE(FileCountsAgree(File()));
  auto m = Bloco('M');
  ASSERT_GE(m.size(), 5u);
  EXPECT_EQ(m.front(), "|M001|0|");
  EXPECT_EQ(Linhas(m, "M200").size(), 1u);
  EXPECT_EQ(Linhas(m, "M210").size(), 1u);
  EXPECT_EQ(Linhas(m, "M600").size(), 1u);
  EXPECT_EQ(Linhas(m, "M610").size(), 1u);
}
