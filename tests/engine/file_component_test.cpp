#include <gtest/gtest.h>

#include <filesystem>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
std::string Expected(const std::string& name) {
  return ReadBytes(std::string(TESTS_SOURCE_DIR) + "/engine/expected/" + name);
}

struct Component : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;
  std::vector<std::string> errors;

  void SetUp() override {
    c.SetOnError([this](const std::string& m) { errors.push_back(m); });
    Period(2024, 3);
    c.SetArquivo(dir.File("efd.txt"));
    FillHeader();
  }
  void Period(int year, int month) {
    c.SetDT_INI(EncodeDate(year, month, 1));
    c.SetDT_FIN(EndOfTheMonth(EncodeDate(year, month, 1)));
  }
  void FillHeader() {
    TRegistro0000& r = c.Bloco_0.Registro0000New();
    r.COD_VER = TVornCodVer::vlVersao320;
    r.TIPO_ESCRIT = TVornTipoEscrit::tpEscrOriginal;
    r.IND_SIT_ESP = TVornIndSitEsp::indNenhum;
    r.NOME = "EMPRESA TESTE LTDA";
    r.CNPJ = "11222333000181";
    r.UF = "SP";
    r.COD_MUN = 3550308;
    r.IND_NAT_PJ = TVornIndNatPJ::indNatPJSocEmpresariaGeral;
    r.IND_ATIV = TVornIndAtiv::indAtivComercio;
  }
  std::string File() const { return dir.File("efd.txt"); }
  std::vector<std::string> Lines() const { return FileLines(File()); }
};
}  // namespace

TEST_F(Component, SmallestFileIsFortyOneLines) {
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  c.SaveFileTXT();
  EXPECT_EQ(ReadBytes(File()), Expected("smallest_file.txt"));
  EXPECT_TRUE(FileCountsAgree(File()));
  EXPECT_TRUE(errors.empty()) << errors.front();
  EXPECT_FALSE(c.Inicializado());
}

TEST_F(Component, SaveTwiceGivesIdenticalFiles) {
  auto fill = [&] {
    FillHeader();
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imComDados;
    c.Bloco_0.Registro0140New().NOME = "LOJA";
    c.Bloco_0.Registro0150New().NOME = "FORNECEDOR";
  };
  fill();
  c.SaveFileTXT();
  std::string first = ReadBytes(File());
  fill();
  c.SaveFileTXT();
  EXPECT_EQ(ReadBytes(File()), first);
  EXPECT_TRUE(FileCountsAgree(File()));
  EXPECT_NE(first.find("|9900|0150|1|"), std::string::npos);
}

TEST_F(Component, ChainWritesSkippedBlocksInOrderAndEachBlockOnce) {
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  c.IniciaGeracao();
  c.WriteBloco_C();  // writes 0 and A first
  c.WriteBloco_C();
  c.WriteBloco_A();
  c.WriteBloco_M();  // writes D and F first
  c.WriteBloco_9();
  c.WriteBloco_9();
  std::vector<std::string> lines = Lines();
  std::vector<std::string> regs;
  for (auto& l : lines) regs.push_back(l.substr(1, 4));
  std::vector<std::string> order = {"0000", "0001", "0990", "A001", "A990", "C001", "C990", "D001", "D990",
                                    "F001", "F990", "M001", "M990", "P001", "P990", "1001", "1990", "9001"};
  ASSERT_GE(regs.size(), order.size());
  EXPECT_EQ(std::vector<std::string>(regs.begin(), regs.begin() + order.size()), order);
  EXPECT_TRUE(FileCountsAgree(File()));
  // A concomitant generation stays started after block 9.
  EXPECT_TRUE(c.Inicializado());
}

TEST_F(Component, BlockIOnlyFromTwoThousandFourteen) {
  c.Bloco_I.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  Period(2013, 12);
  c.SaveFileTXT();
  std::string text = ReadBytes(File());
  EXPECT_EQ(text.find("|I001|"), std::string::npos);
  EXPECT_TRUE(FileCountsAgree(File()));

  c.Bloco_I.RegistroI001New().IND_MOV = TVornIndMov::imComDados;
  Period(2014, 1);
  c.SaveFileTXT();
  text = ReadBytes(File());
  EXPECT_NE(text.find("|I001|0|"), std::string::npos);
  EXPECT_NE(text.find("|I990|2|"), std::string::npos);
  EXPECT_TRUE(FileCountsAgree(File()));
}

TEST_F(Component, BlockPWithDataButWithout0145IsLeftOut) {
  c.Bloco_P.RegistroP001New().IND_MOV = TVornIndMov::imComDados;
  c.SaveFileTXT();
  EXPECT_EQ(ReadBytes(File()).find("|P001|"), std::string::npos);
  EXPECT_TRUE(FileCountsAgree(File()));
}

