#include <gtest/gtest.h>

#include <algorithm>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
using C = Currency;

// Block 1 on its own, with the file component's line settings.
struct Bloco1 : ::testing::Test {
  TBloco_1 b;

  void SetUp() override {
    b.Delimitador = "|";
    b.TrimString = true;
    b.CurMascara = "#0.00";
  }
  std::vector<std::string> Write() {
    b.WriteRegistro1001();
    b.WriteRegistro1990();
    return b.Conteudo;
  }
  static std::vector<std::string> Of(const std::vector<std::string>& lines, const std::string& reg) {
    std::vector<std::string> out;
    for (auto& l : lines) if (l.compare(1, 4, reg) == 0) out.push_back(l);
    return out;
  }
};

void Credito(TControleCredito& r, int codCred) {
  r.PER_APU_CRED = 12024;
  r.ORIG_CRED = 1;
  r.COD_CRED = codCred;
  r.VL_CRED_APU = C(100);
  r.SLD_CRED_FIM = C(50);
}

template <typename T>
void Documento(T& r) {
  r.COD_PART = "F1";
  r.COD_ITEM = "I1";
  r.COD_MOD = "55";
  r.SER = "1";
  r.NUM_DOC = 123;
  r.DT_OPER = EncodeDate(2024, 1, 15);
  r.VL_OPER = C(1000);
  r.CFOP = 1102;
  r.NAT_BC_CRED = "01";
  r.COD_CTA = "1.1";
  r.PER_ESCRIT = 12024;
}

template <typename T>
void Recolhimento(T& r) {
  r.PER_APUR_ANT = 122023;
  r.NAT_CONT_REC = "01";
  r.VL_CONT_APUR = r.VL_CONT_DEV = r.VL_CONT_EXT = C(10);
  r.VL_MUL = C(0.2);
  r.VL_JUR = C(0.1);
  r.DT_RECOL = EncodeDate(2024, 3, 25);
}

