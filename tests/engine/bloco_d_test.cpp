#include <gtest/gtest.h>

#include "VornEPCBloco_D_Class.h"
#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
void PrepareWriter(TVornSPED& b) {
  b.Delimitador = "|";
  b.TrimString = true;
  b.CurMascara = "#0.00";
}

// One D010 with one document of every family and each of its children.
void FillTree(TBloco_D& d) {
  d.RegistroD001New().IND_MOV = TVornIndMov::imComDados;
  d.RegistroD010New().CNPJ = "11222333000181";

  TRegistroD100& cte = d.RegistroD100New();
  cte.IND_OPER = "0";
  cte.IND_EMIT = TVornIndEmit::iedfTerceiro;
  cte.COD_PART = "F1";
  cte.COD_MOD = "57";
  cte.COD_SIT = TVornCodSit::sdfRegular;
  cte.SER = "1";
  cte.NUM_DOC = "555";
  cte.CHV_CTE = "CHV1";
  cte.DT_DOC = EncodeDate(2024, 3, 5);
  cte.DT_A_P = EncodeDate(2024, 3, 6);
  cte.TP_CT_e = "0";
  cte.VL_DOC = Currency(150.75);
  cte.IND_FRT = TVornIndFrt::tfPorContaDestinatario;
  cte.VL_SERV = Currency(150.75);
  cte.VL_BC_ICMS = Currency(150.75);
  cte.VL_ICMS = Currency(18.09);
  cte.COD_CTA = "4.01";
  TRegistroD101& pis = d.RegistroD101New();
  pis.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
  pis.VL_ITEM = Currency(150.75);
  pis.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  pis.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
  pis.VL_BC_PIS = Currency(150.75);
  pis.ALIQ_PIS = Currency(1.65);
  pis.VL_PIS = Currency(2.49);
  pis.COD_CTA = "4.01";
  TRegistroD101& semBase = d.RegistroD101New();
  semBase.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcOutras;
  semBase.NAT_BC_CRED = TVornNatBcCred::bccVazio;
  TRegistroD105& cofins = d.RegistroD105New();
  cofins.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
  cofins.VL_ITEM = Currency(150.75);
  cofins.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  cofins.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
  cofins.VL_BC_COFINS = Currency(150.75);
  cofins.ALIQ_COFINS = Currency(7.6);
  cofins.VL_COFINS = Currency(11.46);
  cofins.COD_CTA = "4.01";
  TRegistroD111& p1 = d.RegistroD111New();
  p1.NUM_PROC = "PROC1";
  p1.IND_PROC = TVornOrigemProcesso::opSecexRFB;

  TRegistroD200& cons = d.RegistroD200New();
  cons.COD_MOD = "57";
  cons.COD_SIT = TVornCodSit::sdfExtRegular;
  cons.SER = "1";
  cons.NUM_DOC_INI = 10;
  cons.NUM_DOC_FIN = 20;
  cons.CFOP = 5353;
  cons.DT_REF = EncodeDate(2024, 3, 31);
  cons.VL_DOC = 500;
  TRegistroD201& d201 = d.RegistroD201New();
  d201.VL_ITEM = d201.VL_BC_PIS = 500;
  d201.ALIQ_PIS = Currency(0.65);
  d201.VL_PIS = Currency(3.25);
  TRegistroD205& d205 = d.RegistroD205New();
  d205.VL_ITEM = d205.VL_BC_COFINS = 500;
  d205.ALIQ_COFINS = 3;
  d205.VL_COFINS = 15;
  TRegistroD209& p2 = d.RegistroD209New();
  p2.NUM_PROC = "PROC2";
  p2.IND_PROC = TVornOrigemProcesso::opOutros;

  TRegistroD300& bil = d.RegistroD300New();
  bil.COD_MOD = "13";
  bil.SER = "U";
  bil.NUM_DOC_INI = 1;
  bil.NUM_DOC_FIN = 99;
  bil.CFOP = 5357;
  bil.DT_REF = EncodeDate(2024, 3, 31);
  bil.VL_DOC = 80;
  bil.VL_BC_PIS = bil.VL_BC_COFINS = 80;
  bil.ALIQ_PIS = Currency(0.65);
  bil.VL_PIS = Currency(0.52);
  bil.ALIQ_COFINS = 3;
  bil.VL_COFINS = Currency(2.4);
  d.RegistroD309New().NUM_PROC = "PROC3";
  d.RegistroD309New().IND_PROC = TVornOrigemProcesso::opNenhum;

  TRegistroD350& ecf = d.RegistroD350New();
  ecf.COD_MOD = "2E";
  ecf.ECF_MOD = "MOD";
  ecf.ECF_FAB = "FAB1";
  ecf.DT_DOC = EncodeDate(2024, 3, 10);
  ecf.CRO = 1;
  ecf.CRZ = 45;
  ecf.NUM_COO_FIN = 1234;
  ecf.GT_FIN = Currency(10000.5);
  ecf.VL_BRT = 300;
  ecf.VL_BC_PIS = 300;
  ecf.ALIQ_PIS = 0.65;
  ecf.QUANT_BC_PIS = 12.5;
  ecf.ALIQ_PIS_QUANT = 0.1;
  ecf.VL_PIS = 1.95;
  ecf.VL_BC_COFINS = 300;
  ecf.ALIQ_COFINS = 3;
  ecf.VL_COFINS = 9;
  TRegistroD359& p4 = d.RegistroD359New();
  p4.NUM_PROC = "PROC4";
  p4.IND_PROC = TVornOrigemProcesso::opJusticaFederal;

  TRegistroD500& tel = d.RegistroD500New();
  tel.IND_OPER = TVornIndOper::itoContratado;
  tel.IND_EMIT = TVornIndEmit::iedfTerceiro;
  tel.COD_PART = "F2";
  tel.COD_MOD = "22";
  tel.COD_SIT = TVornCodSit::sdfEspecial;
  tel.SER = "U";
  tel.SUB = 1;
  tel.NUM_DOC = 4567;
  tel.DT_DOC = EncodeDate(2024, 3, 2);
  tel.DT_A_P = EncodeDate(2024, 3, 3);
  tel.VL_DOC = tel.VL_SERV = tel.VL_BC_ICMS = Currency(99.9);
  tel.VL_ICMS = Currency(24.98);
  tel.VL_PIS = Currency(1.65);
  tel.VL_COFINS = Currency(7.59);
  TRegistroD501& d501 = d.RegistroD501New();
  d501.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  d501.VL_ITEM = d501.VL_BC_PIS = Currency(99.9);
  d501.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
  d501.ALIQ_PIS = d501.VL_PIS = Currency(1.65);
  d501.COD_CTA = "4.02";
  TRegistroD505& d505 = d.RegistroD505New();
  d505.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  d505.VL_ITEM = d505.VL_BC_COFINS = Currency(99.9);
  d505.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
  d505.ALIQ_COFINS = Currency(7.6);
  d505.VL_COFINS = Currency(7.59);
  d505.COD_CTA = "4.02";
  TRegistroD509& p5 = d.RegistroD509New();
  p5.NUM_PROC = "PROC5";
  p5.IND_PROC = TVornOrigemProcesso::opSecexRFB;

  TRegistroD600& com = d.RegistroD600New();
  com.COD_MOD = "21";
  com.COD_MUN = 3550308;
  com.SER = "A";
  com.SUB = 7;
  com.IND_REC = TVornIndRec::irTerceiros;
  com.QTD_CONS = 25;
  com.DT_DOC_INI = EncodeDate(2024, 3, 1);
  com.DT_DOC_FIN = EncodeDate(2024, 3, 31);
  com.VL_DOC = 1000;
  com.VL_DESC = 10;
  com.VL_SERV = com.VL_BC_ICMS = 990;
  com.VL_ICMS = Currency(247.5);
  com.VL_PIS = Currency(6.44);
  com.VL_COFINS = Currency(29.7);
  TRegistroD601& d601 = d.RegistroD601New();
  d601.COD_CLASS = 101;
  d601.VL_ITEM = 1000;
  d601.VL_BC_PIS = 990;
  d601.ALIQ_PIS = 0.65;
  TRegistroD605& d605 = d.RegistroD605New();
  d605.COD_CLASS = 101;
  d605.VL_ITEM = 1000;
  d605.VL_BC_COFINS = 990;
  d605.ALIQ_COFINS = 3;
  TRegistroD609& p6 = d.RegistroD609New();
  p6.NUM_PROC = "PROC6";
  p6.IND_PROC = TVornOrigemProcesso::opOutros;
}

