// Block C writer: one filled record per register family compared with its whole line, the
// version and period rules on both sides of their boundaries, the incremental writing by
// establishment and the before-write events.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "VornEPCBloco_C_Class.h"

namespace {

// "|a|b|c|": one register line from its fields, so an expected line reads field by field.
inline std::string L(std::initializer_list<std::string> fields) {
  std::string s = "|";
  for (const auto& f : fields) s += f + "|";
  return s;
}

struct BlocoCTest : ::testing::Test {
  TBloco_0 b0;
  TBloco_C c;
  std::vector<std::string> erros;

  void SetUp() override {
    c.Delimitador = "|";
    c.TrimString = true;
    c.CurMascara = "#0.00";
    c.Bloco_0 = &b0;
    c.OnError = [this](const std::string& m) { erros.push_back(m); };
    b0.Registro0000().COD_VER = TVornCodVer::vlVersao320;
    Periodo(2024, 3, 1);
    c.RegistroC001().IND_MOV = TVornIndMov::imComDados;
  }
  void Periodo(int y, int m, int d) { c.DT_INI = EncodeDate(y, m, d); }
  TRegistroC010& Estabelecimento(const std::string& cnpj = "11222333000181") {
    TRegistroC010& r = c.RegistroC010New();
    r.CNPJ = cnpj;
    r.IND_ESCRI = TVornIndEscrituracao::IndEscriIndividualizado;
    return r;
  }
  // Lines written by one pass of the block writer.
  std::vector<std::string> Passo() {
    c.Conteudo.clear();
    c.WriteRegistroC001();
    return c.Conteudo;
  }
  // Field n of a line, REG being field 1.
  static std::string Campo(const std::string& linha, int n) {
    size_t p = 0;
    for (int i = 0; i < n; ++i) p = linha.find('|', p) + 1;
    return linha.substr(p, linha.find('|', p) - p);
  }
  // Lines of one register among those of a pass, in order.
  static std::vector<std::string> De(const std::vector<std::string>& linhas, const std::string& reg) {
    std::vector<std::string> out;
    for (const auto& l : linhas)
      if (l.compare(0, reg.size() + 2, "|" + reg + "|") == 0) out.push_back(l);
    return out;
  }
};
}  // namespace

// ---- opening, establishment, incremental passes ----

TEST_F(BlocoCTest, SemDadosWritesOnlyTheOpeningAndClosingLines) {
  c.RegistroC001().IND_MOV = TVornIndMov::imSemDados;
  Estabelecimento();  // not looked at
  c.WriteRegistroC001();
  c.WriteRegistroC990();
  EXPECT_EQ(c.Conteudo, (std::vector<std::string>{"|C001|1|", "|C990|2|"}));
  EXPECT_EQ(c.RegistroC010Count, 0);
}

TEST_F(BlocoCTest, EstablishmentCnpjIsCheckedAndWrittenWithFourteenDigits) {
  Estabelecimento("");
  Estabelecimento("11222333000182");
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(linhas, (std::vector<std::string>{"|C001|0|", "|C010|00000000000000|2|", "|C010|11222333000182|2|"}));
  ASSERT_EQ(erros.size(), 1u);
  EXPECT_EQ(erros[0], "(C-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!");
}

TEST_F(BlocoCTest, LaterPassesWriteOnlyWhatWasAddedBelowTheLastEstablishment) {
  Estabelecimento();
  c.RegistroC100New().NUM_DOC = "1";
  c.RegistroC170New().NUM_ITEM = "1";
  EXPECT_EQ(Passo().size(), 4u);  // C001, C010, C100, C170

  EXPECT_TRUE(Passo().empty());  // nothing added: no second C001 or C010

  c.RegistroC100New().NUM_DOC = "2";
  c.RegistroC100New().NUM_DOC = "3";
  std::vector<std::string> linhas = Passo();
  ASSERT_EQ(linhas.size(), 2u);
  EXPECT_EQ(linhas[0].substr(0, 6), "|C100|");
  EXPECT_NE(linhas[1].find("|3|"), std::string::npos);
  EXPECT_EQ(c.RegistroC100Count, 3);
  EXPECT_EQ(c.RegistroC010Count, 1);

  // A new establishment starts below itself; the earlier one is not repeated.
  Estabelecimento("");
  c.RegistroC100New().NUM_DOC = "4";
  linhas = Passo();
  ASSERT_EQ(linhas.size(), 2u);
  EXPECT_EQ(linhas[0], "|C010|00000000000000|2|");
  c.WriteRegistroC990();
  EXPECT_EQ(c.Conteudo.back(), "|C990|9|");  // C001, 2 x C010, 4 x C100, C170, C990
  EXPECT_EQ(c.RegistroC010Count, 2);
  EXPECT_EQ(c.RegistroC170Count, 1);
}

