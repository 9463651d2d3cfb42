#include <gtest/gtest.h>

#include <algorithm>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
using C = Currency;

// Block M on its own, with the file component's line settings and a block 0 for the header.
struct BlocoM : ::testing::Test {
  TBloco_0 b0;
  TBloco_M b;

  void SetUp() override {
    b.Delimitador = "|";
    b.TrimString = true;
    b.CurMascara = "#0.00";
    b.Bloco_0 = &b0;
    Header(TVornCodVer::vlVersao320, TVornIndNatPJ::indNatPJSocEmpresariaGeral);
  }
  void Header(TVornCodVer versao, TVornIndNatPJ natureza) {
    b0.Registro0000New().COD_VER = versao;
    b0.Registro0000New().IND_NAT_PJ = natureza;
  }
  std::vector<std::string> Write() {
    b.WriteRegistroM001();
    b.WriteRegistroM990();
    return b.Conteudo;
  }
  static std::vector<std::string> Of(const std::vector<std::string>& lines, const std::string& reg) {
    std::vector<std::string> out;
    for (auto& l : lines) if (l.compare(1, 4, reg) == 0) out.push_back(l);
    return out;
  }
};

// One record of every register of block M, with the line each one must give.
std::vector<std::string> FillTree(TBloco_M& b) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;

  TRegistroM100& m100 = b.RegistroM100New();
  m100.COD_CRED = "101";
  m100.VL_BC_PIS = 1000.0;
  m100.ALIQ_PIS = 1.65;
  m100.VL_CRED = C(16.5);
  m100.VL_AJUS_ACRES = C(1);
  m100.VL_AJUS_REDUC = C(0.5);
  m100.VL_CRED_DISP = C(17);
  m100.IND_DESC_CRED = TVornIndDescCred::idcParcial;
  m100.VL_CRED_DESC = 10.0;
  m100.SLD_CRED = C(7);
  TRegistroM105& m105 = b.RegistroM105New();
  m105.NAT_BC_CRED = TVornNatBcCred::bccAqBensRevenda;
  m105.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  m105.VL_BC_PIS_TOT = 1000.0;
  m105.VL_BC_PIS_NC = 1000.0;
  m105.VL_BC_PIS = 1000.0;
  m105.QUANT_BC_PIS_TOT = 2.0;
  m105.DESC_CRED = "COMPRAS";
  TRegistroM110& m110 = b.RegistroM110New();
  m110.IND_AJ = TVornIndAJ::indAjAcressimo;
  m110.VL_AJ = C(1);
  m110.COD_AJ = TVornCodAj::codAjAcaoJudicial;
  m110.NUM_DOC = "P1";
  m110.DESCR_AJ = "AJUSTE";
  m110.DT_REF = EncodeDate(2024, 3, 15);
  TRegistroM115& m115 = b.RegistroM115New();
  m115.DET_VALOR_AJ = C(1);
  m115.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  m115.DET_BC_CRED = C(60.6061);
  m115.DET_ALIQ = C(1.65);
  m115.DESC_AJ = "D";
  m115.COD_CTA = "1.1";
  m115.INFO_COMPL = "X";

  TRegistroM200& m200 = b.RegistroM200New();
  m200.VL_TOT_CONT_NC_PER = C(100);
  m200.VL_TOT_CRED_DESC = C(16.5);
  m200.VL_TOT_CONT_NC_DEV = C(83.5);
  m200.VL_CONT_NC_REC = C(83.5);
  m200.VL_TOT_CONT_REC = C(83.5);
  TRegistroM205& m205 = b.RegistroM205New();
  m205.NUM_CAMPO = "8";
  m205.COD_REC = "6912";
  m205.VL_DEBITO = C(83.5);
  TRegistroM210& m210 = b.RegistroM210New();
  m210.COD_CONT = TVornCodCont::ccNaoAcumAliqBasica;
  m210.VL_REC_BRT = m210.VL_BC_CONT = m210.VL_BC_CONT_AJUS = C(6060.61);
  m210.ALIQ_PIS = 1.65;
  m210.VL_CONT_APUR = m210.VL_CONT_PER = C(100);
  TRegistroM211& m211 = b.RegistroM211New();
  m211.IND_TIP_COOP = TVornIndTipCoop::itcConsumo;
  m211.VL_BC_CONT_ANT_EXC_COOP = C(1);
  m211.VL_EXC_COOP_GER = C(2);
  m211.VL_EXC_ESP_COOP = C(3);
  m211.VL_BC_CONT = C(4);
  TRegistroM215& m215 = b.RegistroM215New();
  m215.VL_AJ_BC = C(10);
  m215.COD_AJ_BC = TVornTabCodAjBaseCalcContrib::tcaDevolucoesVendas;
  m215.NUM_DOC = "N";
  m215.DESCR_AJ_BC = "DEV";
  m215.DT_REF = EncodeDate(2024, 3, 10);
  m215.COD_CTA = "3.1";
  m215.INFO_COMPL = "I";
  TRegistroM220& m220 = b.RegistroM220New();
  m220.VL_AJ = C(2);
  m220.COD_AJ = TVornCodAj::codAjCPRBAdocaoRegCaixa;
  m220.DESCR_AJ = "R";
  b.RegistroM225New().DET_VALOR_AJ = C(2);
  b.RegistroM225New().CST_PIS = TVornCstPis::stpisNenhum;  // the same list: a second M225
  TRegistroM230& m230 = b.RegistroM230New();
  m230.CNPJ = "11222333000181";
  m230.VL_VEND = C(10);
  m230.VL_NAO_RECEB = C(5);
  m230.VL_CONT_DIF = C(0.08);
  m230.COD_CRED = "101";

  TRegistroM300& m300 = b.RegistroM300New();
  m300.COD_CONT = TVornCodCont::ccAcumAliqBasica;
  m300.VL_CONT_APUR_DIFER = C(3);
  m300.NAT_CRED_DESC = TVornNatCredDesc::ncdAliqDiferenciada;
  m300.VL_CRED_DESC_DIFER = C(1);
  m300.VL_CONT_DIFER_ANT = C(2);
  m300.PER_APUR = "022024";
  TRegistroM350& m350 = b.RegistroM350New();
  m350.VL_TOT_FOL = m350.VL_TOT_BC = C(1000);
  m350.ALIQ_PIS_FOL = C(1);
  m350.VL_TOT_CONT_FOL = C(10);
  TRegistroM400& m400 = b.RegistroM400New();
  m400.CST_PIS = TVornCstPis::stpisAliquotaZero;
  m400.VL_TOT_REC = C(500);
  m400.COD_CTA = "3.2";
  m400.DESC_COMPL = "MONO";
  TRegistroM410& m410 = b.RegistroM410New();
  m410.NAT_REC = "401";
  m410.VL_REC = C(500);
  m410.COD_CTA = "3.2";

  TRegistroM500& m500 = b.RegistroM500New();
  m500.COD_CRED = "101";
  m500.VL_BC_COFINS = 1000.0;
  m500.ALIQ_COFINS = 7.6;
  m500.VL_CRED = m500.VL_CRED_DISP = C(76);
  m500.VL_CRED_DESC = 76.0;
  TRegistroM505& m505 = b.RegistroM505New();
  m505.NAT_BC_CRED = TVornNatBcCred::bccAqBensUtiComoInsumo;
  m505.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  m505.VL_BC_COFINS_TOT = 1000.0;
  m505.QUANT_BC_COFINS = 1.5;
  m505.DESC_CRED = "INSUMOS";
  TRegistroM510& m510 = b.RegistroM510New();
  m510.IND_AJ = TVornIndAJ::indAjAcressimo;
  m510.VL_AJ = C(3);
  m510.COD_AJ = TVornCodAj::codAjEstorno;
  m510.DESCR_AJ = "E";
  m510.DT_REF = EncodeDate(2024, 3, 31);
  TRegistroM515& m515 = b.RegistroM515New();
  m515.DET_VALOR_AJ = C(3);
  m515.CST_COFINS = TVornCstCofins::stcofinsNenhum;
  m515.DET_BC_CRED = C(39.4737);
  m515.DET_ALIQ = C(7.6);
  m515.DT_OPER_AJ = EncodeDate(2024, 3, 1);

  b.RegistroM600New().VL_TOT_CONT_NC_PER = C(460.6);
  TRegistroM605& m605 = b.RegistroM605New();
  m605.NUM_CAMPO = "12";
  m605.COD_REC = "5856011";
  m605.VL_DEBITO = C(460.6);
  TRegistroM610& m610 = b.RegistroM610New();
  m610.COD_CONT = TVornCodCont::ccApuradaPorST;
  m610.VL_REC_BRT = m610.VL_BC_CONT = C(6060.61);
  m610.VL_AJUS_ACRES_BC_COFINS = C(1);
  m610.VL_AJUS_REDUC_BC_COFINS = C(2);
  m610.VL_BC_CONT_AJUS = C(6059.61);
  m610.ALIQ_COFINS = 7.6;
  m610.VL_CONT_APUR = C(460.53);
  m610.VL_AJUS_ACRES = C(0.07);
  m610.VL_CONT_DIFER = 0.0;
  m610.VL_CONT_PER = C(460.6);
  b.RegistroM611New().IND_TIP_COOP = TVornIndTipCoop::itcOutras;
  TRegistroM615& m615 = b.RegistroM615New();
  m615.IND_AJ_BC = TVornIndAJ::indAjAcressimo;
  m615.VL_AJ_BC = C(1);
  m615.COD_AJ_BC = TVornTabCodAjBaseCalcContrib::tcaOutrVlrsSemDecJudicial;
  TRegistroM620& m620 = b.RegistroM620New();
  m620.VL_AJ = C(0.5);
  m620.COD_AJ = TVornCodAj::codAjLegTributaria;
  m620.NUM_DOC = "D1";
  m620.DESCR_AJ = "DESC";
  TRegistroM625& m625 = b.RegistroM625New();
  m625.DET_VALOR_AJ = C(0.5);
  m625.CST_COFINS = TVornCstCofins::stcofinsAliquotaZero;
  m625.DET_BC_CRED = C(6.5789);
  m625.DET_ALIQ = C(7.6);
  TRegistroM630& m630 = b.RegistroM630New();
  m630.VL_VEND = m630.VL_NAO_RECEB = C(1);
  m630.VL_CONT_DIF = m630.VL_CRED_DIF = C(0.08);

  TRegistroM700& m700 = b.RegistroM700New();
  m700.COD_CONT = TVornCodCont::ccPISPasepSalarios;
  m700.VL_CONT_APUR_DIFER = C(4);
  m700.NAT_CRED_DESC = TVornNatCredDesc::ncdPresAgroindustria;
  m700.PER_APUR = "012024";
  m700.DT_RECEB = EncodeDate(2024, 3, 20);
  TRegistroM800& m800 = b.RegistroM800New();
  m800.CST_COFINS = TVornCstCofins::stcofinsAliquotaZero;
  m800.VL_TOT_REC = C(500);
  m800.COD_CTA = "3.2";
  m800.DESC_COMPL = "MONO";
  TRegistroM810& m810 = b.RegistroM810New();
  m810.NAT_REC = "401";
  m810.VL_REC = C(500);
  m810.COD_CTA = "3.2";
  m810.DESC_COMPL = "X";

  return {
      "|M001|0|",
      "|M100|101|0|1000,00|1,6500|||16,50|1,00|0,50|0,00|17,00|1|10,00|7,00|",
      "|M105|01|50|1000,00||1000,00|1000,00|2,000||COMPRAS|",
      "|M110|1|1,00|01|P1|AJUSTE|15032024|",
      "|M115|1,00|50|60,61|1,65||D|1.1|X|",
      "|M200|100,00|16,50|0,00|83,50|0,00|0,00|83,50|0,00|0,00|0,00|0,00|83,50|",
      "|M205|08|006912|83,50|",
      "|M210|01|6060,61|6060,61|0,00|0,00|6060,61|1,6500|||100,00|0,00|0,00|||100,00|",
      "|M211|02|1,00|2,00|3,00|4,00|",
      "|M215|0|10,00|02|N|DEV|10032024|3.1||I|",
      "|M220|0|2,00|||R||",
      "|M225|2,00|01|0,00|0,00|||||",
      "|M225|0,00||0,00|0,00|||||",
      "|M230|11222333000181|10,00|5,00|0,08|0,00|101|",
      "|M300|51|3,00|02|1,00|2,00|022024||",
      "|M350|1000,00|0,00|1000,00|1,00|10,00|",
      "|M400|06|500,00|3.2|MONO|",
      "|M410|401|500,00|3.2||",
      "|M500|101|0|1000,00|7,6000|||76,00|0,00|0,00|0,00|76,00|0|76,00|0,00|",
      "|M505|02|50|1000,00|||||1,500|INSUMOS|",
      "|M510|1|3,00|06||E|31032024|",
      "|M515|3,00||39,47|7,60|01032024||||",
      "|M600|460,60|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|",
      "|M605|12|585601|460,60|",
      "|M610|31|6060,61|6060,61|1,00|2,00|6059,61|7,6000|||460,53|0,07|0,00|0,00||460,60|",
      "|M611|99|0,00|0,00|0,00|0,00|",
      "|M615|1|1,00|42|||||||",
      "|M620|0|0,50|03|D1|DESC||",
      "|M625|0,50|06|6,58|7,60|||||",
      "|M630||1,00|1,00|0,08|0,08||",
      "|M700|99|4,00|04|0,00|0,00|012024|20032024|",
      "|M800|06|500,00|3.2|MONO|",
      "|M810|401|500,00|3.2|X|",
      "|M990|34|",
  };
}
}  // namespace

