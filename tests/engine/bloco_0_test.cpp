#include <gtest/gtest.h>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
// A component with a March 2024 period whose block 0 lines can be read back one by one.
struct Bloco0 : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;
  std::vector<std::string> errors;
  TBloco_0& b = c.Bloco_0;

  void SetUp() override {
    c.SetOnError([this](const std::string& m) { errors.push_back(m); });
    Period(2024, 3);
    c.SetArquivo(dir.File("efd.txt"));
  }
  void Period(int year, int month) {
    c.SetDT_INI(EncodeDate(year, month, 1));
    c.SetDT_FIN(EndOfTheMonth(EncodeDate(year, month, 1)));
  }
  void Header() {
    TRegistro0000& r = b.Registro0000New();
    r.COD_VER = TVornCodVer::vlVersao320;
    r.IND_SIT_ESP = TVornIndSitEsp::indNenhum;
    r.NOME = "EMPRESA TESTE LTDA";
    r.CNPJ = "11222333000181";
    r.UF = "SP";
    r.COD_MUN = 3550308;
    r.IND_ATIV = TVornIndAtiv::indAtivComercio;
  }
  // Writes the file and returns the block 0 lines.
  std::vector<std::string> Write() {
    c.SaveFileTXT();
    EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
    std::vector<std::string> out;
    for (auto& l : FileLines(dir.File("efd.txt")))
      if (l[1] == '0') out.push_back(l);
    return out;
  }
  static std::vector<std::string> Of(const std::vector<std::string>& lines, const std::string& reg) {
    std::vector<std::string> out;
    for (auto& l : lines) if (l.compare(1, 4, reg) == 0) out.push_back(l);
    return out;
  }
};
}  // namespace

TEST_F(Bloco0, HeaderLineAndEmptyBlock) {
  Header();
  b.Registro0000New().NUM_REC_ANTERIOR = "123";  // only a rectifying file carries it
  b.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  auto lines = Write();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "|0000|006|0|||01032024|31032024|EMPRESA TESTE LTDA|11222333000181|SP|3550308||00|2|");
  EXPECT_EQ(lines[1], "|0001|1|");
  EXPECT_EQ(lines[2], "|0990|3|");
  EXPECT_TRUE(errors.empty());

  Header();
  b.Registro0000New().TIPO_ESCRIT = TVornTipoEscrit::tpEscrRetificadora;
  b.Registro0000New().NUM_REC_ANTERIOR = "123";
  b.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  EXPECT_EQ(Write()[0], "|0000|006|1||123|01032024|31032024|EMPRESA TESTE LTDA|11222333000181|SP|3550308||00|2|");
}

TEST_F(Bloco0, HeaderChecksReportAndStillWrite) {
  Header();
  b.Registro0000New().CNPJ = "11222333000182";
  b.Registro0000New().UF = "";
  b.Registro0000New().COD_MUN = 1111111;
  auto lines = Write();
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(0-0000) ENTIDADE: O CNPJ \"11222333000182\" digitado é inválido!",
                        "(0-0000) ENTIDADE: A UF \"\" digitada é inválido!",
                        "(0-0000) ENTIDADE: O código do município \"1111111\" digitado é inválido!"}));
  EXPECT_EQ(Of(lines, "0000").size(), 1u);
}