TEST_F(BlocoCTest, WrittenListsUnderTheEstablishmentAreEmptied) {
  TRegistroC010& e = Estabelecimento();
  c.RegistroC100New();
  c.RegistroC180New();
  c.RegistroC190New();
  c.RegistroC500New();
  Passo();
  EXPECT_EQ(e.RegistroC100.Count() + e.RegistroC180.Count() + e.RegistroC190.Count() + e.RegistroC500.Count(), 0);
}

TEST_F(BlocoCTest, ChildWithoutParentFailsAndAddsNothing) {
  EXPECT_THROW(c.RegistroC100New(), std::out_of_range);
  TRegistroC010& e = Estabelecimento();
  EXPECT_THROW(c.RegistroC170New(), std::out_of_range);
  EXPECT_THROW(c.RegistroC181New(), std::out_of_range);
  EXPECT_THROW(c.RegistroC481New(), std::out_of_range);
  c.RegistroC400New();
  EXPECT_THROW(c.RegistroC481New(), std::out_of_range);  // no C405 yet
  EXPECT_EQ(e.RegistroC100.Count(), 0);
  EXPECT_EQ(e.RegistroC400[0].RegistroC405.Count(), 0);
}

TEST_F(BlocoCTest, BlockWithDataButNoEstablishmentFailsAfterTheOpeningLine) {
  EXPECT_THROW(c.WriteRegistroC001(), std::out_of_range);
  EXPECT_EQ(c.Conteudo, (std::vector<std::string>{"|C001|0|"}));
}

TEST_F(BlocoCTest, LimpaRegistrosStartsAFreshBlockAndKeepsTheEvents) {
  Estabelecimento();
  c.RegistroC100New();
  c.OnBeforeWriteRegistroC481 = [](TRegistroC481&, bool&, bool&, bool&, bool&, bool&) {};
  Passo();
  c.LimpaRegistros();
  EXPECT_EQ(c.RegistroC001().RegistroC010.Count(), 0);
  EXPECT_EQ(c.RegistroC001().IND_MOV, TVornIndMov::imSemDados);
  EXPECT_EQ(c.RegistroC990().QTD_LIN_C, 0);
  EXPECT_EQ(c.RegistroC010Count + c.RegistroC100Count, 0);
  EXPECT_TRUE(c.Conteudo.empty());
  EXPECT_TRUE(static_cast<bool>(c.OnBeforeWriteRegistroC481));
}

// ---- C100 family ----

namespace {
void PreencheC100(TRegistroC100& r) {
  r.IND_OPER = TVornIndTipoOper::tpSaidaPrestacao;
  r.IND_EMIT = TVornEmitente::edEmissaoPropria;
  r.COD_PART = "C0042";
  r.COD_MOD = "55";
  r.COD_SIT = TVornCodSit::sdfRegular;
  r.SER = "1";
  r.NUM_DOC = "123456";
  r.CHV_NFE = "35240311222333000181550010001234561000012345";
  r.DT_DOC = EncodeDate(2024, 3, 5);
  r.VL_DOC = Currency(1500.5);
  r.IND_PGTO = TVornIndPgto::tpPrazo;
  r.VL_MERC = Currency(1500.5);
  r.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
  r.VL_BC_ICMS = Currency(1500.5);
  r.VL_ICMS = Currency(270.09);
  r.VL_PIS = Currency(24.76);
  r.VL_COFINS = Currency(114.04);
}
}  // namespace