TEST_F(BlocoM, EveryRegisterLineInLayoutOrder) {
  Header(TVornCodVer::vlVersao320, TVornIndNatPJ::indNatPJSocCooperativa);
  std::vector<std::string> expected = FillTree(b);
  EXPECT_EQ(Write(), expected);
  EXPECT_EQ(b.RegistroM225Count, 2);
  for (const TRegisterCount& c : b.ContagemRegistros())
    EXPECT_EQ(c.count, static_cast<int>(Of(expected, c.code).size())) << c.code;
}

TEST_F(BlocoM, EmptyTreeWithDataWritesZeroConsolidations) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  const std::string zeros = "|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|";
  EXPECT_EQ(Write(), (std::vector<std::string>{"|M001|0|", "|M200" + zeros, "|M600" + zeros, "|M990|4|"}));
}

TEST_F(BlocoM, WithoutDataTheTreeIsIgnored) {
  FillTree(b);
  b.RegistroM001New().IND_MOV = TVornIndMov::imSemDados;
  EXPECT_EQ(Write(), (std::vector<std::string>{"|M001|1|", "|M990|2|"}));
  EXPECT_EQ(b.RegistroM200Count, 0);
  EXPECT_EQ(b.RegistroM100Count, 0);
}

TEST_F(BlocoM, SingleRecordsAreWrittenOnceHoweverOftenCreated) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroM200New().VL_TOT_CONT_NC_PER = C(1);
  b.RegistroM200New().VL_TOT_CRED_DESC = C(2);  // same record: both amounts on one line
  b.RegistroM600New().VL_TOT_CONT_NC_PER = C(3);
  b.RegistroM600New().VL_TOT_CONT_NC_PER = C(4);
  b.RegistroM210New();
  b.RegistroM211New().VL_BC_CONT = C(5);
  b.RegistroM211New().VL_EXC_COOP_GER = C(6);
  Header(TVornCodVer::vlVersao320, TVornIndNatPJ::indNatPJSocCooperativa);
  auto lines = Write();
  ASSERT_EQ(Of(lines, "M200").size(), 1u);
  EXPECT_EQ(Of(lines, "M200")[0].substr(0, 21), "|M200|1,00|2,00|0,00|");
  ASSERT_EQ(Of(lines, "M600").size(), 1u);
  EXPECT_EQ(Of(lines, "M600")[0].substr(0, 16), "|M600|4,00|0,00|");
  EXPECT_EQ(Of(lines, "M211"), (std::vector<std::string>{"|M211|01|0,00|6,00|0,00|5,00|"}));
  EXPECT_EQ(b.RegistroM200Count, 1);
  EXPECT_EQ(b.RegistroM600Count, 1);
  EXPECT_EQ(b.RegistroM211Count, 1);
}

