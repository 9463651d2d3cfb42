#include <gtest/gtest.h>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
// Block I on its own, with the file component's line settings.
struct BlocoI : ::testing::Test {
  TBloco_I b;
  std::vector<std::string> errors;

  void SetUp() override {
    b.Delimitador = "|";
    b.TrimString = true;
    b.CurMascara = "#0.00";
    b.OnError = [this](const std::string& m) { errors.push_back(m); };
  }
  // One pass of the block writer without closing it; returns the lines of that pass.
  std::vector<std::string> Pass() {
    b.Conteudo.clear();
    b.WriteRegistroI001();
    return b.Conteudo;
  }
};

// One record of every register of block I, with the lines they must give.
std::vector<std::string> FillTree(TBloco_I& b) {
  b.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroI010& i010 = b.RegistroI010New();
  i010.CNPJ = "11222333000181";
  i010.IND_ATIV = 1;
  i010.INFO_COMPL = "INFO";
  TRegistroI100& i100 = b.RegistroI100New();
  i100.VL_REC = 1000;
  i100.CST_PIS_COFINS = TVornCstPisCofins::stpiscofinsOperTribuComAliqBasica;
  i100.VL_TOT_DED_GER = 10;
  i100.VL_BC_PIS = i100.VL_BC_COFINS = 990;
  i100.ALIQ_PIS = 0.65;
  i100.VL_PIS = 6.44;
  i100.ALIQ_COFINS = 4;
  i100.VL_COFINS = 39.6;
  TRegistroI199& i199 = b.RegistroI199New();
  i199.NUM_PROC = "P1";
  i199.IND_PROC = TVornOrigemProcesso::opNenhum;
  TRegistroI200& i200 = b.RegistroI200New();
  i200.NUM_CAMPO = "4";
  i200.COD_DET = "101";
  i200.DET_VALOR = 10;
  i200.COD_CTA = "3.1";
  TRegistroI299& i299 = b.RegistroI299New();
  i299.NUM_PROC = "P2";
  i299.IND_PROC = TVornOrigemProcesso::opJusticaFederal;
  TRegistroI300& i300 = b.RegistroI300New();
  i300.COD_COMP = "C1";
  i300.DET_VALOR = 10;
  i300.COD_CTA = "3.1";
  i300.INFO_COMPL = "X";
  TRegistroI399& i399 = b.RegistroI399New();
  i399.NUM_PROC = "P3";
  i399.IND_PROC = TVornOrigemProcesso::opOutros;
  return {
      "|I001|0|",
      "|I010|11222333000181|01|INFO|",
      "|I100|1000,00|01|10,00|0,00|990,00|0,65|6,44|990,00|4,00|39,60||",
      "|I199|P1|0|",
      "|I200|04|00101|10,00|3.1||",
      "|I299|P2|1|",
      "|I300|C1|10,00|3.1|X|",
      "|I399|P3|9|",
      "|I990|9|",
  };
}
}  // namespace

TEST_F(BlocoI, EveryRegisterLineInLayoutOrder) {
  std::vector<std::string> expected = FillTree(b);
  b.WriteRegistroI001();
  b.WriteRegistroI990();
  EXPECT_EQ(b.Conteudo, expected);
  for (const TRegisterCount& c : b.ContagemRegistros()) EXPECT_EQ(c.count, 1) << c.code;
  EXPECT_TRUE(errors.empty());
}

TEST_F(BlocoI, WithoutDataTwoLines) {
  b.WriteRegistroI001();
  b.WriteRegistroI990();
  EXPECT_EQ(b.Conteudo, (std::vector<std::string>{"|I001|1|", "|I990|2|"}));
}

TEST_F(BlocoI, ProcessOriginIsOneCharacterWide) {
  b.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroI010New();
  b.RegistroI100New();
  for (auto origem : {TVornOrigemProcesso::opJusticaFederal, TVornOrigemProcesso::opSecexRFB,
                      TVornOrigemProcesso::opOutros, TVornOrigemProcesso::opNenhum})
    b.RegistroI199New().IND_PROC = origem;
  auto lines = Pass();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()),
            (std::vector<std::string>{"|I199||1|", "|I199||3|", "|I199||9|", "|I199||0|"}));
}