TEST_F(BlocoCTest, C100FamilyLines) {
  Estabelecimento();
  PreencheC100(c.RegistroC100New());
  TRegistroC110& c110 = c.RegistroC110New();
  c110.COD_INF = "000001";
  c110.TXT_COMPL = "Pedido 778";
  c.RegistroC111New() = {"0012345", TVornOrigemProcesso::opJusticaFederal};
  c.RegistroC111New() = {"0012346", TVornOrigemProcesso::opNenhum};
  TRegistroC120& c120 = c.RegistroC120New();
  c120.COD_DOC_IMP = TVornDoctoImporta::diImportacao;
  c120.NUM_DOC__IMP = "DI2400123";
  c120.PIS_IMP = Currency(10.5);
  c120.COFINS_IMP = Currency(48.3);
  c120.NUM_ACDRAW = "1234567890123456789012345";
  TRegistroC170& i = c.RegistroC170New();
  i.NUM_ITEM = "1";
  i.COD_ITEM = "7891000100103";
  i.QTD = 2.5;
  i.UNID = "UN";
  i.VL_ITEM = Currency(1500.5);
  i.IND_MOV = TVornIndMovFisica::mfNao;
  i.CST_ICMS = TVornCstIcms::sticmsTributadaIntegralmente;
  i.CFOP = "51020";
  i.VL_BC_ICMS = Currency(1500.5);
  i.ALIQ_ICMS = Currency(18);
  i.VL_ICMS = Currency(270.09);
  i.IND_APUR = TVornApuracaoIPI::iaVazio;
  i.CST_IPI = TVornCstIpi::stipiVazio;
  i.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  i.VL_BC_PIS = 1500.5;
  i.ALIQ_PIS_PERC = 1.65;
  i.VL_PIS = 24.76;
  i.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  i.VL_BC_COFINS = 1500.5;
  i.ALIQ_COFINS_PERC = 7.6;
  i.VL_COFINS = 114.04;
  i.COD_CTA = "3.01.01";
  TRegistroC175& n = c.RegistroC175New();
  n.CFOP = "5405";
  n.VL_OPR = 100.0;
  n.CST_PIS = TVornCstPis::stpisMonofaticaAliquotaZero;
  n.VL_BC_PIS = 0.0;
  n.ALIQ_PIS = 1.6549;  // VLFill with the default mask: two decimals, ties to even
  n.VL_PIS = 0.0;
  n.CST_COFINS = TVornCstCofins::stcofinsMonofaticaAliquotaZero;
  n.VL_BC_COFINS = 0.125;
  n.ALIQ_COFINS = 7.6;
  n.VL_COFINS = 0.0;
  n.INFO_COMPL = "NFC-e";

  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(linhas, (std::vector<std::string>{
      "|C001|0|",
      "|C010|11222333000181|2|",
      L({"C100", "1", "0", "C0042", "55", "00", "1", "123456", "35240311222333000181550010001234561000012345",
         "05032024", "", "1500,50", "1", "0,00", "0,00", "1500,50", "9", "0,00", "0,00", "0,00", "1500,50", "270,09",
         "0,00", "0,00", "0,00", "24,76", "114,04", "0,00", "0,00"}),
      "|C110|000001|Pedido 778|",
      "|C111|0012345|1|",
      "|C111|0012346||",
      "|C120|0|DI2400123|10,50|48,30|12345678901234567890|",
      L({"C170", "1", "7891000100103", "", "2,50000", "UN", "1500,50", "0,00", "1", "000", "5102", "", "1500,50",
         "18,00", "270,09", "0,00", "0,00", "0,00", "", "", "", "", "", "", "01", "1500,50", "1,6500", "", "", "24,76",
         "01", "1500,50", "7,6000", "", "", "114,04", "3.01.01"}),
      L({"C175", "5405", "100,00", "", "04", "0,00", "1,65", "", "", "0,00", "04", "0,12", "7,60", "", "", "0,00",
         "", "NFC-e"}),
  }));
  EXPECT_EQ(c.RegistroC100Count + c.RegistroC110Count + c.RegistroC111Count + c.RegistroC120Count +
                c.RegistroC170Count + c.RegistroC175Count,
            7);
  EXPECT_EQ(c.RegistroC990().QTD_LIN_C, 9);
}

