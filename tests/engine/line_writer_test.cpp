#include <gtest/gtest.h>

#include <filesystem>

#include "VornTXTClass.h"
#include "support/TempDir.h"

namespace {
// The settings the file component gives every block.
struct Writer : TVornTXTClass {
  Writer() { Delimitador = "|"; TrimString = true; CurMascara = "#0.00"; }
};
}  // namespace

TEST(LineWriter, TextFill) {
  Writer w;
  EXPECT_EQ(w.LFill("ABC", 5), "|00ABC");
  EXPECT_EQ(w.LFill("ABCDEFG", 5), "|ABCDE");
  EXPECT_EQ(w.LFill("  x  ", 0), "|x");
  EXPECT_EQ(w.LFill("", 9, true), "|");
  EXPECT_EQ(w.LFill("   ", 9, true), "|000000000");  // empty test comes before trimming
  EXPECT_EQ(w.LFill("Conceição", 4), "|Conc");          // characters, not bytes
  EXPECT_EQ(w.LFill("ção", 5), "|00ção");
  EXPECT_EQ(w.LFill("A|B"), "|A|B");
  w.ReplaceDelimitador = true;
  EXPECT_EQ(w.LFill("A|B|"), "|AB");
}

TEST(LineWriter, IntegerFill) {
  Writer w;
  EXPECT_EQ(w.LFill(0, 0, true), "|");
  EXPECT_EQ(w.LFill(0, 4, false), "|0000");
  EXPECT_EQ(w.LFill(-5, 4), "|00-5");
  EXPECT_EQ(w.LFill(int64_t{1234567890123}, 0), "|1234567890123");
}

TEST(LineWriter, ExtendedFillUsesMaskTiesToEven) {
  Writer w;
  struct Case { long double v; bool nulo; const char* mask; const char* out; } cases[] = {
      {0, false, "", "|0,00"},         {0, true, "", "|"},
      {2468013.579L, false, "", "|2468013,58"}, {-0.004L, false, "", "|0,00"},
      {0.125L, false, "", "|0,12"},    {0.135L, false, "", "|0,14"},
      {12.3456L, false, "", "|12,35"}, {5, false, "0.0000", "|5,0000"},
      {-1.5L, false, "", "|-1,50"},    {0.00005L, false, "0.0000", "|0,0000"},
  };
  for (auto c : cases) EXPECT_EQ(w.LFill(c.v, 0, 4, c.nulo, '0', c.mask), c.out) << c.out;
  EXPECT_THROW(w.LFill(1e16L, 0, 2), EVornTXTClassErro);
}

TEST(LineWriter, ExtendedFillNumberPath) {
  Writer w;
  w.CurMascara = "#";
  EXPECT_EQ(w.LFill(12.34L, 6, 2, false), "|001234");
  EXPECT_EQ(w.LFill(0.001L, 6, 2, true), "|");
  EXPECT_EQ(w.LFill(0.001L, 3, 2, false), "|000");
}

TEST(LineWriter, DecimalFillsRoundHalfAwayOnEighteenDigits) {
  Writer w;
  EXPECT_EQ(w.DFill(0.125, 2), "|0,13");
  EXPECT_EQ(w.DFill(1.005, 2), "|1,00");
  EXPECT_EQ(w.DFill(5, 4), "|5,0000");
  EXPECT_EQ(w.DFill(0, 2, true), "|");
  EXPECT_EQ(w.DFill(0, 2, false), "|0,00");
  EXPECT_EQ(w.DFill(-0.004, 2), "|0,00");
  EXPECT_EQ(w.DFill(1234.5, 0), "|1235");
  EXPECT_EQ(w.VDFill(Variant(), 2), "|");
  EXPECT_EQ(w.VDFill(Variant::Null(), 2), "|");
  EXPECT_EQ(w.VDFill(Variant(0), 2), "|0,00");
  EXPECT_EQ(w.VDFill(Variant(1.65), 4), "|1,6500");
  EXPECT_EQ(w.VLFill(Variant(), 0, 2), "|");
  EXPECT_EQ(w.VLFill(Variant(0.125), 0, 2), "|0,12");
  try {
    w.VLFill(Variant::Text("x"));
    FAIL();
  } catch (const EVornTXTClassErro& e) {
    EXPECT_STREQ(e.what(), "Parâmetro \"Value\" não possui um valor numérico.");
  }
}