TEST_F(BlocoM, PayrollLineOnlyWithPayroll) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroM350New().VL_TOT_CONT_FOL = C(10);  // no payroll total: no line
  EXPECT_TRUE(Of(Write(), "M350").empty());
  EXPECT_EQ(b.RegistroM350Count, 0);
}

TEST_F(BlocoM, BaseAdjustmentFieldsFromLayout310On) {
  struct Caso { TVornCodVer versao; size_t campos; };
  for (Caso caso : {Caso{TVornCodVer::vlVersao202, 13}, Caso{TVornCodVer::vlVersao310, 16},
                    Caso{TVornCodVer::vlVersao320, 16}}) {
    b.LimpaRegistros();
    Header(caso.versao, TVornIndNatPJ::indNatPJSocEmpresariaGeral);
    b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
    TRegistroM210& m210 = b.RegistroM210New();
    m210.VL_REC_BRT = C(9);
    m210.VL_AJUS_ACRES_BC_PIS = C(1);
    m210.VL_CONT_PER = C(7);
    b.RegistroM215New().VL_AJ_BC = C(1);
    b.RegistroM610New().VL_CONT_PER = C(8);
    auto lines = Write();
    for (const char* reg : {"M210", "M610"}) {
      ASSERT_EQ(Of(lines, reg).size(), 1u);
      EXPECT_EQ(Fields(Of(lines, reg)[0]).size(), caso.campos) << reg << " " << Code(caso.versao);
    }
    EXPECT_EQ(Of(lines, "M215").size(), 1u);  // whatever the version
    if (caso.versao == TVornCodVer::vlVersao202)
      EXPECT_EQ(Of(lines, "M210")[0], "|M210|01|9,00|0,00||||0,00|0,00|0,00|||7,00|");
    else
      EXPECT_EQ(Of(lines, "M210")[0], "|M210|01|9,00|0,00|1,00|0,00|0,00||||0,00|0,00|0,00|||7,00|");
  }
}