TEST_F(BlocoCTest, C100WithoutValuesForCancelledDeniedAndUnusedNumbers) {
  struct Caso {
    TVornCodSit sit;
    std::string codigo, chave;
  };
  const std::string chave = "35240311222333000181550010001234561000012345";
  for (const Caso& k : {Caso{TVornCodSit::sdfCancelado, "02", chave}, Caso{TVornCodSit::sdfExtCancelado, "03", chave},
                        Caso{TVornCodSit::sdfDenegado, "04", chave}, Caso{TVornCodSit::sdfInutilizado, "05", ""}}) {
    SCOPED_TRACE(k.codigo);
    c.LimpaRegistros();
    c.RegistroC001().IND_MOV = TVornIndMov::imComDados;
    Estabelecimento();
    TRegistroC100& r = c.RegistroC100New();
    PreencheC100(r);
    r.COD_SIT = k.sit;
    std::vector<std::string> c100 = De(Passo(), "C100");
    ASSERT_EQ(c100.size(), 1u);
    EXPECT_EQ(c100[0], L({"C100", "1", "0", "", "55", k.codigo, "1", "123456", k.chave, "", "", "", "", "", "", "",
                          "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  }
}

TEST_F(BlocoCTest, NoPaymentIsCodedNineBeforeJuly2012) {
  struct Caso { int ano, mes, dia; const char* codigo; };
  for (const Caso& k : {Caso{2012, 6, 30, "9"}, Caso{2012, 7, 1, "2"}}) {
    c.LimpaRegistros();
    c.RegistroC001().IND_MOV = TVornIndMov::imComDados;
    Periodo(k.ano, k.mes, k.dia);
    Estabelecimento();
    TRegistroC100& r = c.RegistroC100New();
    r.IND_PGTO = TVornIndPgto::tpSemPagamento;
    std::vector<std::string> c100 = De(Passo(), "C100");
    ASSERT_EQ(c100.size(), 1u);
    EXPECT_EQ(Campo(c100[0], 13), k.codigo);
  }
}

TEST_F(BlocoCTest, NullContributionInAnItemStopsTheBlock) {
  Estabelecimento();
  c.RegistroC100New();
  c.RegistroC170New().VL_PIS = Variant::Null();
  EXPECT_THROW(Passo(), std::runtime_error);
}

// ---- C180 and C190 families ----

TEST_F(BlocoCTest, C180FamilyLines) {
  Estabelecimento();
  TRegistroC180& r = c.RegistroC180New();
  r.COD_MOD = "55";
  r.DT_DOC_INI = EncodeDate(2024, 3, 1);
  r.DT_DOC_FIN = EncodeDate(2024, 3, 31);
  r.COD_ITEM = "P1";
  r.COD_NCM = "22021000";
  r.VL_TOT_ITEM = Currency(1000);
  TRegistroC181& p = c.RegistroC181New();
  p.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  p.CFOP = "5102";
  p.VL_ITEM = Currency(1000);
  p.VL_BC_PIS = 0.125;
  p.ALIQ_PIS = 1.65;
  p.VL_PIS = 16.5;
  TRegistroC185& f = c.RegistroC185New();
  f.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  f.CFOP = "5405";
  f.VL_ITEM = Currency(0);
  f.VL_DESC = 2.0;
  f.QUANT_BC_COFINS = 120.5;
  f.ALIQ_COFINS_QUANT = 0.1234;
  f.VL_COFINS = 14.87;
  f.COD_CTA = "3.01";
  c.RegistroC188New() = {"P-1", TVornOrigemProcesso::opSecexRFB};
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C180|55|01032024|31032024|P1|22021000||1000,00|",
      "|C181|01|5102|1000,00||0,12|1,6500|||16,50||",
      "|C185|03|5405|0,00|2,00|||120,50|0,1234|14,87|3.01|",
      "|C188|P-1|3|",
  }));
}

TEST_F(BlocoCTest, C190FamilyLinesAndTheTwoWidthsOfTheDrawback) {
  Estabelecimento();
  TRegistroC190& r = c.RegistroC190New();
  r.COD_MOD = "055";
  r.DT_REF_INI = EncodeDate(2024, 3, 1);
  r.DT_REF_FIN = EncodeDate(2024, 3, 31);
  r.COD_ITEM = "P2";
  r.VL_TOT_ITEM = Currency(200);
  TRegistroC191& p = c.RegistroC191New();
  p.CNPJ_CPF_PART = "11222333000181";
  p.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  p.CFOP = 1102;
  p.VL_ITEM = Currency(200);
  p.VL_DESC = 5.0;
  p.VL_BC_PIS = 195.0;
  p.ALIQ_PIS = 1.65;
  p.VL_PIS = 3.2175;
  TRegistroC195& f = c.RegistroC195New();
  f.CNPJ_CPF_PART = "11122233396";
  f.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  f.CFOP = 5102;
  f.VL_ITEM = Currency(200);
  f.VL_BC_COFINS = 195.0;
  f.ALIQ_COFINS = 7.6;
  f.VL_COFINS = Currency(14.82);
  c.RegistroC198New() = {"0099", TVornOrigemProcesso::opOutros};
  TRegistroC199& i = c.RegistroC199New();
  i.COD_DOC_IMP = TVornDoctoImporta::diUnicaImportacao;
  i.NUM_DOC__IMP = "DUIMP1";
  i.VL_PIS_IMP = Currency(1.5);
  i.VL_COFINS_IMP = Currency(6.9);
  i.NUM_ACDRAW = "1234567890123456789012345";
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C190|05|01032024|31032024|P2|||200,00|",
      "|C191|11222333000181|50|1102|200,00|5,00|195,00|1,6500|||3,22||",
      "|C195|11122233396|50|5102|200,00||195,00|7,6000|||14,82||",
      "|C198|0099|9|",
      "|C199||DUIMP1|1,50|6,90|1234567890123456789012345|",
  }));
}