TEST(LineWriter, DateAndRightFill) {
  Writer w;
  EXPECT_EQ(w.LFill(TDateTime(0), "ddmmyyyy", true), "|");
  EXPECT_EQ(w.LFill(EncodeDate(2023, 12, 31), "ddmmyyyy", true), "|31122023");
  EXPECT_EQ(w.RFill("AB", 4, '0'), "|AB00");
  EXPECT_EQ(w.RFill("A B", 5, '?'), "|A?B??");
  EXPECT_EQ(w.RFill("ABCDEF", 3), "|ABC");
}

TEST(LineWriter, AddTrimsSkipsEmptyAndAppendsDelimiter) {
  Writer w;
  EXPECT_EQ(w.Add("|9999|1234"), 0);
  EXPECT_EQ(w.Add(""), -1);
  EXPECT_EQ(w.Add("   \t"), -1);
  EXPECT_EQ(w.Add(" |X "), 1);
  ASSERT_EQ(w.Conteudo.size(), 2u);
  EXPECT_EQ(w.Conteudo[0], "|9999|1234|");
  EXPECT_EQ(w.Conteudo[1], "|X|");
}

TEST(LineWriter, CheckReportsOnlyFailedConditions) {
  Writer w;
  std::vector<std::string> msgs;
  w.Check(false, "no handler yet");
  w.OnError = [&](const std::string& m) { msgs.push_back(m); };
  w.Check(true, "never");
  w.Check(false, "plain");
  w.Check(false, "REGISTRO %s: valor %d inválido", std::string("0000"), 42);
  ASSERT_EQ(msgs.size(), 2u);
  EXPECT_EQ(msgs[1], "REGISTRO 0000: valor 42 inválido");
}

TEST(LineWriterFile, WritesWindows1252WithCrLfAndAppends) {
  TempDir dir;
  Writer w;
  w.SetNomeArquivo(dir.File("out.txt"));
  w.Add("|0150|José Ação €");
  w.Add("|X\xCE\xB1");
  w.WriteBuffer();
  EXPECT_EQ(w.Conteudo.size(), 2u);  // LinhasBuffer 0 keeps the lines
  w.Conteudo.clear();
  w.Add("|Z");
  w.WriteBuffer();
  EXPECT_EQ(ReadBytes(dir.File("out.txt")), std::string("|0150|Jos\xE9 A\xE7\xE3o \x80|\r\n|X?|\r\n|Z|\r\n"));
  w.LoadFromFile();
  ASSERT_EQ(w.Conteudo.size(), 3u);
  EXPECT_EQ(w.Conteudo[0], "|0150|José Ação €|");
  w.Reset();
  EXPECT_TRUE(w.Conteudo.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));
}

TEST(LineWriterFile, FlushesAtLinhasBuffer) {
  TempDir dir;
  Writer w;
  w.SetNomeArquivo(dir.File("buf.txt"));
  w.SetLinhasBuffer(1000);
  for (int i = 0; i < 999; ++i) w.Add("|L");
  EXPECT_FALSE(std::filesystem::exists(dir.File("buf.txt")));
  w.Add("|L");
  EXPECT_TRUE(w.Conteudo.empty());
  EXPECT_EQ(ReadBytes(dir.File("buf.txt")).size(), 1000u * 5);
  w.SetLinhasBuffer(-3);
  EXPECT_EQ(w.LinhasBuffer(), 0);
}

TEST(LineWriterFile, EmptyBufferCreatesEmptyFile) {
  TempDir dir;
  Writer w;
  w.SetNomeArquivo(dir.File("empty.txt"));
  w.WriteBuffer();
  EXPECT_TRUE(std::filesystem::exists(dir.File("empty.txt")));
  EXPECT_EQ(ReadBytes(dir.File("empty.txt")), "");
}

TEST(LineWriterFile, Errors) {
  Writer w;
  w.Add("|A");
  try { w.WriteBuffer(); FAIL(); } catch (const EVornTXTClassErro& e) { EXPECT_STREQ(e.what(), "\"NomeArquivo\" não especificado"); }
  try { w.LoadFromFile(); FAIL(); } catch (const EVornTXTClassErro& e) { EXPECT_STREQ(e.what(), "\"Nome do Arquivo\" não especificado"); }
  TempDir dir;
  w.SetNomeArquivo(dir.File("missing-folder/out.txt"));
  try {
    w.WriteBuffer();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("missing-folder/out.txt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(w.Conteudo.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing-folder")));
}