// One record of every register of block 1, with the lines they must give.
std::vector<std::string> FillTree(TBloco_1& b) {
  b.Registro1001New().IND_MOV = TVornIndMov::imComDados;
  TRegistro1010& r1010 = b.Registro1010New();
  r1010.NUM_PROC = "P1";
  r1010.ID_SEC_JUD = "SJ";
  r1010.ID_VARA = "V1";
  r1010.IND_NAT_ACAO = 1;
  r1010.DESC_DEC_JUD = "DEC";
  r1010.DT_SENT_JUD = EncodeDate(2024, 1, 10);
  TRegistro1011& r1011 = b.Registro1011New();
  r1011.REG_REF = "C170";
  r1011.CHAVE_DOC = "K";
  r1011.COD_PART = "F1";
  r1011.COD_ITEM = "I1";
  r1011.DT_OPER = EncodeDate(2024, 3, 2);
  r1011.VL_OPER = C(100);
  r1011.CST_PIS = r1011.CST_COFINS = 1;
  r1011.VL_BC_PIS = 1234.5;
  r1011.ALIQ_PIS = 1.65;
  r1011.VL_PIS = Variant::Null();
  r1011.CST_PIS_SUSP = r1011.CST_COFINS_SUSP = 9;
  r1011.COD_CTA = "3.1";
  r1011.DESC_DOC_OPER = "D";
  TRegistro1020& r1020 = b.Registro1020New();
  r1020.NUM_PROC = "P2";
  r1020.IND_NAT_ACAO = 2;
  r1020.DT_DEC_ADM = EncodeDate(2024, 2, 1);
  TRegistro1050& r1050 = b.Registro1050New();
  r1050.DT_REF = EncodeDate(2024, 3, 1);
  r1050.IND_AJ_BC = TVornTabCodAjBaseCalcContrib::tcaICMSaRecolher;
  r1050.CNPJ = "1222333000181";
  r1050.VL_AJ_TOT = C(100);
  r1050.VL_AJ_CST01 = C(10);
  r1050.VL_AJ_CST02 = C(2);
  r1050.VL_AJ_CST03 = C(3);
  r1050.VL_AJ_CST04 = C(4);
  r1050.VL_AJ_CST05 = C(5);
  r1050.VL_AJ_CST06 = C(6);
  r1050.VL_AJ_CST07 = C(7);
  r1050.VL_AJ_CST08 = C(8);
  r1050.VL_AJ_CST09 = C(9);
  r1050.VL_AJ_CST49 = C(49);
  r1050.VL_AJ_CST99 = C(99);
  r1050.IND_APROP = TVornIndicadorApropAjuste::iaaUnicaPISPasep;
  r1050.NUM_REC = "R";
  r1050.INFO_COMPL = "I";
  Credito(b.Registro1100New(), 101);
  TRegistro1101& r1101 = b.Registro1101New();
  Documento(r1101);
  r1101.CST_PIS = 53;
  r1101.VL_BC_PIS = C(1000);
  r1101.ALIQ_PIS = C(1.65);
  r1101.VL_PIS = C(16.5);
  TRegistro1102& r1102 = b.Registro1102New();
  r1102.VL_CRED_PIS_TRIB_MI = 10.0;
  r1102.VL_CRED_PIS_NT_MI = Variant::Null();
  r1102.VL_CRED_PIS_EXP = 6.5;
  Recolhimento(b.Registro1200New());
  TRegistro1210& r1210 = b.Registro1210New();
  r1210.CNPJ = "11222333000181";
  r1210.COD_PART = "C1";
  r1210.DT_OPER = EncodeDate(2023, 12, 10);
  r1210.VL_OPER = r1210.VL_BC_PIS = C(606.06);
  r1210.ALIQ_PIS = C(1.65);
  r1210.VL_PIS = C(10);
  r1210.COD_CTA = "3.1";
  TRegistro1220& r1220 = b.Registro1220New();
  r1220.PER_APU_CRED = 112023;
  r1220.ORIG_CRED = 1;
  r1220.COD_CRED = 101;
  r1220.VL_CRED = C(5);
  TRegistro1300& r1300 = b.Registro1300New();
  r1300.IND_NAT_RET = 1;
  r1300.PR_REC_RET = 22024;
  r1300.VL_RET_APU = C(1);
  r1300.VL_RET_DED = C(2);
  r1300.VL_RET_PER = C(3);
  r1300.VL_RET_DCOMP = C(4);
  r1300.SLD_RET = C(5);
  Credito(b.Registro1500New(), 201);
  TRegistro1501& r1501 = b.Registro1501New();
  Documento(r1501);
  r1501.CST_COFINS = 66;
  r1501.VL_BC_COFINS = C(1000);
  r1501.ALIQ_COFINS = C(7.6);
  r1501.VL_COFINS = C(76);
  TRegistro1502& r1502 = b.Registro1502New();
  r1502.VL_CRED_COFINS_TRIB_MI = 1.0;
  r1502.VL_CRED_COFINS_NT_MI = 2.0;
  r1502.VL_CRED_COFINS_EXP = 3.0;
  Recolhimento(b.Registro1600New());
  TRegistro1610& r1610 = b.Registro1610New();
  r1610.CNPJ = "11222333000181";
  r1610.COD_PART = "C1";
  r1610.DT_OPER = EncodeDate(2023, 12, 10);
  r1610.VL_OPER = r1610.VL_BC_COFINS = C(606.06);
  r1610.ALIQ_COFINS = C(7.6);
  r1610.VL_COFINS = C(46.06);
  r1610.COD_CTA = "3.1";
  b.Registro1620New() = r1220;
  b.Registro1700New() = r1300;
  TRegistro1800& r1800 = b.Registro1800New();
  r1800.INC_IMOB = "E1";
  r1800.REC_RECEB_RET = r1800.BC_RET = C(100);
  r1800.ALIQ_RET = r1800.VL_REC_UNI = C(4);
  r1800.DT_REC_UNI = EncodeDate(2024, 3, 20);
  r1800.COD_REC = "4095";
  TRegistro1809& r1809 = b.Registro1809New();
  r1809.NUM_PROC = "P3";
  r1809.IND_PROC = TVornOrigemProcesso::opNenhum;
  TRegistro1900& r1900 = b.Registro1900New();
  r1900.CNPJ = "11222333000181";
  r1900.COD_MOD = "65";
  r1900.SER = "1";
  r1900.VL_TOT_REC = C(1000);
  r1900.QUANT_DOC = 10;
  r1900.CFOP = 5102;
  r1900.COD_CTA = "3.1";
  const std::string credito = "|012024|01||101|100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|50,00|";
  const std::string recolhimento = "|122023|01|10,00|0,00|10,00|0,00|10,00|0,20|0,10|25032024|";
  return {
      "|1001|0|",
      "|1010|P1|SJ|V1|01|DEC|10012024|",
      "|1011|C170|K|F1|I1|02032024|100,00|01|1234,5000|1,6500||01||||09||||09||||3.1||D|",
      "|1020|P2|02|01022024|",
      "|1050|01032024|21|01222333000181|100,00|10,00|2,00|3,00|4,00|5,00|6,00|7,00|8,00|9,00|49,00|99,00|02|R|I|",
      "|1100" + credito,
      "|1101|F1|I1|55|1||123|15012024||1000,00|1102|01|0|53|1000,000|1,6500|16,50|1.1|||012024||",
      "|1102|10,00||6,50|",
      "|1200" + recolhimento,
      "|1210|11222333000181|01|C1|10122023|606,06|606,06|1,65|10,00|3.1||",
      "|1220|112023|01|101|5,00|",
      "|1300|01|022024|1,00|2,00|3,00|4,00|5,00|",
      "|1500|012024|01||201|100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|50,00|",
      "|1501|F1|I1|55|1||123|15012024||1000,00|1102|01|0|66|1000,000|7,6000|76,00|1.1|||012024||",
      "|1502|1,00|2,00|3,00|",
      "|1600" + recolhimento,
      "|1610|11222333000181|01|C1|10122023|606,06|606,060|7,6000|46,06|3.1||",
      "|1620|112023|01|101|5,00|",
      "|1700|01|022024|1,00|2,00|3,00|4,00|5,00|",
      "|1800|E1|100,00|0,00|100,00|4,00|4,00|20032024|4095|",
      "|1809|P3||",
      "|1900|11222333000181|65|1||00|1000,00|10|01|01|5102||3.1|",
      "|1990|23|",
  };
}
}  // namespace

