// Block C through the file component: a tree that uses every register, written whole or in
// passes, with the block 9 counts checked against the file's lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
struct BlocoCArquivo : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;
  std::vector<std::string> erros;

  void SetUp() override {
    c.SetOnError([this](const std::string& m) { erros.push_back(m); });
    c.SetDT_INI(EncodeDate(2024, 3, 1));
    c.SetDT_FIN(EncodeDate(2024, 3, 31));
    c.SetArquivo(dir.File("efd.txt"));
    TRegistro0000& r = c.Bloco_0.Registro0000New();
    r.COD_VER = TVornCodVer::vlVersao320;
    r.NOME = "EMPRESA TESTE LTDA";
    r.CNPJ = "11222333000181";
    r.UF = "SP";
    r.COD_MUN = 3550308;
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  }
  std::vector<std::string> Linhas() const { return FileLines(dir.File("efd.txt")); }
  std::vector<std::string> Bloco(const std::string& prefixo) const {
    std::vector<std::string> out;
    for (const auto& l : Linhas())
      if (l.compare(0, 2, "|" + prefixo) == 0) out.push_back(l);
    return out;
  }
  bool Tem(const std::string& linha) const {
    auto ls = Linhas();
    return std::find(ls.begin(), ls.end(), linha) != ls.end();
  }

  // One record of every register of block C under one establishment (C800 included).
  void PreencheTudo() {
    TBloco_C& b = c.Bloco_C;
    b.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
    b.RegistroC010New().CNPJ = "11222333000181";
    b.RegistroC100New().NUM_DOC = "1";
    b.RegistroC110New();
    b.RegistroC111New();
    b.RegistroC120New();
    b.RegistroC170New();
    b.RegistroC170New();
    b.RegistroC175New();
    b.RegistroC180New();
    b.RegistroC181New();
    b.RegistroC185New();
    b.RegistroC188New();
    b.RegistroC190New();
    b.RegistroC191New();
    b.RegistroC195New();
    b.RegistroC198New();
    b.RegistroC199New();
    b.RegistroC380New();
    b.RegistroC381New();
    b.RegistroC385New();
    b.RegistroC395New();
    b.RegistroC396New();
    b.RegistroC400New();
    b.RegistroC405New();
    b.RegistroC481New();
    b.RegistroC485New();
    b.RegistroC405New();
    b.RegistroC481New();
    b.RegistroC489New();
    b.RegistroC490New();
    b.RegistroC491New();
    b.RegistroC495New();
    b.RegistroC499New();
    b.RegistroC500New();
    b.RegistroC501New();
    b.RegistroC505New();
    b.RegistroC509New();
    b.RegistroC600New();
    b.RegistroC601New();
    b.RegistroC605New();
    b.RegistroC609New();
    b.RegistroC800New();
    b.RegistroC810New();
    b.RegistroC820New();
    b.RegistroC830New();
    b.RegistroC860New();
    b.RegistroC870New();
    b.RegistroC880New();
    b.RegistroC890New();
  }
};
}  // namespace

TEST_F(BlocoCArquivo, TreeWithEveryRegisterAgreesWithItsCounts) {
  PreencheTudo();
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  std::vector<std::string> bloco = Bloco("C");
  // 47 register lines (C800 family not written) plus C001 and C990.
  EXPECT_EQ(bloco.size(), 47u);
  EXPECT_EQ(bloco.back(), "|C990|47|");
  for (const char* linha : {"|9900|C010|1|", "|9900|C100|1|", "|9900|C170|2|", "|9900|C405|2|", "|9900|C481|2|",
                            "|9900|C860|1|", "|9900|C890|1|"})
    EXPECT_TRUE(Tem(linha)) << linha;
  for (const char* reg : {"C800", "C810", "C820", "C830"}) {
    EXPECT_FALSE(Tem("|9900|" + std::string(reg) + "|0|"));
    for (const auto& l : bloco) EXPECT_NE(l.substr(1, 4), reg);
  }
}

TEST_F(BlocoCArquivo, OneDocumentWithTwoItemsClosesWithSix) {
  c.Bloco_C.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  c.Bloco_C.RegistroC010New();
  c.Bloco_C.RegistroC100New();
  c.Bloco_C.RegistroC170New();
  c.Bloco_C.RegistroC170New();
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  EXPECT_EQ(Bloco("C").back(), "|C990|6|");
}

TEST_F(BlocoCArquivo, PassesWhileFillingGiveTheSameFileAsOneCall) {
  auto documento = [&](const std::string& num) {
    c.Bloco_C.RegistroC100New().NUM_DOC = num;
    c.Bloco_C.RegistroC170New().NUM_ITEM = "1";
  };
  c.Bloco_C.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  c.Bloco_C.RegistroC010New().CNPJ = "11222333000181";
  documento("1");
  c.IniciaGeracao();
  c.WriteBloco_C(false);
  documento("2");
  c.WriteBloco_C(false);
  c.Bloco_C.RegistroC010New().CNPJ = "";
  documento("3");
  c.WriteBloco_C(true);
  c.WriteBloco_9();
  const std::string porPassos = ReadBytes(dir.File("efd.txt"));
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  EXPECT_EQ(Bloco("C").back(), "|C990|10|");

  c.LimpaRegistros();
  c.Bloco_C.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  c.Bloco_C.RegistroC010New().CNPJ = "11222333000181";
  documento("1");
  documento("2");
  c.Bloco_C.RegistroC010New().CNPJ = "";
  documento("3");
  c.SaveFileTXT();
  std::vector<std::string> umaVez = Bloco("C");
  std::vector<std::string> passos;
  for (size_t p = 0, q; (q = porPassos.find("\r\n", p)) != std::string::npos; p = q + 2)
    if (porPassos.compare(p, 2, "|C") == 0) passos.push_back(porPassos.substr(p, q - p));
  EXPECT_EQ(passos, umaVez);
  EXPECT_EQ(ReadBytes(dir.File("efd.txt")), porPassos);
}

TEST_F(BlocoCArquivo, EventsOfTheComponentPassStraightThroughToTheBlockWriter) {
  EXPECT_EQ(c.EventsBloco_C.Name, "EventsBloco_C");
  int chamadas = 0;
  c.EventsBloco_C.SetOnBeforeWriteRegistroC491(
      [&](TRegistroC491&, bool& base, bool&, bool&, bool&, bool&) { ++chamadas; base = true; });
  EXPECT_TRUE(static_cast<bool>(c.Bloco_C.OnBeforeWriteRegistroC491));
  EXPECT_TRUE(static_cast<bool>(c.EventsBloco_C.OnBeforeWriteRegistroC491()));
  EXPECT_FALSE(static_cast<bool>(c.EventsBloco_C.OnBeforeWriteRegistroC481()));
  c.Bloco_C.OnBeforeWriteRegistroC485 = [](TRegistroC485&, bool&, bool&, bool&, bool&, bool&) {};
  EXPECT_TRUE(static_cast<bool>(c.EventsBloco_C.OnBeforeWriteRegistroC485()));
  EXPECT_TRUE(static_cast<bool>(c.Bloco_C.OnAfterWriteRegistroC485()));

  c.Bloco_C.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  c.Bloco_C.RegistroC010New();
  c.Bloco_C.RegistroC490New();
  c.Bloco_C.RegistroC491New().VL_BC_PIS = 0.0;
  c.SaveFileTXT();
  EXPECT_EQ(chamadas, 1);
  EXPECT_TRUE(Tem("|C491||01||0,00||0,0000|0,000|0,0000|0,00||"));
}