TEST_F(Bloco0, AccountantLineAndChecks) {
  Header();
  TRegistro0100& r = b.Registro0100New();
  r.NOME = "CONTADOR";
  r.CEP = "1310100";
  r.END = "AV PAULISTA";
  r.NUM = "1000";
  r.EMAIL = "c@x.com";
  r.COD_MUN = 1111111;
  r.CPF = "12345678900";
  auto lines = Write();
  EXPECT_EQ(Of(lines, "0100")[0], "|0100|CONTADOR|12345678900|||01310100|AV PAULISTA|1000|||0000000000||c@x.com|1111111|");
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(0-0100) CONTADOR CONTADOR: O CRC é obrigatório!",
                        "(0-0100) CONTADOR CONTADOR: O CPF \"12345678900\" digitado é inválido!",
                        "(0-0100) CONTADOR CONTADOR: O código do município \"1111111\" digitado é inválido!"}));
  errors.clear();
  Header();
  b.Registro0100New();
  Write();
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(0-0100) CONTADOR : O CNPJ/CPF é obrigatório!", "(0-0100) CONTADOR : O CRC é obrigatório!",
                        "(0-0100) CONTADOR : O código do município \"0\" digitado é inválido!",
                        "(0-0100) CONTADOR: O nome do contabilista/escritório é obrigatório!"}));
}

TEST_F(Bloco0, RegimeLineByLayoutVersion) {
  struct Case { TVornCodVer ver; TVornCodIncTrib inc; TVornIndAtiv ativ; const char* line; } cases[] = {
      {TVornCodVer::vlVersao100, TVornCodIncTrib::codEscrOpIncCumulativo, TVornIndAtiv::indAtivComercio, "|0110|2|1|1|"},
      {TVornCodVer::vlVersao200, TVornCodIncTrib::codEscrOpIncCumulativo, TVornIndAtiv::indAtivComercio, "|0110|2||1|"},
      {TVornCodVer::vlVersao200, TVornCodIncTrib::codEscrOpIncNaoCumulativo, TVornIndAtiv::indAtivComercio, "|0110|1|1|1|"},
      {TVornCodVer::vlVersao320, TVornCodIncTrib::codEscrOpIncCumulativo, TVornIndAtiv::indAtivComercio, "|0110|2||1|9|"},
      {TVornCodVer::vlVersao320, TVornCodIncTrib::codEscrOpIncCumulativo, TVornIndAtiv::indAtivoFincanceira, "|0110|2||1||"},
      {TVornCodVer::vlVersao201, TVornCodIncTrib::codEscrOpIncNaoCumulativo, TVornIndAtiv::indAtivComercio, "|0110|1|1|1||"},
  };
  for (auto& k : cases) {
    Header();
    b.Registro0000New().COD_VER = k.ver;
    b.Registro0000New().IND_ATIV = k.ativ;
    TRegistro0110& r = b.Registro0110New();
    r.COD_INC_TRIB = k.inc;
    r.IND_REG_CUM = TVornIndRegCum::codRegimeCompetEscritDetalhada;
    auto lines = Write();
    EXPECT_EQ(Of(lines, "0110")[0], k.line);
    EXPECT_TRUE(Of(lines, "0111").empty());
  }
  Header();
  b.Registro0110New().IND_APRO_CRED = TVornIndAproCred::indMetodoDeRateioProporcional;
  b.Registro0111New().REC_BRU_TOTAL = Currency(1234.5);
  EXPECT_EQ(Of(Write(), "0111")[0], "|0111|0,00|0,00|0,00|0,00|1234,50|");
}

TEST_F(Bloco0, ScpLinesOnlyFromMarch2014) {
  for (auto [month, expected] : {std::pair{2, 0u}, std::pair{3, 1u}}) {
    Header();
    Period(2014, month);
    b.Registro0035New().COD_SCP = "123";
    auto lines = Write();
    ASSERT_EQ(Of(lines, "0035").size(), expected);
    if (expected) {
      EXPECT_EQ(Of(lines, "0035")[0], "|0035|00000000000123|||");
    }
  }
}