TEST_F(Bloco1, EveryRegisterLineInLayoutOrder) {
  std::vector<std::string> expected = FillTree(b);
  EXPECT_EQ(Write(), expected);
  for (const TRegisterCount& c : b.ContagemRegistros()) EXPECT_EQ(c.count, 1) << c.code;
}

TEST_F(Bloco1, WithoutDataTwoLines) {
  FillTree(b);
  b.Registro1001New().IND_MOV = TVornIndMov::imSemDados;
  EXPECT_EQ(Write(), (std::vector<std::string>{"|1001|1|", "|1990|2|"}));
}

TEST_F(Bloco1, CreditSplitOnlyForMixedRevenueCsts) {
  struct Caso { int cst; bool linha; };
  const Caso casos[] = {{50, false}, {52, false}, {53, true}, {56, true}, {57, false},
                        {62, false}, {63, true},  {66, true}, {67, false}};
  b.Registro1001New().IND_MOV = TVornIndMov::imComDados;
  b.Registro1100New();
  b.Registro1500New();
  for (Caso caso : casos) {
    b.Registro1101New().CST_PIS = caso.cst;
    b.Registro1102New().VL_CRED_PIS_EXP = 1.0;
    b.Registro1501New().CST_COFINS = caso.cst;
  }
  auto lines = Write();
  size_t i1102 = 0, i1502 = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].compare(1, 4, "1101") == 0) {
      const Caso& caso = casos[i1102++];
      const bool temLinha = i + 1 < lines.size() && lines[i + 1].compare(1, 4, "1102") == 0;
      EXPECT_EQ(temLinha, caso.linha) << caso.cst;
      if (temLinha) {
        EXPECT_EQ(lines[i + 1], "|1102|||1,00|");
      }
    }
    if (lines[i].compare(1, 4, "1501") == 0) {
      const Caso& caso = casos[i1502++];
      EXPECT_EQ(i + 1 < lines.size() && lines[i + 1].compare(1, 4, "1502") == 0, caso.linha) << caso.cst;
    }
  }
  EXPECT_EQ(b.Registro1101Count, 9);
  EXPECT_EQ(b.Registro1102Count, 4);
  EXPECT_EQ(b.Registro1502Count, 4);
}

