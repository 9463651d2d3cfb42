#include <gtest/gtest.h>

#include "VornEPCBloco_A_Class.h"
#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
void PrepareWriter(TVornSPED& b) {
  b.Delimitador = "|";
  b.TrimString = true;
  b.CurMascara = "#0.00";
}

// One A010 with a regular document that has every child, a cancelled document and an item
// whose coded fields are empty.
void FillTree(TBloco_A& a) {
  a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  a.RegistroA010New().CNPJ = "11222333000181";

  TRegistroA100& doc = a.RegistroA100New();
  doc.IND_OPER = TVornIndOper::itoPrestado;
  doc.IND_EMIT = TVornIndEmit::iedfProprio;
  doc.COD_SIT = TVornCodSit::sdfRegular;
  doc.SER = "1";
  doc.NUM_DOC = "123";
  doc.CHV_NFSE = "ABC123";
  doc.DT_DOC = EncodeDate(2024, 3, 5);
  doc.VL_DOC = 1000.5;
  doc.IND_PGTO = TVornIndPgto::tpPrazo;
  doc.VL_BC_PIS = 1000;
  doc.VL_PIS = 16.5;
  doc.VL_BC_COFINS = 1000;
  doc.VL_COFINS = 76;
  doc.VL_PIS_RET = 0;
  doc.VL_ISS = 50;

  TRegistroA110& inf = a.RegistroA110New();
  inf.COD_INF = "INF1";
  inf.TXT_COMPL = "Texto complementar";
  TRegistroA111& proc = a.RegistroA111New();
  proc.NUM_PROC = "PROC123";
  proc.IND_PROC = TVornOrigemProcesso::opJusticaFederal;
  a.RegistroA111New().IND_PROC = TVornOrigemProcesso::opNenhum;
  TRegistroA120& imp = a.RegistroA120New();
  imp.VL_TOT_SERV = 200;
  imp.VL_BC_PIS = 200;
  imp.VL_PIS_IMP = 3.3;
  imp.DT_PAG_PIS = EncodeDate(2024, 4, 10);
  imp.VL_COFINS_IMP = 15.2;
  imp.LOC_EXE_SERV = TVornLocalExecServico::lesExecutExterior;

  TRegistroA170& item = a.RegistroA170New();
  item.NUM_ITEM = 1;
  item.COD_ITEM = "SERV01";
  item.VL_ITEM = 1000.5;
  item.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
  item.IND_ORIG_CRED = TVornIndOrigCred::opcMercadoInterno;
  item.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  item.VL_BC_PIS = 1000;
  item.ALIQ_PIS = 1.65;
  item.VL_PIS = 16.5;
  item.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  item.VL_BC_COFINS = 1000;
  item.ALIQ_COFINS = 7.6;
  item.VL_COFINS = 76;
  item.COD_CTA = "3.01";
  TRegistroA170& vazio = a.RegistroA170New();
  vazio.NUM_ITEM = 2;
  vazio.COD_ITEM = "SERV02";
  vazio.NAT_BC_CRED = TVornNatBcCred::bccVazio;
  vazio.IND_ORIG_CRED = TVornIndOrigCred::opcVazio;
  vazio.CST_PIS = TVornCstPis::stpisNenhum;
  vazio.CST_COFINS = TVornCstCofins::stcofinsNenhum;

  TRegistroA100& cancelado = a.RegistroA100New();
  cancelado.COD_SIT = TVornCodSit::sdfCancelado;
  cancelado.COD_PART = "P1";
  cancelado.SER = "1";
  cancelado.SUB = "2";
  cancelado.NUM_DOC = "124";
  cancelado.CHV_NFSE = "KEY";
  cancelado.DT_DOC = EncodeDate(2024, 3, 6);
  cancelado.DT_EXE_SERV = EncodeDate(2024, 3, 6);
  cancelado.IND_PGTO = TVornIndPgto::tpVista;
  cancelado.VL_DOC = 100;
  cancelado.VL_PIS = 0;
}

struct BlocoA : ::testing::Test {
  TBloco_0 b0;
  TBloco_A a;
  std::vector<std::string> errors;

  void SetUp() override {
    PrepareWriter(a);
    a.Bloco_0 = &b0;
    a.OnError = [this](const std::string& m) { errors.push_back(m); };
  }
  std::vector<std::string> Write() {
    a.Conteudo.clear();
    a.WriteRegistroA001();
    return a.Conteudo;
  }
  // The A100 line of a lone document, for the per-field cases.
  std::string LinhaA100(const TRegistroA100& modelo) {
    a.LimpaRegistros();
    a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
    a.RegistroA010New();
    TRegistroA100& r = a.RegistroA100New();
    r.COD_SIT = modelo.COD_SIT;
    r.IND_PGTO = modelo.IND_PGTO;
    r.VL_DOC = modelo.VL_DOC;
    return Write().at(2);
  }
};

