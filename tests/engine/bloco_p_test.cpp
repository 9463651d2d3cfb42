#include <gtest/gtest.h>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
using C = Currency;

// Block P on its own, with the file component's line settings.
struct BlocoP : ::testing::Test {
  TBloco_P b;
  std::vector<std::string> errors;

  void SetUp() override {
    b.Delimitador = "|";
    b.TrimString = true;
    b.CurMascara = "#0.00";
    b.OnError = [this](const std::string& m) { errors.push_back(m); };
  }
  std::vector<std::string> Write() {
    b.WriteRegistroP001();
    b.WriteRegistroP990();
    return b.Conteudo;
  }
};

// One record of every register of block P, the P200 created before the P010, with the lines
// they must give.
std::vector<std::string> FillTree(TBloco_P& b) {
  b.RegistroP001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroP200& p200 = b.RegistroP200New();
  p200.PER_REF = "032024";
  p200.VL_TOT_CONT_APU = C(45);
  p200.VL_TOT_AJ_REDUC = C(5);
  p200.VL_TOT_CONT_DEV = C(40);
  p200.COD_REC = "2985";
  TRegistroP210& p210 = b.RegistroP210New();
  p210.IND_AJ = "0";
  p210.VL_AJ = C(5);
  p210.COD_AJ = "01";
  p210.NUM_DOC = "D1";
  p210.DESCR_AJ = "AJUSTE";
  p210.DT_REF = EncodeDate(2024, 3, 5);
  b.RegistroP010New().CNPJ = "11222333000181";
  TRegistroP100& p100 = b.RegistroP100New();
  p100.DT_INI = EncodeDate(2024, 3, 1);
  p100.DT_FIM = EncodeDate(2024, 3, 31);
  p100.VL_REC_TOT_EST = C(1500);
  p100.COD_ATIV_ECON = "47113000";
  p100.VL_REC_ATIV_ESTAB = C(1500);
  p100.VL_BC_CONT = C(1500);
  p100.ALIQ_CONT = C(3);
  p100.VL_CONT_APU = C(45);
  p100.COD_CTA = "3.1";
  TRegistroP110& p110 = b.RegistroP110New();
  p110.NUM_CAMPO = "8";
  p110.COD_DET = "X1";
  p110.DET_VALOR = C(2.5);
  p110.INF_COMPL = "I";
  TRegistroP199& p199 = b.RegistroP199New();
  p199.NUM_PROC = "P1";
  p199.IND_PROC = "3";
  return {
      "|P001|0|",
      "|P010|11222333000181|",
      "|P100|01032024|31032024|1500,00|47113000|1500,00|0,00|1500,00|3,00|45,00|3.1||",
      "|P110|8|X1|2,50|I|",
      "|P199|P1|3|",
      "|P200|032024|45,00|5,00|0,00|40,00|2985|",
      "|P210|0|5,00|01|D1|AJUSTE|05032024|",
      "|P990|8|",
  };
}

struct BlocoPArquivo : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;

  void SetUp() override {
    c.SetDT_INI(EncodeDate(2024, 3, 1));
    c.SetDT_FIN(EncodeDate(2024, 3, 31));
    c.SetArquivo(dir.File("efd.txt"));
    c.Bloco_0.Registro0000New().COD_VER = TVornCodVer::vlVersao320;
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imComDados;
    c.Bloco_0.Registro0140New().CNPJ = "11222333000181";
  }
  std::vector<std::string> BlocoP() {
    EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
    std::vector<std::string> out;
    for (auto& l : FileLines(dir.File("efd.txt")))
      if (l[1] == 'P' || l.compare(0, 7, "|9900|P") == 0) out.push_back(l);
    return out;
  }
};
}  // namespace

TEST_F(BlocoP, EveryRegisterLineInLayoutOrder) {
  std::vector<std::string> expected = FillTree(b);
  EXPECT_EQ(Write(), expected);
  for (const TRegisterCount& c : b.ContagemRegistros()) EXPECT_EQ(c.count, 1) << c.code;
  EXPECT_TRUE(errors.empty());
}

TEST_F(BlocoP, WithoutDataTwoLines) {
  FillTree(b);
  b.RegistroP001New().IND_MOV = TVornIndMov::imSemDados;
  EXPECT_EQ(Write(), (std::vector<std::string>{"|P001|1|", "|P990|2|"}));
}

TEST_F(BlocoP, ConsolidationsFollowEveryEstablishment) {
  b.RegistroP001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroP010New().CNPJ = "1";
  b.RegistroP200New().PER_REF = "012024";
  b.RegistroP010New().CNPJ = "11222333000182";
  b.RegistroP100New();
  auto lines = Write();
  std::vector<std::string> regs;
  for (auto& l : lines) regs.push_back(l.substr(1, 4));
  EXPECT_EQ(regs, (std::vector<std::string>{"P001", "P010", "P010", "P100", "P200", "P990"}));
  EXPECT_EQ(lines[1], "|P010|00000000000001|");
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "(P-010) ESTABELECIMENTO: O CNPJ \"1\" digitado é inválido!",
                        "(P-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"}));
  EXPECT_EQ(b.RegistroP010Count, 2);
}

TEST_F(BlocoP, ChildWithoutParentThrows) {
  EXPECT_THROW(b.RegistroP100New(), std::out_of_range);
  EXPECT_THROW(b.RegistroP210New(), std::out_of_range);
  b.RegistroP010New();
  EXPECT_THROW(b.RegistroP110New(), std::out_of_range);
  EXPECT_THROW(b.RegistroP199New(), std::out_of_range);
}

TEST_F(BlocoPArquivo, WithDataAndEstablishmentRevenueTheBlockIsWritten) {
  c.Bloco_0.Registro0145New().COD_INC_TRIB = "1";
  std::vector<std::string> expected = FillTree(c.Bloco_P);
  c.SaveFileTXT();
  auto lines = BlocoP();
  ASSERT_EQ(lines.size(), expected.size() + 8);  // P001, six registers and P990 in block 9
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), expected);
  EXPECT_EQ(lines[8], "|9900|P001|1|");
}

TEST_F(BlocoPArquivo, WithDataButWithoutEstablishmentRevenueTheBlockIsLeftOut) {
  FillTree(c.Bloco_P);
  c.SaveFileTXT();
  EXPECT_TRUE(BlocoP().empty());
}

TEST_F(BlocoPArquivo, WithoutDataTheBlockIsAlwaysWritten) {
  c.SaveFileTXT();
  EXPECT_EQ(BlocoP(), (std::vector<std::string>{"|P001|1|", "|P990|2|", "|9900|P001|1|", "|9900|P990|1|"}));
}