// ---- C380, C395, C400, C490 families ----

TEST_F(BlocoCTest, C380FamilyLines) {
  Estabelecimento();
  TRegistroC380& r = c.RegistroC380New();
  r.COD_MOD = "02";
  r.DT_DOC_INI = EncodeDate(2024, 3, 1);
  r.DT_DOC_FIN = EncodeDate(2024, 3, 31);
  r.NUM_DOC_FIN = 123;
  r.VL_DOC = Currency(350.75);
  TRegistroC381& p = c.RegistroC381New();
  p.COD_ITEM = "P9";
  p.VL_ITEM = Currency(350.75);
  p.VL_BC_PIS = 350.75;
  p.ALIQ_PIS = 0.65;
  p.VL_PIS = 2.28;
  TRegistroC385& f = c.RegistroC385New();
  f.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  f.COD_ITEM = "P9";
  f.VL_ITEM = Currency(350.75);
  f.QUANT_BC_COFINS = 70.0;
  f.ALIQ_COFINS_QUANT = 0.15;
  f.VL_COFINS = 10.5;
  f.COD_CTA = "3.1";
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C380|02|01032024|31032024||000123|350,75|0,00|",
      "|C381|01|P9|350,75|350,75|0,6500|||2,28||",
      "|C385|03|P9|350,75|||70,00|0,1500|10,50|3.1|",
  }));
}

TEST_F(BlocoCTest, C395FamilyLinesAndAnEmptyCreditBaseAfterAFilledOne) {
  Estabelecimento();
  TRegistroC395& r = c.RegistroC395New();
  r.COD_MOD = "2D";
  r.COD_PART = "F0001";
  r.SER = "D";
  r.SUB_SER = "1";
  r.NUM_DOC = "4455";
  r.DT_DOC = EncodeDate(2024, 3, 10);
  r.VL_DOC = Currency(80);
  for (TVornNatBcCred nat : {TVornNatBcCred::bccAqBensRevenda, TVornNatBcCred::bccVazio}) {
    TRegistroC396& i = c.RegistroC396New();
    i.COD_ITEM = "P3";
    i.VL_ITEM = Currency(80);
    i.NAT_BC_CRED = nat;
    i.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
    i.VL_BC_PIS = Currency(80);
    i.ALIQ_PIS = Currency(1.65);
    i.VL_PIS = Currency(1.32);
    i.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
    i.VL_BC_COFINS = Currency(80);
    i.ALIQ_COFINS = Currency(7.6);
    i.VL_COFINS = Currency(6.08);
    i.COD_CTA = "1.1";
  }
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C395|2D|F0001|D|1|4455|10032024|80,00|",
      "|C396|P3|80,00|0,00|01|50|80,00|1,6500|1,32|50|80,00|7,6000|6,08|1.1|",
      "|C396|P3|80,00|0,00||50|80,00|1,6500|1,32|50|80,00|7,6000|6,08|1.1|",
  }));
}

namespace {
void PreencheC400(TBloco_C& c) {
  TRegistroC400& e = c.RegistroC400New();
  e.COD_MOD = "2D";
  e.ECF_MOD = "MP-4000 TH FI";
  e.ECF_FAB = "BE091010100011200599";
  e.ECF_CX = 1;
  TRegistroC405& z = c.RegistroC405New();
  z.DT_DOC = EncodeDate(2024, 3, 15);
  z.CRO = 2;
  z.CRZ = 345;
  z.NUM_COO_FIN = 12345;
  z.GT_FIN = Currency(123456.78);
  z.VL_BRT = Currency(2500);
  TRegistroC481& p = c.RegistroC481New();
  p.VL_ITEM = Currency(2500);
  p.VL_BC_PIS = 0.125;  // VDFill: half away from zero
  p.ALIQ_PIS = 0.65;
  p.VL_PIS = 16.25;
  p.COD_ITEM = "P9";
  TRegistroC485& f = c.RegistroC485New();
  f.VL_ITEM = Currency(2500);
  f.VL_BC_COFINS = 2500.0;
  f.ALIQ_COFINS = 3.0;
  f.VL_COFINS = 75.0;
  f.COD_ITEM = "P9";
  c.RegistroC489New() = {"123", TVornOrigemProcesso::opJusticaFederal};
}
}  // namespace