TEST_F(BlocoA, EmptyBlockIsOpeningAndClosingOnly) {
  a.WriteRegistroA001();
  a.WriteRegistroA990();
  EXPECT_EQ(a.Conteudo, (std::vector<std::string>{"|A001|1|", "|A990|2|"}));
}

TEST_F(BlocoA, EveryRegisterLineInLayoutOrder) {
  FillTree(a);
  a.WriteRegistroA001();
  a.WriteRegistroA990();
  std::vector<std::string> expected = {
      "|A001|0|",
      "|A010|11222333000181|",
      "|A100|1|0||00|1||123|ABC123|05032024||1000,50|1|0,00|1000,00|16,50|1000,00|76,00|0,00|0,00|50,00|",
      "|A110|INF1|Texto complementar|",
      "|A111|PROC123|1|",
      "|A111|||",
      "|A120|200,00|200,00|3,30|10042024|0,00|15,20||1|",
      "|A170|1|SERV01||1000,50|0,00|03|0|01|1000,00|1,65|16,50|01|1000,00|7,60|76,00|3.01||",
      "|A170|2|SERV02||0,00|0,00||||0,00|0,00|0,00||0,00|0,00|0,00|||",
      // Cancelled: no key, dates or payment; its zero amounts are empty, the others written.
      "|A100|0|0|P1|02|1|2|124||||100,00||||||||||",
      "|A990|11|",
  };
  EXPECT_EQ(a.Conteudo, expected);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(a.RegistroA010Count, 1);
  EXPECT_EQ(a.RegistroA100Count, 2);
  EXPECT_EQ(a.RegistroA110Count, 1);
  EXPECT_EQ(a.RegistroA111Count, 2);
  EXPECT_EQ(a.RegistroA120Count, 1);
  EXPECT_EQ(a.RegistroA170Count, 2);
}

TEST_F(BlocoA, OnlyRegularAndCancelledSituationsAreWritten) {
  const std::pair<TVornCodSit, const char*> cases[] = {
      {TVornCodSit::sdfRegular, "00"},     {TVornCodSit::sdfExtRegular, ""},   {TVornCodSit::sdfCancelado, "02"},
      {TVornCodSit::sdfExtCancelado, ""},  {TVornCodSit::sdfDenegado, ""},     {TVornCodSit::sdfInutilizado, ""},
      {TVornCodSit::sdfComplementar, ""},  {TVornCodSit::sdfExtComplementar, ""}, {TVornCodSit::sdfEspecial, ""},
  };
  for (auto [sit, code] : cases) {
    TRegistroA100 r;
    r.COD_SIT = sit;
    EXPECT_EQ(Fields(LinhaA100(r)).at(4), code) << static_cast<int>(sit);
  }
}

TEST_F(BlocoA, PaymentWithoutChargeIsNine) {
  const std::pair<TVornIndPgto, const char*> cases[] = {
      {TVornIndPgto::tpVista, "0"}, {TVornIndPgto::tpPrazo, "1"},
      {TVornIndPgto::tpSemPagamento, "9"}, {TVornIndPgto::tpNenhum, ""}};
  for (auto [pgto, code] : cases) {
    TRegistroA100 r;
    r.IND_PGTO = pgto;
    EXPECT_EQ(Fields(LinhaA100(r)).at(12), code) << static_cast<int>(pgto);
  }
}

TEST_F(BlocoA, ZeroAmountIsEmptyOnlyWhenCancelled) {
  TRegistroA100 r;
  r.VL_DOC = 0;
  EXPECT_EQ(Fields(LinhaA100(r)).at(11), "0,00");
  r.COD_SIT = TVornCodSit::sdfCancelado;
  EXPECT_EQ(Fields(LinhaA100(r)).at(11), "");
}

TEST_F(BlocoA, NullAmountIsWrittenLikeAnAbsentOne) {
  a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  a.RegistroA010New();
  a.RegistroA100New().VL_PIS = Variant::Null();
  a.RegistroA170New().ALIQ_PIS = Variant::Null();
  std::vector<std::string> lines = Write();
  EXPECT_EQ(Fields(lines.at(2)).at(15), "0,00");
  EXPECT_EQ(Fields(lines.at(3)).at(10), "0,00");
}