struct BlocoD : ::testing::Test {
  TBloco_0 b0;
  TBloco_D d;
  std::vector<std::string> errors;

  void SetUp() override {
    PrepareWriter(d);
    b0.DT_INI = EncodeDate(2024, 3, 1);
    d.Bloco_0 = &b0;
    d.OnError = [this](const std::string& m) { errors.push_back(m); };
  }
  std::vector<std::string> Write() {
    d.Conteudo.clear();
    d.WriteRegistroD001();
    return d.Conteudo;
  }
  // A block with one empty D010, ready for a single record.
  void Novo() {
    d.LimpaRegistros();
    d.RegistroD001New().IND_MOV = TVornIndMov::imComDados;
    d.RegistroD010New();
  }
};

TEST_F(BlocoD, EmptyBlockIsOpeningAndClosingOnly) {
  d.WriteRegistroD001();
  d.WriteRegistroD990();
  EXPECT_EQ(d.Conteudo, (std::vector<std::string>{"|D001|1|", "|D990|2|"}));
}

TEST_F(BlocoD, EveryRegisterLineInLayoutOrder) {
  FillTree(d);
  d.WriteRegistroD001();
  d.WriteRegistroD990();
  std::vector<std::string> expected = {
      "|D001|0|",
      "|D010|11222333000181|",
      "|D100|0|1|F1|57|00|1||555|CHV1|05032024|06032024|0||150,75|0,00|1|150,75|150,75|18,09|0,00||4.01|",
      "|D101|2|150,75|50|14|150,75|1,6500|2,49|4.01|",
      "|D101|9|0,00|01||0,00|0,0000|0,00||",
      "|D105|2|150,75|50|14|150,75|7,6000|11,46|4.01|",
      "|D111|PROC1|3|",
      "|D200|57|01|1||000000010|000000020|5353|31032024|500,00|0,00|",
      "|D201|01|500,00|500,00|0,6500|3,25||",
      "|D205|01|500,00|500,00|3,0000|15,00||",
      "|D209|PROC2|9|",
      "|D300|13|U||000001|000099|5357|31032024|80,00|0,00|01|80,00|0,6500|0,52|01|80,00|3,0000|2,40||",
      "|D309|PROC3|1|",
      "|D309|||",
      "|D350|2E|MOD|FAB1|10032024|001|000045|001234|10000,50|300,00|01|300,00|0,6500|12,50|0,1000|1,95|01|300,00|"
      "3,0000|||9,00||",
      "|D359|PROC4|1|",
      "|D500|0|1|F2|22|08|U|001|000004567|02032024|03032024|99,90|0,00|99,90|0,00|0,00|0,00|99,90|24,98||1,65|7,59|",
      "|D501|50|99,90|03|99,90|1,6500|1,65|4.02|",
      "|D505|50|99,90|03|99,90|7,6000|7,59|4.02|",
      "|D509|PROC5|3|",
      "|D600|21|3550308|A|7|8|0000000025|01032024|31032024|1000,00|10,00|990,00|0,00|0,00|0,00|990,00|247,50|6,44|"
      "29,70|",
      // An absent PIS amount of D601 is a zero; an absent COFINS amount of D605 is empty.
      "|D601|0101|1000,00||01|990,00|0,6500|0,00||",
      "|D605|0101|1000,00||01|990,00|3,0000|||",
      "|D609|PROC6|9|",
      "|D990|25|",
  };
  EXPECT_EQ(d.Conteudo, expected);
  EXPECT_TRUE(errors.empty()) << errors.front();
  std::vector<TRegisterCount> counts = d.ContagemRegistros();
  std::vector<int> perRegister;
  for (auto& c : counts) perRegister.push_back(c.count);
  // D010 D100 D101 D105 D111 D200 D201 D205 D209 D300 D309 D350 D359 D500 D501 D505 D509 D600 D601 D605 D609
  EXPECT_EQ(perRegister, (std::vector<int>{1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(BlocoD, FreightCodesChangeInJuly2012) {
  struct Case { TVornIndFrt frt; const char* ateJunho; const char* desdeJulho; } cases[] = {
      {TVornIndFrt::tfPorContaEmitente, "1", "0"},
      {TVornIndFrt::tfPorContaDestinatario, "2", "1"},
      {TVornIndFrt::tfPorContaTerceiros, "0", "2"},
      {TVornIndFrt::tfProprioPorContaEmitente, "", "3"},
      {TVornIndFrt::tfProprioPorContaDestinatario, "", "4"},
      {TVornIndFrt::tfSemCobrancaFrete, "9", "9"},
      {TVornIndFrt::tfNenhum, "", ""},
  };
  for (const Case& k : cases) {
    for (auto [inicio, code] : {std::pair{EncodeDate(2012, 6, 1), k.ateJunho}, std::pair{EncodeDate(2012, 7, 1), k.desdeJulho}}) {
      b0.DT_INI = inicio;
      Novo();
      d.RegistroD100New().IND_FRT = k.frt;
      EXPECT_EQ(Fields(Write().at(2)).at(16), code) << static_cast<int>(k.frt) << " " << inicio;
    }
  }
}

TEST_F(BlocoD, CancelledDocumentKeepsItsDataButNotItsZeros) {
  for (TVornCodSit sit : {TVornCodSit::sdfRegular, TVornCodSit::sdfCancelado, TVornCodSit::sdfExtCancelado,
                          TVornCodSit::sdfDenegado, TVornCodSit::sdfInutilizado, TVornCodSit::sdfComplementar}) {
    const bool semZeros = sit != TVornCodSit::sdfRegular && sit != TVornCodSit::sdfComplementar;
    Novo();
    TRegistroD100& r = d.RegistroD100New();
    r.COD_SIT = sit;
    r.COD_PART = "F1";
    r.DT_DOC = EncodeDate(2024, 3, 5);
    r.VL_DESC = 10;
    std::vector<std::string> f = Fields(Write().at(2));
    EXPECT_EQ(f.at(14), semZeros ? "" : "0,00") << static_cast<int>(sit);
    EXPECT_EQ(f.at(15), "10,00");
    EXPECT_EQ(f.at(3), "F1");
    EXPECT_EQ(f.at(10), "05032024");
  }
}

TEST_F(BlocoD, SituationsAcceptedByD200AndD500) {
  // COD_SIT value, D200 code, D500 code.
  struct Case { TVornCodSit sit; const char* d200; const char* d500; } cases[] = {
      {TVornCodSit::sdfRegular, "00", "00"},      {TVornCodSit::sdfExtRegular, "01", "01"},
      {TVornCodSit::sdfCancelado, "", "02"},      {TVornCodSit::sdfExtCancelado, "", "03"},
      {TVornCodSit::sdfDenegado, "", ""},         {TVornCodSit::sdfInutilizado, "", ""},
      {TVornCodSit::sdfComplementar, "06", "06"}, {TVornCodSit::sdfExtComplementar, "07", "07"},
      {TVornCodSit::sdfEspecial, "08", "08"},
  };
  for (const Case& k : cases) {
    Novo();
    d.RegistroD200New().COD_SIT = k.sit;
    d.RegistroD500New().COD_SIT = k.sit;
    std::vector<std::string> lines = Write();
    EXPECT_EQ(Fields(lines.at(2)).at(2), k.d200) << static_cast<int>(k.sit);
    EXPECT_EQ(Fields(lines.at(3)).at(5), k.d500) << static_cast<int>(k.sit);
  }
}

TEST_F(BlocoD, DocumentModelsOutsideTheListAreReported) {
  Novo();
  d.RegistroD100New().COD_MOD = "57";
  d.RegistroD100New().COD_MOD = "55";
  d.RegistroD100New().COD_MOD = "";
  d.RegistroD200New().COD_MOD = "8B";
  d.RegistroD300New().COD_MOD = "57";
  d.RegistroD350New().COD_MOD = "2E";
  d.RegistroD500New().COD_MOD = "55";
  d.RegistroD600New().COD_MOD = "21";
  std::vector<std::string> lines = Write();
  EXPECT_EQ(lines.size(), 10u) << "every line is written";
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(D-100) O Modelo do Documento \"55\" é inválido!",
                        "(D-100) O Modelo do Documento \"\" é inválido!",
                        "(D-300) O Modelo do Documento \"57\" é inválido!",
                        "(D-500) O Modelo do Documento \"55\" é inválido!",
                    }));
}

TEST_F(BlocoD, SubseriesOfD300AndD600EmptyWhenZero) {
  Novo();
  d.RegistroD300New().SUB = 0;
  d.RegistroD300New().SUB = 3;
  d.RegistroD600New().SUB = 0;
  std::vector<std::string> lines = Write();
  EXPECT_EQ(Fields(lines.at(2)).at(3), "");
  EXPECT_EQ(Fields(lines.at(3)).at(3), "3");
  EXPECT_EQ(Fields(lines.at(4)).at(4), "");
}

TEST_F(BlocoD, NullPisOfD601IsWrittenLikeAnAbsentOne) {
  Novo();
  d.RegistroD600New();
  d.RegistroD601New().VL_PIS = Variant::Null();
  EXPECT_EQ(Fields(Write().at(3)).at(7), "0,00");
}

TEST_F(BlocoD, InvalidCnpjIsReportedAndStillWritten) {
  d.RegistroD001New().IND_MOV = TVornIndMov::imComDados;
  d.RegistroD010New().CNPJ = "11222333000182";
  d.RegistroD010New().CNPJ = "";
  std::vector<std::string> lines = Write();
  EXPECT_EQ(errors, std::vector<std::string>{"(D-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"});
  EXPECT_EQ(lines.at(1), "|D010|11222333000182|");
  EXPECT_EQ(d.RegistroD010Count, 2);
}

TEST_F(BlocoD, ChildWithoutParentFailsAndAddsNothing) {
  EXPECT_THROW(d.RegistroD100New(), std::out_of_range);
  d.RegistroD010New();
  try {
    d.RegistroD605New();
    FAIL();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), SemPai("D605", "D600").c_str());
  }
  EXPECT_EQ(d.RegistroD001().RegistroD010[0].RegistroD600.Count(), 0);
}

TEST(BlocoDArquivo, WholeTreeCountsAgree) {
  TempDir dir;
  TVornVUDIRozAzezav c;
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 3, 31));
  c.SetArquivo(dir.File("efd.txt"));
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  FillTree(c.Bloco_D);
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  std::string text = ReadBytes(dir.File("efd.txt"));
  for (const TRegisterCount& reg : c.Bloco_D.ContagemRegistros())
    EXPECT_NE(text.find("|9900|" + reg.code + "|"), std::string::npos) << reg.code;
}
}  // namespace