TEST_F(BlocoCTest, C400FamilyLines) {
  Estabelecimento();
  PreencheC400(c);
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C400|2D|MP-4000 TH FI|BE091010100011200599|001|",
      "|C405|15032024|002|000345|012345|123456,78|2500,00|",
      "|C481|01|2500,00|0,13|0,6500|||16,25|P9||",
      "|C485|01|2500,00|2500,00|3,0000|||75,00|P9||",
      "|C489|123|1|",
  }));
}

TEST_F(BlocoCTest, C481EventFlagsCarryOverToTheNextRecordsOfTheList) {
  Estabelecimento();
  c.RegistroC400New();
  c.RegistroC405New();
  for (int i = 0; i < 3; ++i) {
    TRegistroC481& p = c.RegistroC481New();
    p.VL_ITEM = Currency(10);
    p.VL_BC_PIS = i == 2 ? 10.0 : 0.0;
    p.ALIQ_PIS = 0.65;
    p.VL_PIS = 0.0;
    p.COD_ITEM = "P9";
  }
  int chamadas = 0;
  c.OnBeforeWriteRegistroC481 = [&](TRegistroC481& r, bool& base, bool&, bool&, bool&, bool& valor) {
    if (chamadas++ == 0) base = valor = true;  // set once, kept for the later records
    r.COD_CTA = "X";
  };
  EXPECT_EQ(De(Passo(), "C481"), (std::vector<std::string>{
      "|C481|01|10,00||0,6500|0,000|0,0000||P9|X|",
      "|C481|01|10,00||0,6500|0,000|0,0000||P9|X|",
      "|C481|01|10,00|10,00|0,6500|0,000|0,0000||P9|X|",
  }));
  EXPECT_EQ(chamadas, 3);
}

TEST_F(BlocoCTest, C485C491C495EventsTakeTheirOwnBranch) {
  Estabelecimento();
  PreencheC400(c);
  c.RegistroC490New();
  TRegistroC491& p = c.RegistroC491New();
  p.CFOP = 5102;
  p.VL_BC_PIS = 0.0;
  TRegistroC495& f = c.RegistroC495New();
  f.CFOP = 5102;
  f.VL_COFINS = 0.0;
  c.OnBeforeWriteRegistroC485 = [](TRegistroC485&, bool&, bool& aliq, bool&, bool&, bool&) { aliq = false; };
  c.OnBeforeWriteRegistroC491 = [](TRegistroC491&, bool& base, bool&, bool&, bool&, bool&) { base = true; };
  c.OnBeforeWriteRegistroC495 = [](TRegistroC495&, bool&, bool&, bool&, bool&, bool& valor) { valor = true; };
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(De(linhas, "C485")[0], "|C485|01|2500,00|2500,00|3,0000|0,000|0,0000|75,00|P9||");
  EXPECT_EQ(De(linhas, "C491")[0], "|C491||01|5102|0,00||0,0000|0,000|0,0000|0,00||");
  EXPECT_EQ(De(linhas, "C495")[0], "|C495||01|5102|0,00|0,00|0,0000|0,000|0,0000|||");
}

TEST_F(BlocoCTest, C490FamilyLines) {
  Estabelecimento();
  TRegistroC490& r = c.RegistroC490New();
  r.DT_DOC_INI = EncodeDate(2024, 3, 1);
  r.DT_DOC_FIN = EncodeDate(2024, 3, 31);
  r.COD_MOD = "2D";
  TRegistroC491& p = c.RegistroC491New();
  p.COD_ITEM = "P9";
  p.CFOP = 5102;
  p.VL_ITEM = Currency(100);
  p.VL_BC_PIS = 100.0;
  p.ALIQ_PIS = 0.65;
  p.VL_PIS = 0.65;
  TRegistroC495& f = c.RegistroC495New();
  f.COD_ITEM = "P9";
  f.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  f.CFOP = 5405;
  f.VL_ITEM = Currency(100);
  f.QUANT_BC_COFINS = 12.5;
  f.ALIQ_COFINS_QUANT = 0.1234;
  f.VL_COFINS = 1.54;
  f.COD_CTA = "3.1";
  c.RegistroC499New() = {"77", TVornOrigemProcesso::opOutros};
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C490|01032024|31032024|2D|",
      "|C491|P9|01|5102|100,00|100,00|0,6500|||0,65||",
      "|C495|P9|03|5405|100,00|||12,500|0,1234|1,54|3.1|",
      "|C499|77|9|",
  }));
}