TEST_F(Bloco0, EstablishmentTree) {
  Header();
  TRegistro0140& e = b.Registro0140New();
  e.COD_EST = "001"; e.NOME = "LOJA 1"; e.CNPJ = "11222333000181"; e.UF = "SP"; e.IE = "123"; e.COD_MUN = 3550308;
  TRegistro0150& br = b.Registro0150New();
  br.COD_PART = "F1"; br.NOME = "FORNECEDOR"; br.COD_PAIS = "1058"; br.CNPJ = "11222333000181"; br.COD_MUN = 3304557;
  TRegistro0150& br2 = b.Registro0150New();
  br2.COD_PART = "F2"; br2.NOME = "OUTRO"; br2.COD_PAIS = "01058"; br2.CPF = "11144477735"; br2.COD_MUN = 3304557;
  TRegistro0150& ext = b.Registro0150New();
  ext.COD_PART = "F3"; ext.NOME = "FOREIGN"; ext.COD_PAIS = "00132"; ext.COD_MUN = 3304557;
  TRegistro0150& bad = b.Registro0150New();
  bad.COD_PART = "F4"; bad.COD_PAIS = "1058"; bad.CNPJ = "1"; bad.CPF = "2";
  b.Registro0190New() = {"UN", "UNIDADE"};
  TRegistro0200& item = b.Registro0200New();
  item.COD_ITEM = "10"; item.DESCR_ITEM = "ARROZ"; item.UNID_INV = "UN"; item.COD_NCM = "10063021"; item.COD_GEN = "10";
  item.ALIQ_ICMS = Variant(18.0);
  b.Registro0205New() = {"ARROZ ANTIGO", EncodeDate(2024, 1, 1), EncodeDate(2024, 2, 29), "9"};
  b.Registro0206New().COD_COMB = "  ";
  TRegistro0200& item2 = b.Registro0200New();
  item2.COD_ITEM = "11"; item2.COD_GEN = "7"; item2.ALIQ_ICMS = Variant::Null();
  b.Registro0206New().COD_COMB = "910101001";
  b.Registro0208New().COD_TAB = TVornIndCodIncidencia::codIndTabI;
  b.Registro0208New().COD_GRU = "01";
  b.Registro0400New() = {"001-5102", "VENDA"};
  b.Registro0450New() = {"1", "TEXTO"};
  b.Registro0145New().COD_INC_TRIB = "1";

  auto lines = Write();
  EXPECT_EQ(Of(lines, "0140")[0], "|0140|001|LOJA 1|11222333000181|SP|123|3550308|||");
  EXPECT_EQ(Of(lines, "0145")[0], "|0145|1|0,00|0,00|0,00||");
  auto p = Of(lines, "0150");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0], "|0150|F1|FORNECEDOR|1058|11222333000181|||3304557||||||");
  EXPECT_EQ(p[1], "|0150|F2|OUTRO|01058||11144477735||3304557||||||");
  EXPECT_EQ(p[2], "|0150|F3|FOREIGN|00132||||||||||");
  EXPECT_EQ(Of(lines, "0190")[0], "|0190|UN|UNIDADE|");
  EXPECT_EQ(Of(lines, "0200")[0], "|0200|10|ARROZ|||UN|00|10063021||10||18,00|");
  EXPECT_EQ(Of(lines, "0200")[1], "|0200|11|||||00|||7|||");
  EXPECT_EQ(Of(lines, "0205")[0], "|0205|ARROZ ANTIGO|01012024|29022024|9|");
  EXPECT_EQ(Of(lines, "0206"), std::vector<std::string>{"|0206|910101001|"});
  EXPECT_EQ(Of(lines, "0208"), std::vector<std::string>{"|0208|01|01||"});
  EXPECT_EQ(Of(lines, "0400")[0], "|0400|001-5102|VENDA|");
  EXPECT_EQ(Of(lines, "0450")[0], "|0450|1|TEXTO|");
  // Children follow their establishment in layout order.
  std::vector<std::string> order;
  for (auto& l : lines) order.push_back(l.substr(1, 4));
  std::vector<std::string> expected = {"0000", "0001", "0110", "0140", "0145", "0150", "0150", "0150", "0150", "0190",
                                       "0200", "0205", "0200", "0206", "0208", "0400", "0450", "0990"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(errors, (std::vector<std::string>{"(0-0150) F4-, o CNPJ \"1\" digitado é inválido!",
                                              "(0-0150) F4-, o CPF \"2\" digitado é inválido!",
                                              "(0-0150) O nome do participante é obrigatório!",
                                              "(0-0200) O código do gênero \"7\" digitado é inválido!"}));
}