TEST_F(BlocoM, CooperativeLinesOnlyForCooperatives) {
  for (auto natureza : {TVornIndNatPJ::indNatPJSocEmpresariaGeral, TVornIndNatPJ::indNatPJSocCooperativa,
                        TVornIndNatPJ::indNatPJSocCooperativaSCP}) {
    b.LimpaRegistros();
    Header(TVornCodVer::vlVersao320, natureza);
    b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
    b.RegistroM210New();
    b.RegistroM210New();  // one M211 per M210, even an untouched one
    b.RegistroM610New();
    auto lines = Write();
    const size_t esperado = natureza == TVornIndNatPJ::indNatPJSocCooperativa ? 2 : 0;
    EXPECT_EQ(Of(lines, "M211").size(), esperado);
    EXPECT_EQ(Of(lines, "M611").size(), esperado / 2);
    EXPECT_EQ(b.RegistroM211Count, static_cast<int>(esperado));
  }
}

TEST_F(BlocoM, CodesWithoutValueAreEmptyAfterCodedRecords) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroM100New();
  b.RegistroM105New().NAT_BC_CRED = TVornNatBcCred::bccAqBensRevenda;
  b.RegistroM105New().NAT_BC_CRED = TVornNatBcCred::bccVazio;
  b.RegistroM110New().COD_AJ = TVornCodAj::codAjEstorno;
  b.RegistroM110New().COD_AJ = TVornCodAj::codAjCPRBAdicValDifPerAnt;
  b.RegistroM115New().CST_PIS = TVornCstPis::stpisNenhum;
  auto lines = Write();
  EXPECT_EQ(Of(lines, "M105")[0].substr(0, 9), "|M105|01|");
  EXPECT_EQ(Of(lines, "M105")[1].substr(0, 7), "|M105||");
  EXPECT_EQ(Of(lines, "M110")[0], "|M110|0|0,00|06||||");
  EXPECT_EQ(Of(lines, "M110")[1], "|M110|0|0,00|||||");
  EXPECT_EQ(Of(lines, "M115")[0], "|M115|0,00||0,00|0,00|||||");
}