TEST_F(Component, IniciaGeracaoFailuresKeepTheOldFile) {
  {
    std::ofstream(File()) << "old";
  }
  struct Case { TDateTime ini, fin; std::string arquivo; const char* msg; } cases[] = {
      {0, 45382, "x.txt", "Informe a data inicial das informações contidas no arquivo!"},
      {45352, 0, "x.txt", "Informe a data final das informações contidas no arquivo!"},
  };
  for (auto& k : cases) {
    TVornVUDIRozAzezav comp;
    comp.SetDT_INI(k.ini);
    comp.SetDT_FIN(k.fin);
    comp.SetArquivo(File());
    try { comp.IniciaGeracao(); FAIL(); } catch (const std::runtime_error& e) { EXPECT_STREQ(e.what(), k.msg); }
  }
  TVornVUDIRozAzezav semNome;
  semNome.SetDT_INI(45352);
  semNome.SetDT_FIN(45382);
  try { semNome.IniciaGeracao(); FAIL(); } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Caminho ou nome do arquivo não informado!");
  }
  try { semNome.WriteBloco_0(); FAIL(); } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Métodos \"IniciaGeracao\" não foi executado");
  }
  EXPECT_EQ(ReadBytes(File()), "old");
}

TEST_F(Component, InitialChecksReportButDoNotStop) {
  c.SetDT_INI(EncodeDate(2024, 3, 2));
  c.SetDT_FIN(EncodeDate(2099, 3, 30));
  c.SaveFileTXT();
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0], "CHECAGEM INICIAL: A data inicial deve corresponder ao primeiro dia do mês informado!");
  EXPECT_EQ(errors[1], "CHECAGEM INICIAL: A data final \"30/03/2099\" não pode ser superior a data atual \"" +
                           ShortDate(Today()) + "\"!");
  EXPECT_EQ(errors[2], "CHECAGEM INICIAL: A data final deve corresponder ao último dia do mês informado!");
  EXPECT_TRUE(FileCountsAgree(File()));

  errors.clear();
  FillHeader();
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 2, 29));
  c.SaveFileTXT();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "CHECAGEM INICIAL: A data final deve se maior que a data inicial!");
}

TEST_F(Component, FailedWriteStillEmptiesTreesAndReturnsToIdle) {
  c.SetArquivo(dir.File("no-such-folder/efd.txt"));
  c.Bloco_0.Registro0001New().Registro0100.New().NOME = "X";
  EXPECT_THROW(c.SaveFileTXT(), std::exception);
  EXPECT_FALSE(c.Inicializado());
  EXPECT_EQ(c.Bloco_0.Registro0001().Registro0100.Count(), 0);
  EXPECT_EQ(c.Bloco_C.RegistroC001().IND_MOV, TVornIndMov::imSemDados);
}

TEST_F(Component, PropertiesReachEveryBlock) {
  c.SetPath("  /tmp/x ");
  EXPECT_EQ(c.Path(), "/tmp/x/");
  c.SetArquivo("/var/out/arq.txt");
  EXPECT_EQ(c.Arquivo(), "arq.txt");
  EXPECT_EQ(c.Path(), "/var/out/");
  c.SetArquivo("so.txt");
  EXPECT_EQ(c.Path(), "/var/out/");
  c.SetReplaceDelimitador(true);
  c.SetCurMascara("0.0000");
  EXPECT_TRUE(c.Bloco_M.ReplaceDelimitador);
  EXPECT_EQ(c.Bloco_9.CurMascara, "0.0000");
  EXPECT_EQ(c.Bloco_0.Registro0000().DT_INI, EncodeDate(2024, 3, 1));
  c.SetLinhasBuffer(-1);
  EXPECT_EQ(c.LinhasBuffer(), 0);
  TVornVUDIRozAzezav fresh;
  EXPECT_EQ(fresh.LinhasBuffer(), 1000);
  EXPECT_EQ(fresh.Delimitador(), "|");
  EXPECT_TRUE(fresh.TrimString());
  EXPECT_FALSE(fresh.ReplaceDelimitador());
  EXPECT_EQ(fresh.CurMascara(), "#0.00");
  EXPECT_FALSE(fresh.Path().empty());
  EXPECT_EQ(fresh.Bloco_0.Registro0001().IND_MOV, TVornIndMov::imComDados);
  EXPECT_EQ(fresh.Bloco_1.Registro1001().IND_MOV, TVornIndMov::imSemDados);
}