TEST_F(Bloco0, AccountsCostCentresAndRevenueTotals) {
  Header();
  TRegistro0500& a = b.Registro0500New();
  a.DT_ALT = EncodeDate(2024, 1, 1); a.COD_NAT_CC = TVornNaturezaConta::ncgAtivo; a.IND_CTA = TVornIndCTA::indCTAnalitica;
  a.NIVEL = "3"; a.COD_CTA = "1.1.1"; a.NOME_CTA = "CAIXA";
  TRegistro0500& bad = b.Registro0500New();
  bad.COD_NAT_CC = static_cast<TVornNaturezaConta>(40);
  bad.IND_CTA = static_cast<TVornIndCTA>(9);
  b.Registro0600New() = {EncodeDate(2024, 1, 1), "CC1", "VENDAS"};
  b.Registro0900New().REC_TOTAL_BLOCO_A = 10.5;
  b.Registro0900New().REC_NRB_BLOCO_C = Variant(1.0);
  auto lines = Write();
  EXPECT_EQ(Of(lines, "0500")[0], "|0500|01012024|01|A|3|1.1.1|CAIXA|||");
  EXPECT_EQ(Of(lines, "0600")[0], "|0600|01012024|CC1|VENDAS|");
  EXPECT_EQ(Of(lines, "0900")[0], "|0900|10,50||0,00|1,00|0,00||0,00||0,00||0,00||0,00||");
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(0-0500) O código da natureza da conta/grupo de contas \"\" digitado é inválido!",
                        "(0-0500) O indicador \"\" do tipo de conta, deve ser informado  S ou A!"}));
}

TEST_F(Bloco0, CreatorsWithoutParentsAndLookups) {
  for (auto& [create, msg] : std::vector<std::pair<std::function<void()>, std::string>>{
           {[&] { b.Registro0150New(); }, "O registro 0150 deve ser filho do registro 0140, e não existe nenhum 0140 pai!"},
           {[&] { b.Registro0190New(); }, "O registro 0190 deve ser filho do registro 0140, e não existe nenhum 0140 pai!"},
           {[&] { b.Registro0200New(); }, "O registro 0200 deve ser filho do registro 0140, e não existe nenhum 0140 pai!"},
           {[&] { b.Registro0400New(); }, "O registro 0400 deve ser filho do registro 0140, e não existe nenhum 0140 pai!"},
       }) {
    try { create(); ADD_FAILURE() << msg; } catch (const std::exception& e) { EXPECT_EQ(e.what(), msg); }
  }
  b.Registro0140New();
  try { b.Registro0205New(); FAIL(); } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "O registro 0205 deve ser filho do registro 0200, e não existe nenhum 0200 pai!");
  }
  TRegistro0150& p = b.Registro0150New();
  p.COD_PART = "12345678901234"; p.CNPJ = "11222333000181"; p.CPF = "11144477735";
  auto& list = b.Registro0001().Registro0140[0].Registro0150;
  EXPECT_TRUE(list.LocalizaRegistro("11222333000181"));   // 14 characters: CNPJ
  EXPECT_FALSE(list.LocalizaRegistro("12345678901234"));  // not compared with COD_PART
  EXPECT_TRUE(list.LocalizaRegistro("11144477735"));      // 11 characters: CPF
  p.COD_PART = "F1";
  EXPECT_TRUE(list.LocalizaRegistro("F1"));
  EXPECT_FALSE(list.LocalizaRegistro("f1"));
  EXPECT_EQ(&b.Registro0900New(), &b.Registro0900New());
}