TEST_F(BlocoM, ChildWithoutParentThrowsAndCreatesNothing) {
  EXPECT_THROW(b.RegistroM105New(), std::out_of_range);
  EXPECT_THROW(b.RegistroM211New(), std::out_of_range);
  EXPECT_THROW(b.RegistroM625New(), std::out_of_range);
  b.RegistroM610New();
  EXPECT_THROW(b.RegistroM625New(), std::out_of_range);  // M610 without M620
  EXPECT_THROW(b.RegistroM810New(), std::out_of_range);
  EXPECT_EQ(b.RegistroM001().RegistroM600.RegistroM610[0].RegistroM620.Count(), 0);
}

TEST_F(BlocoM, CodeOutsideTheContributionCodesThrows) {
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroM210New().COD_CONT = static_cast<TVornCodCont>(99);
  EXPECT_THROW(Write(), std::exception);
}

TEST_F(BlocoM, LookupsFindTheFirstExactMatch) {
  TRegistroM001& m001 = b.RegistroM001New();
  TRegistroM400& a = b.RegistroM400New();
  a.CST_PIS = TVornCstPis::stpisAliquotaZero;
  a.COD_CTA = "3.2";
  TRegistroM400& dup = b.RegistroM400New();
  dup.CST_PIS = TVornCstPis::stpisAliquotaZero;
  dup.COD_CTA = "3.2";
  b.RegistroM410New().NAT_REC = "401";
  EXPECT_EQ(m001.LocalizaRegistroM400(TVornCstPis::stpisAliquotaZero, "3.2", ""), &a);
  EXPECT_EQ(m001.LocalizaRegistroM400(TVornCstPis::stpisAliquotaZero, "3.2 ", ""), nullptr);
  EXPECT_EQ(dup.LocalizaRegistroM410("401", "", ""), &dup.RegistroM410[0]);
  EXPECT_EQ(a.LocalizaRegistroM410("401", "", ""), nullptr);
  TRegistroM800& m800 = b.RegistroM800New();
  m800.DESC_COMPL = "Mono";
  EXPECT_EQ(m001.LocalizaRegistroM800(m800.CST_COFINS, "", "MONO"), nullptr);
  EXPECT_EQ(m001.LocalizaRegistroM800(m800.CST_COFINS, "", "Mono"), &m800);
}

TEST(BlocoMArquivo, WholeTreeCountsAgreeInTheFile) {
  TempDir dir;
  TVornVUDIRozAzezav c;
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 3, 31));
  c.SetArquivo(dir.File("efd.txt"));
  c.Bloco_0.Registro0000New().COD_VER = TVornCodVer::vlVersao320;
  c.Bloco_0.Registro0000New().IND_NAT_PJ = TVornIndNatPJ::indNatPJSocCooperativa;
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  std::vector<std::string> expected = FillTree(c.Bloco_M);
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  std::vector<std::string> lines = FileLines(dir.File("efd.txt"));
  std::vector<std::string> bloco;
  for (auto& l : lines) if (l[1] == 'M') bloco.push_back(l);
  EXPECT_EQ(bloco, expected);
  for (auto& l : expected) {
    std::string reg = l.substr(1, 4);
    int n = 0;
    for (auto& e : expected) n += e.compare(1, 4, reg) == 0;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "|9900|" + reg + "|" + std::to_string(n) + "|"), lines.end())
        << reg;
  }
}