TEST_F(Bloco1, ConsolidationWithoutCfopLeavesTheFieldEmpty) {
  b.Registro1001New().IND_MOV = TVornIndMov::imComDados;
  b.Registro1900New().CFOP = 0;
  b.Registro1900New().COD_SIT = TVornCodSitF::csfCancelado;
  auto lines = Of(Write(), "1900");
  EXPECT_EQ(lines[0], "|1900|||||00|0,00|0|01|01||||");
  EXPECT_EQ(lines[1], "|1900|||||02|0,00|0|01|01||||");
}

TEST_F(Bloco1, ProcessDetailsAreListedOnlyBelowProcesses) {
  auto codes = [&] {
    std::vector<std::string> out;
    for (const TRegisterCount& c : b.ContagemRegistros()) out.push_back(c.code);
    return out;
  };
  std::vector<std::string> semProcesso = codes();
  EXPECT_EQ(std::count(semProcesso.begin(), semProcesso.end(), "1011"), 0);
  b.Registro1001New().IND_MOV = TVornIndMov::imComDados;
  b.Registro1010New();
  Write();
  std::vector<std::string> comProcesso = codes();
  EXPECT_EQ(comProcesso[0], "1010");
  EXPECT_EQ(comProcesso[1], "1011");
}

TEST_F(Bloco1, ChildWithoutParentThrows) {
  EXPECT_THROW(b.Registro1011New(), std::out_of_range);
  EXPECT_THROW(b.Registro1102New(), std::out_of_range);
  b.Registro1100New();
  EXPECT_THROW(b.Registro1102New(), std::out_of_range);  // 1100 without 1101
  EXPECT_THROW(b.Registro1220New(), std::out_of_range);
  EXPECT_THROW(b.Registro1502New(), std::out_of_range);
  EXPECT_THROW(b.Registro1620New(), std::out_of_range);
  EXPECT_THROW(b.Registro1809New(), std::out_of_range);
}

TEST(Bloco1Arquivo, WholeTreeCountsAgreeInTheFile) {
  TempDir dir;
  TVornVUDIRozAzezav c;
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 3, 31));
  c.SetArquivo(dir.File("efd.txt"));
  c.Bloco_0.Registro0000New().COD_VER = TVornCodVer::vlVersao320;
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  std::vector<std::string> expected = FillTree(c.Bloco_1);
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  std::vector<std::string> lines = FileLines(dir.File("efd.txt"));
  std::vector<std::string> bloco;
  for (auto& l : lines) if (l[1] == '1') bloco.push_back(l);
  EXPECT_EQ(bloco, expected);
  for (auto& l : expected)
    EXPECT_NE(std::find(lines.begin(), lines.end(), "|9900|" + l.substr(1, 4) + "|1|"), lines.end()) << l;
}
