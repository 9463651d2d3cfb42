// The output file while a generation writes it: the previous file survives until block 9, a
// generation that stops leaves nothing behind, and what is not a writable regular file is refused.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "VornVudiRozAzezav.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
struct ArquivoSaida : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;

  void SetUp() override {
    c.SetDT_INI(EncodeDate(2024, 3, 1));
    c.SetDT_FIN(EncodeDate(2024, 3, 31));
    c.SetArquivo(Alvo());
    TRegistro0000& r = c.Bloco_0.Registro0000New();
    r.NOME = "EMPRESA TESTE LTDA";
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  }
  std::string Alvo() const { return dir.File("efd.txt"); }
  void Anterior() const { std::ofstream(Alvo(), std::ios::binary) << "ARQUIVO ANTERIOR\r\n"; }
  std::vector<std::string> Pasta() const {
    std::vector<std::string> nomes;
    for (const auto& e : fs::directory_iterator(dir.path())) nomes.push_back(e.path().filename().string());
    return nomes;
  }
};
}  // namespace

TEST_F(ArquivoSaida, PreviousFileStaysUntilBlock9AndThePreviewReadsTheFileBeingWritten) {
  Anterior();
  c.IniciaGeracao();
  c.WriteBloco_0();
  c.WriteBloco_M();
  EXPECT_EQ(ReadBytes(Alvo()), "ARQUIVO ANTERIOR\r\n");
  const std::string parcial = c.ArquivoEmGravacao();
  EXPECT_NE(parcial, Alvo());
  EXPECT_EQ(fs::path(parcial).parent_path(), dir.path());
  EXPECT_EQ(ReadBytes(parcial).rfind("|0000|", 0), 0u);
  EXPECT_NE(ReadBytes(parcial).find("|M990|2|"), std::string::npos);
  c.WriteBloco_9();
  EXPECT_EQ(c.ArquivoEmGravacao(), Alvo());
  EXPECT_NE(ReadBytes(Alvo()).find("|9999|"), std::string::npos);
  EXPECT_EQ(Pasta(), std::vector<std::string>{"efd.txt"});
}

TEST_F(ArquivoSaida, AGenerationThatStopsLeavesThePreviousFileAndNothingElse) {
  Anterior();
  c.IniciaGeracao();
  c.WriteBloco_0();
  c.DescartaGeracao();
  EXPECT_EQ(ReadBytes(Alvo()), "ARQUIVO ANTERIOR\r\n");
  EXPECT_EQ(Pasta(), std::vector<std::string>{"efd.txt"});
  EXPECT_FALSE(c.Inicializado());
  {
    // Destroyed halfway (the program ends during a run).
    TVornVUDIRozAzezav outro;
    outro.SetDT_INI(EncodeDate(2024, 3, 1));
    outro.SetDT_FIN(EncodeDate(2024, 3, 31));
    outro.SetArquivo(Alvo());
    outro.IniciaGeracao();
    EXPECT_EQ(Pasta().size(), 2u);
  }
  EXPECT_EQ(Pasta(), std::vector<std::string>{"efd.txt"});
  EXPECT_EQ(ReadBytes(Alvo()), "ARQUIVO ANTERIOR\r\n");
}

TEST_F(ArquivoSaida, WhatIsNotAWritableRegularFileIsRefusedAndKept) {
  fs::create_directory(Alvo());
  try {
    c.IniciaGeracao();
    FAIL() << "a folder at the output path was accepted";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("não é um arquivo comum"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(fs::is_directory(Alvo()));
  fs::remove(Alvo());

  Anterior();
  fs::permissions(Alvo(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  try {
    c.IniciaGeracao();
    FAIL() << "a read-only file was replaced";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("somente leitura"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadBytes(Alvo()), "ARQUIVO ANTERIOR\r\n");
  EXPECT_FALSE(c.Inicializado());

  if (fs::exists("/dev/null")) {
    c.SetArquivo("/dev/null");
    EXPECT_THROW(c.IniciaGeracao(), std::runtime_error);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
  EXPECT_EQ(Pasta(), std::vector<std::string>{"efd.txt"});
}

// A write that fails says why at the call that failed (a full disk is "No space left on device").
TEST(LinhaArquivo, AFailingWriteGivesTheSystemReasonOfThatWrite) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  TVornTXTClass t;
  t.SetNomeArquivo("/dev/full");
  t.Add("|0000|");
  try {
    t.WriteBuffer();
    FAIL() << "the write to a full device succeeded";
  } catch (const EVornTXTClassErro& e) {
    EXPECT_NE(std::string(e.what()).find(std::strerror(ENOSPC)), std::string::npos) << e.what();
  }
  EXPECT_EQ(t.Conteudo.size(), 1u);  // the lines stay for another try
}