TEST_F(BlocoA, LaterPassesContinueBelowTheLastEstablishment) {
  a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  a.RegistroA010New().CNPJ = "11222333000181";
  a.RegistroA100New().NUM_DOC = "1";
  a.RegistroA170New().NUM_ITEM = 1;
  std::vector<std::string> first = Write();
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first[0], "|A001|0|");
  EXPECT_EQ(a.RegistroA001().RegistroA010[0].RegistroA100.Count(), 0) << "written documents are released";

  // More documents for the same establishment, then a new establishment.
  a.RegistroA100New().NUM_DOC = "2";
  a.RegistroA010New().CNPJ = "11444777000161";
  a.RegistroA100New().NUM_DOC = "3";
  std::vector<std::string> second = Write();
  ASSERT_EQ(second.size(), 3u);
  EXPECT_EQ(Fields(second[0]).at(7), "2");
  EXPECT_EQ(second[1], "|A010|11444777000161|");
  EXPECT_EQ(Fields(second[2]).at(7), "3");

  a.RegistroA100New().NUM_DOC = "4";
  std::vector<std::string> third = Write();
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(Fields(third[0]).at(7), "4");
  EXPECT_TRUE(Write().empty());

  EXPECT_EQ(a.RegistroA010Count, 2);
  EXPECT_EQ(a.RegistroA100Count, 4);
  EXPECT_EQ(a.RegistroA170Count, 1);
  EXPECT_EQ(a.RegistroA990().QTD_LIN_A, 8);
}

TEST_F(BlocoA, WithDataButNoEstablishmentWritesOnlyTheOpening) {
  a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  EXPECT_EQ(Write(), std::vector<std::string>{"|A001|0|"});
}

TEST_F(BlocoA, InvalidCnpjIsReportedAndStillWritten) {
  a.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  a.RegistroA010New().CNPJ = "11222333000182";
  a.RegistroA010New().CNPJ = "";
  std::vector<std::string> lines = Write();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "(A-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!");
  EXPECT_EQ(lines.at(1), "|A010|11222333000182|");
  EXPECT_EQ(lines.at(2), "|A010|00000000000000|");
}

TEST_F(BlocoA, ChildWithoutParentFailsAndAddsNothing) {
  try {
    a.RegistroA100New();
    FAIL();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), SemPai("A100", "A010").c_str());
  }
  a.RegistroA010New();
  EXPECT_THROW(a.RegistroA170New(), std::out_of_range);
  EXPECT_EQ(a.RegistroA001().RegistroA010[0].RegistroA100.Count(), 0);
}

struct BlocoAArquivo : ::testing::Test {
  TempDir dir;
  TVornVUDIRozAzezav c;

  void SetUp() override {
    c.SetDT_INI(EncodeDate(2024, 3, 1));
    c.SetDT_FIN(EncodeDate(2024, 3, 31));
    c.SetArquivo(dir.File("efd.txt"));
    c.Bloco_0.Registro0000New().CNPJ = "11222333000181";
    c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  }
  std::string File() const { return dir.File("efd.txt"); }
};

TEST_F(BlocoAArquivo, WholeTreeCountsAgree) {
  FillTree(c.Bloco_A);
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(File()));
  std::string text = ReadBytes(File());
  for (const char* reg : {"A001", "A010", "A100", "A110", "A111", "A120", "A170", "A990"})
    EXPECT_NE(text.find(std::string("|9900|") + reg + "|"), std::string::npos) << reg;
  EXPECT_NE(text.find("|9900|A100|2|"), std::string::npos);
}

TEST_F(BlocoAArquivo, BlockWrittenInTwoPassesCountsAgree) {
  c.Bloco_A.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  c.IniciaGeracao();
  c.Bloco_A.RegistroA010New().CNPJ = "11222333000181";
  c.Bloco_A.RegistroA100New().NUM_DOC = "1";
  c.WriteBloco_A(false);
  c.Bloco_A.RegistroA100New().NUM_DOC = "2";
  c.Bloco_A.RegistroA010New().CNPJ = "11444777000161";
  c.Bloco_A.RegistroA100New().NUM_DOC = "3";
  c.WriteBloco_A(true);
  c.WriteBloco_9();

  std::vector<std::string> regs;
  for (const std::string& l : FileLines(File()))
    if (l.rfind("|A", 0) == 0) regs.push_back(l.substr(1, 4) + (l.rfind("|A100", 0) == 0 ? Fields(l).at(7) : ""));
  EXPECT_EQ(regs, (std::vector<std::string>{"A001", "A010", "A1001", "A1002", "A010", "A1003", "A990"}));
  EXPECT_TRUE(FileCountsAgree(File()));
}
}  // namespace