// ---- C500, C600, C800, C860 families ----

TEST_F(BlocoCTest, C500KeyFieldExistsFromLayout320On) {
  struct Caso { TVornCodVer versao; std::string fim; };
  for (const Caso& k : {Caso{TVornCodVer::vlVersao310, "|64,63|"}, Caso{TVornCodVer::vlVersao320, "|64,63||"}}) {
    SCOPED_TRACE(std::string(Code(k.versao)));
    c.LimpaRegistros();
    c.RegistroC001().IND_MOV = TVornIndMov::imComDados;
    b0.Registro0000().COD_VER = k.versao;
    Estabelecimento();
    TRegistroC500& r = c.RegistroC500New();
    r.COD_PART = "F0009";
    r.COD_MOD = "06";
    r.SER = "U";
    r.SUB = 1;
    r.NUM_DOC = 98765;
    r.DT_DOC = EncodeDate(2024, 3, 10);
    r.DT_ENT = EncodeDate(2024, 3, 12);
    r.VL_DOC = Currency(850.4);
    r.VL_ICMS = Currency(153.07);
    r.VL_PIS = Currency(14.03);
    r.VL_COFINS = Currency(64.63);
    TRegistroC501& p = c.RegistroC501New();
    p.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
    p.VL_ITEM = p.VL_BC_PIS = Currency(850.4);
    p.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
    p.ALIQ_PIS = Currency(1.65);
    p.VL_PIS = Currency(14.03);
    p.COD_CTA = "4.1";
    TRegistroC505& f = c.RegistroC505New();
    f.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
    f.VL_ITEM = f.VL_BC_COFINS = Currency(850.4);
    f.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
    f.ALIQ_COFINS = Currency(7.6);
    f.VL_COFINS = Currency(64.63);
    f.COD_CTA = "4.1";
    c.RegistroC509New() = {"X1", TVornOrigemProcesso::opNenhum};
    std::vector<std::string> linhas = Passo();
    EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
        "|C500|F0009|06|00|U|001|000098765|10032024|12032024|850,40|153,07||14,03" + k.fim,
        "|C501|50|850,40|04|850,40|1,6500|14,03|4.1|",
        "|C505|50|850,40|04|850,40|7,6000|64,63|4.1|",
        "|C509|X1||",
    }));
  }
}

TEST_F(BlocoCTest, C600FamilyLinesWithCountsWrittenAsAmounts) {
  Estabelecimento();
  TRegistroC600& r = c.RegistroC600New();
  r.COD_MOD = "06";
  r.COD_MUN = 3550308;
  r.SER = "1";
  r.COD_CONS = 1;
  r.QTD_CONS = 12;
  r.DT_DOC = EncodeDate(2024, 3, 31);
  r.VL_DOC = Currency(1000);
  r.CONS = 3500;
  r.VL_FORN = r.VL_BC_ICMS = Currency(900);
  r.VL_DA = Currency(100);
  r.VL_ICMS = Currency(162);
  r.VL_PIS = Currency(6.5);
  r.VL_COFINS = Currency(30);
  TRegistroC601& p = c.RegistroC601New();
  p.VL_ITEM = p.VL_BC_PIS = Currency(1000);
  p.ALIQ_PIS = Currency(0.65);
  p.VL_PIS = Currency(6.5);
  TRegistroC605& f = c.RegistroC605New();
  f.VL_ITEM = f.VL_BC_COFINS = Currency(1000);
  f.ALIQ_COFINS = Currency(3);
  f.VL_COFINS = Currency(30);
  c.RegistroC609New() = {"P", TVornOrigemProcesso::opJusticaFederal};
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C600|06|3550308|0001|000|01|12,00|0,00|31032024|1000,00|0,00|3500,00|900,00|0,00|0,00|100,00|900,00|162,00|"
      "0,00|0,00|6,50|30,00|",
      "|C601|01|1000,00|1000,00|0,6500|6,50||",
      "|C605|01|1000,00|1000,00|3,0000|30,00||",
      "|C609|P|1|",
  }));
}