TEST_F(BlocoI, LaterPassesWriteOnlyWhatWasAddedSince) {
  FillTree(b);
  ASSERT_EQ(Pass().size(), 8u);

  // New revenue under the establishment already written: no second I001 or I010 line.
  b.RegistroI100New().VL_REC = 5;
  b.RegistroI199New().NUM_PROC = "P9";
  EXPECT_EQ(Pass(), (std::vector<std::string>{"|I100|5,00|01|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00||", "|I199|P9|1|"}));
  EXPECT_EQ(b.RegistroI100Count, 2);
  EXPECT_EQ(b.RegistroI199Count, 2);
}

TEST_F(BlocoI, LaterPassKeepsRevenueAddedBeforeANewEstablishment) {
  FillTree(b);
  Pass();
  b.RegistroI100New().VL_REC = 5;  // still under the first establishment
  b.RegistroI010New().CNPJ = "11444777000161";
  b.RegistroI100New().VL_REC = 7;
  auto lines = Pass();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 11), "|I100|5,00|");
  EXPECT_EQ(lines[1], "|I010|11444777000161|00||");
  EXPECT_EQ(lines[2].substr(0, 11), "|I100|7,00|");
  EXPECT_EQ(b.RegistroI010Count, 2);
  EXPECT_EQ(b.RegistroI100Count, 3);
  b.WriteRegistroI990();
  EXPECT_EQ(b.Conteudo.back(), "|I990|12|");
}

TEST_F(BlocoI, DataWithoutEstablishmentWritesOnlyOpeningAndClosing) {
  b.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  b.WriteRegistroI001();
  b.WriteRegistroI001();
  b.WriteRegistroI990();
  EXPECT_EQ(b.Conteudo, (std::vector<std::string>{"|I001|0|", "|I990|2|"}));
  EXPECT_EQ(b.RegistroI010Count, 0);
}

TEST_F(BlocoI, InvalidCnpjIsReportedAndWritten) {
  b.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroI010New().CNPJ = "11222333000182";
  b.RegistroI010New().CNPJ = "";  // an empty CNPJ passes
  auto lines = Pass();
  EXPECT_EQ(lines[1], "|I010|11222333000182|00||");
  EXPECT_EQ(errors, (std::vector<std::string>{"(I-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"}));
}

TEST_F(BlocoI, ChildWithoutParentThrows) {
  EXPECT_THROW(b.RegistroI100New(), std::out_of_range);
  b.RegistroI010New();
  EXPECT_THROW(b.RegistroI199New(), std::out_of_range);
  b.RegistroI100New();
  EXPECT_THROW(b.RegistroI299New(), std::out_of_range);
  b.RegistroI200New();
  EXPECT_THROW(b.RegistroI399New(), std::out_of_range);
}

TEST(BlocoIArquivo, WrittenOnlyFrom2014) {
  for (int ano : {2013, 2014}) {
    TempDir dir;
    TVornVUDIRozAzezav c;
    c.SetDT_INI(EncodeDate(ano, 1, 1));
    c.SetDT_FIN(EncodeDate(ano, 1, 31));
    c.SetArquivo(dir.File("efd.txt"));
    c.Bloco_0.Registro0000New().COD_VER = TVornCodVer::vlVersao320;
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
    std::vector<std::string> expected = FillTree(c.Bloco_I);
    c.SaveFileTXT();
    EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt"))) << ano;
    std::vector<std::string> bloco;
    for (auto& l : FileLines(dir.File("efd.txt"))) if (l[1] == 'I' || l.compare(0, 7, "|9900|I") == 0) bloco.push_back(l);
    if (ano == 2013) {
      EXPECT_TRUE(bloco.empty());
    } else {
      EXPECT_EQ(std::vector<std::string>(bloco.begin(), bloco.begin() + 9), expected);
      EXPECT_EQ(bloco.size(), 9u + 9u);  // I001, seven registers and I990 in block 9
    }
  }
}