TEST_F(BlocoCTest, C800FamilyIsHeldButNeverWritten) {
  TRegistroC010& e = Estabelecimento();
  c.RegistroC800New().CHV_CFE = "35240311222333000181590009000012340000012345";
  c.RegistroC810New();
  c.RegistroC820New();
  c.RegistroC830New();
  EXPECT_EQ(Passo().size(), 2u);  // C001, C010
  EXPECT_EQ(c.RegistroC800Count + c.RegistroC810Count + c.RegistroC820Count + c.RegistroC830Count, 0);
  EXPECT_EQ(e.RegistroC800.Count(), 1);
  EXPECT_EQ(e.RegistroC800[0].RegistroC810.Count(), 1);
}

namespace {
void PreencheC860(TBloco_C& c) {
  TRegistroC860& r = c.RegistroC860New();
  r.COD_MOD = "59";
  r.NR_SAT = 900001234;
  r.DT_DOC = EncodeDate(2024, 3, 5);
  r.DOC_INI = 1;
  r.DOC_FIM = 250;
  for (TVornCstPis cst : {TVornCstPis::stpisValorAliquotaPorST, TVornCstPis::stpisValorAliquotaNormal}) {
    TRegistroC870& i = c.RegistroC870New();
    i.COD_ITEM = "P5";
    i.CFOP = "5102";
    i.VL_ITEM = 50.0;
    i.CST_PIS = cst;
    i.VL_BC_PIS = 0.0;
    i.ALIQ_PIS = 0.0;
    i.VL_PIS = 0.0;
    i.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaPorST;
    i.VL_BC_COFINS = 50.0;
    i.ALIQ_COFINS = 0.0;
    i.VL_COFINS = 0.0;
  }
  TRegistroC880& q = c.RegistroC880New();
  q.COD_ITEM = "P6";
  q.CFOP = "5405";
  q.VL_ITEM = 30.0;
  q.VL_DESC = 1.5;
  q.CST_PIS = TVornCstPis::stpisQtdeAliquotaUnidade;
  q.QUANT_BC_PIS = 10.0;
  q.ALIQ_PIS_QUANT = 0.1234;
  q.VL_PIS = 1.23;
  q.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  q.QUANT_BC_COFINS = 10.0;
  q.ALIQ_COFINS_QUANT = 0.5678;
  q.VL_COFINS = 5.68;
  q.COD_CTA = "3.9";
  c.RegistroC890New() = {"N1", TVornOrigemProcesso::opJusticaFederal};
}
}  // namespace

TEST_F(BlocoCTest, C860FamilyLinesWithTheDiscountOfC880AsField05) {
  Periodo(2015, 5, 1);
  Estabelecimento();
  PreencheC860(c);
  std::vector<std::string> linhas = Passo();
  EXPECT_EQ(std::vector<std::string>(linhas.begin() + 2, linhas.end()), (std::vector<std::string>{
      "|C860|59|900001234|05032024|000001|000250|",
      "|C870|P5|5102|50,00|0,00|05|0,00||0,00|05|50,00||0,00||",
      "|C870|P5|5102|50,00|0,00|01|0,00|0,0000|0,00|05|50,00||0,00||",
      L({"C880", "P6", "5405", "30,00", "1,50", "03", "10,00", "0,12", "1,23", "03", "10,00", "0,57", "5,68", "3.9"}),
      "|C890|N1|1|",
  }));
  EXPECT_EQ(c.RegistroC860Count + c.RegistroC870Count + c.RegistroC880Count + c.RegistroC890Count, 5);
}

TEST_F(BlocoCTest, C860IsWrittenOnlyForPeriodsFromMay2015) {
  Periodo(2015, 4, 30);
  TRegistroC010& e = Estabelecimento();
  PreencheC860(c);
  EXPECT_TRUE(De(Passo(), "C860").empty());
  EXPECT_EQ(e.RegistroC860.Count(), 1);  // skipped, not emptied
  EXPECT_EQ(c.RegistroC860Count, 0);

  c.LimpaRegistros();
  c.RegistroC001().IND_MOV = TVornIndMov::imComDados;
  Periodo(2015, 5, 1);
  Estabelecimento();
  PreencheC860(c);
  EXPECT_EQ(De(Passo(), "C860").size(), 1u);
}
