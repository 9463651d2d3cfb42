#include <gtest/gtest.h>

#include "VornEPCBloco_F_Class.h"
#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

namespace {
void PrepareWriter(TVornSPED& b) {
  b.Delimitador = "|";
  b.TrimString = true;
  b.CurMascara = "#0.00";
}

// One F010 with a record of every register, the process records that have no line included.
void FillTree(TBloco_F& f) {
  f.RegistroF001New().IND_MOV = TVornIndMov::imComDados;
  f.RegistroF010New().CNPJ = "11222333000181";

  TRegistroF100& op = f.RegistroF100New();
  op.IND_OPER = TVornIndTpOperacaoReceita::indRepReceitaAuferida;
  op.COD_PART = "P1";
  op.COD_ITEM = "IT1";
  op.DT_OPER = EncodeDate(2024, 3, 15);
  op.VL_OPER = op.VL_BC_PIS = op.VL_BC_COFINS = 1000;
  op.ALIQ_PIS = Currency(1.65);
  op.VL_PIS = Currency(16.5);
  op.ALIQ_COFINS = Currency(7.6);
  op.VL_COFINS = 76;
  op.NAT_BC_CRED = TVornNatBcCred::bccAluguelPredios;
  op.IND_ORIG_CRED = TVornIndOrigCred::opcImportacao;
  op.COD_CTA = "3.1";
  op.COD_CCUS = "CC1";
  op.DESC_DOC_OPER = "Aluguel";
  TRegistroF111& p1 = f.RegistroF111New();
  p1.NUM_PROC = "PROC1";
  p1.IND_PROC = TVornOrigemProcesso::opJusticaFederal;
  TRegistroF100& vazio = f.RegistroF100New();
  vazio.NAT_BC_CRED = TVornNatBcCred::bccVazio;
  vazio.IND_ORIG_CRED = TVornIndOrigCred::opcVazio;

  TRegistroF120& dep = f.RegistroF120New();
  dep.NAT_BC_CRED = TVornNatBcCred::bccMaqCredDepreciacao;
  dep.IDENT_BEM_IMOB = "01";
  dep.IND_ORIG_CRED = "0";
  dep.IND_UTIL_BEM_IMOB = "1";
  dep.VL_OPER_DEP = dep.VL_BC_PIS = dep.VL_BC_COFINS = 500;
  dep.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  dep.ALIQ_PIS = Currency(1.65);
  dep.VL_PIS = Currency(8.25);
  dep.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  dep.ALIQ_COFINS = Currency(7.6);
  dep.VL_COFINS = 38;
  dep.COD_CTA = "1.2";
  dep.DESC_BEM_IMOB = "Maquina";
  TRegistroF129& p2 = f.RegistroF129New();
  p2.NUM_PROC = "PROC2";
  p2.IND_PROC = TVornOrigemProcesso::opOutros;

  TRegistroF130& aq = f.RegistroF130New();
  aq.NAT_BC_CRED = TVornNatBcCred::bccMaqCredAquisicao;
  aq.IDENT_BEM_IMOB = "03";
  aq.IND_ORIG_CRED = "0";
  aq.IND_UTIL_BEM_IMOB = "2";
  aq.MES_OPER_AQUIS = "012024";
  aq.VL_OPER_AQUIS = aq.VL_BC_CRED = 12000;
  aq.IND_NR_PARC = 5;
  aq.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  aq.VL_BC_PIS = aq.VL_BC_COFINS = 1000;
  aq.ALIQ_PIS = Currency(1.65);
  aq.VL_PIS = Currency(16.5);
  aq.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  aq.ALIQ_COFINS = Currency(7.6);
  aq.VL_COFINS = 76;
  aq.COD_CTA = "1.3";
  aq.COD_CCUS = "CC2";
  aq.DESC_BEM_IMOB = "Veiculo";
  TRegistroF139& p3 = f.RegistroF139New();
  p3.NUM_PROC = "PROC3";
  p3.IND_PROC = TVornOrigemProcesso::opSecexRFB;

  TRegistroF150& est = f.RegistroF150New();
  est.NAT_BC_CRED = TVornNatBcCred::bccEstoqueAberturaBens;
  est.VL_TOT_EST = 10000;
  est.EST_IMP = 1000;
  est.VL_BC_EST = 9000;
  est.VL_BC_MEN_EST = 750;
  est.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  est.ALIQ_PIS = Currency(0.65);
  est.VL_CRED_PIS = Currency(4.88);
  est.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  est.ALIQ_COFINS = 3;
  est.VL_CRED_COFINS = Currency(22.5);
  est.DESC_EST = "Estoque";
  est.COD_CTA = "1.4";

  TRegistroF200& imob = f.RegistroF200New();
  imob.IND_OPER = "01";
  imob.UNID_IMOB = "1";
  imob.IDENT_EMP = "EMP1";
  imob.DESC_UNID_IMOB = "Apto 1";
  imob.NUM_CONT = "C1";
  imob.CPF_CNPJ_ADQU = "11144477735";
  imob.DT_OPER = EncodeDate(2024, 3, 20);
  imob.VL_TOT_VEND = 300000;
  imob.VL_REC_ACUM = 100000;
  imob.VL_TOT_REC = imob.VL_BC_PIS = imob.VL_BC_COFINS = 20000;
  imob.ALIQ_PIS = Currency(1.65);
  imob.VL_PIS = 330;
  imob.ALIQ_COFINS = Currency(7.6);
  imob.VL_COFINS = 1520;
  imob.PERC_REC_RECEB = 40;
  imob.IND_NAT_EMP = "1";
  TRegistroF205& cus = f.RegistroF205New();
  cus.VL_CUS_INC_ACUM_ANT = 1000;
  cus.VL_CUS_INC_PER_ESC = 200;
  cus.VL_CUS_INC_ACUM = cus.VL_BC_CUS_INC = 1200;
  cus.ALIQ_PIS = Currency(1.65);
  cus.VL_CRED_PIS_ACUM = cus.VL_CRED_PIS_DESC = Currency(19.8);
  cus.ALIQ_COFINS = Currency(7.6);
  cus.VL_CRED_COFINS_ACUM = cus.VL_CRED_COFINS_DESC = Currency(91.2);
  TRegistroF210& orc = f.RegistroF210New();
  orc.VL_CUS_ORC = orc.VL_CUS_ORC_AJU = orc.VL_BC_CRED = 5000;
  orc.ALIQ_PIS = Currency(1.65);
  orc.VL_CRED_PIS_UTIL = Currency(82.5);
  orc.ALIQ_COFINS = Currency(7.6);
  orc.VL_CRED_COFINS_UTIL = 380;
  TRegistroF211& p4 = f.RegistroF211New();
  p4.NUM_PROC = "PROC4";
  p4.IND_PROC = TVornOrigemProcesso::opNenhum;

  TRegistroF500& caixa = f.RegistroF500New();
  caixa.VL_REC_CAIXA = caixa.VL_BC_PIS = caixa.VL_BC_COFINS = 2000;
  caixa.ALIQ_PIS = Currency(0.65);
  caixa.VL_PIS = 13;
  caixa.ALIQ_COFINS = 3;
  caixa.VL_COFINS = 60;
  caixa.COD_MOD = "55";
  caixa.CFOP = 5102;
  caixa.COD_CTA = "3.1";
  f.RegistroF509New().NUM_PROC = "NAO ESCRITO";

  TRegistroF510& caixaQ = f.RegistroF510New();
  caixaQ.VL_REC_CAIXA = 100;
  caixaQ.CST_PIS = TVornCstPis::stpisQtdeAliquotaUnidade;
  caixaQ.QUANT_BC_PIS = caixaQ.QUANT_BC_COFINS = 50;
  caixaQ.ALIQ_PIS_QUANT = Currency(0.1234);
  caixaQ.VL_PIS = Currency(6.17);
  caixaQ.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  caixaQ.ALIQ_COFINS_QUANT = Currency(0.5678);
  caixaQ.VL_COFINS = Currency(28.39);
  f.RegistroF519New().NUM_PROC = "NAO ESCRITO";

  TRegistroF525& comp = f.RegistroF525New();
  comp.VL_REC = comp.VL_REC_DET = 2000;
  comp.IND_REC = TVornInd_Rec::crOutros;
  comp.COD_ITEM = "IT1";
  comp.COD_CTA = "3.1";

  TRegistroF550& compet = f.RegistroF550New();
  compet.VL_REC_COMP = compet.VL_BC_PIS = compet.VL_BC_COFINS = 3000;
  compet.ALIQ_PIS = Currency(0.65);
  compet.VL_PIS = Currency(19.5);
  compet.ALIQ_COFINS = 3;
  compet.VL_COFINS = 90;
  TRegistroF559& p5 = f.RegistroF559New();
  p5.NUM_PROC = "123";
  p5.IND_PROC = TVornOrigemProcesso::opNenhum;
  TRegistroF559& p6 = f.RegistroF559New();
  p6.NUM_PROC = "PROC5";
  p6.IND_PROC = TVornOrigemProcesso::opSecexRFB;

  TRegistroF560& competQ = f.RegistroF560New();
  competQ.VL_REC_COMP = 100;
  competQ.CST_PIS = TVornCstPis::stpisQtdeAliquotaUnidade;
  competQ.QUANT_BC_PIS = competQ.QUANT_BC_COFINS = Currency(50.1234);
  competQ.ALIQ_PIS_QUANT = Currency(0.1234);
  competQ.VL_PIS = Currency(6.18);
  competQ.CST_COFINS = TVornCstCofins::stcofinsQtdeAliquotaUnidade;
  competQ.ALIQ_COFINS_QUANT = Currency(0.5678);
  competQ.VL_COFINS = Currency(28.46);
  competQ.CFOP = 5405;
  competQ.INFO_COMPL = "x";
  f.RegistroF569New().NUM_PROC = "NAO ESCRITO";

  TRegistroF600& ret = f.RegistroF600New();
  ret.IND_NAT_RET = TVornIndNatRetFonte::indRetPesJuridicasDireitoPri;
  ret.DT_RET = EncodeDate(2024, 3, 12);
  ret.VL_BC_RET = 1000;
  ret.VL_RET = Currency(46.5);
  ret.COD_REC = "5952";
  ret.IND_NAT_REC = TVornIndNatRec::inrCumulativo;
  ret.CNPJ = "11222333000181";
  ret.VL_RET_PIS = Currency(6.5);
  ret.VL_RET_COFINS = 30;
  ret.IND_DEC = "0";
  TRegistroF600& retVazia = f.RegistroF600New();
  retVazia.IND_NAT_RET = TVornIndNatRetFonte::indOutrasRetencoes;
  retVazia.IND_NAT_REC = TVornIndNatRec::inrVazio;

  TRegistroF700& ded = f.RegistroF700New();
  ded.IND_ORI_DED = TVornIndOrigemDiversas::indContribSTZFM;
  ded.IND_NAT_DED = TVornIndNatDeducao::indAcumulativa;
  ded.VL_DED_PIS = 10;
  ded.VL_DED_COFINS = 46;
  ded.VL_BC_OPER = 1000;
  ded.INF_COMP = "Ded";

  TRegistroF800& suc = f.RegistroF800New();
  suc.IND_NAT_EVEN = "01";
  suc.DT_EVEN = EncodeDate(2024, 1, 31);
  suc.CNPJ_SUCED = "11444777000161";
  suc.PA_CONT_CRED = "122023";
  suc.COD_CRED = TVornCodCred::ccREPreAgroindustriaPCR;
  suc.VL_CRED_PIS = 100;
  suc.VL_CRED_COFINS = 460;
  suc.PER_CRED_CIS = 50;
}

struct BlocoF : ::testing::Test {
  TBloco_0 b0;
  TBloco_F f;
  std::vector<std::string> errors;

  void SetUp() override {
    PrepareWriter(f);
    f.Bloco_0 = &b0;
    f.OnError = [this](const std::string& m) { errors.push_back(m); };
  }
  std::vector<std::string> Write() {
    f.Conteudo.clear();
    f.WriteRegistroF001();
    return f.Conteudo;
  }
};

TEST_F(BlocoF, EmptyBlockIsOpeningAndClosingOnly) {
  f.WriteRegistroF001();
  f.WriteRegistroF990();
  EXPECT_EQ(f.Conteudo, (std::vector<std::string>{"|F001|1|", "|F990|2|"}));
}

TEST_F(BlocoF, EveryRegisterLineInLayoutOrder) {
  FillTree(f);
  f.WriteRegistroF001();
  f.WriteRegistroF990();
  std::vector<std::string> expected = {
      "|F001|0|",
      "|F010|11222333000181|",
      "|F100|1|P1|IT1|15032024|1000,00|01|1000,0000|1,6500|16,50|01|1000,0000|7,6000|76,00|05|1|3.1|CC1|Aluguel|",
      "|F111|PROC1|1|",
      "|F100|0||||0,00|01|0,0000|0,0000|0,00|01|0,0000|0,0000|0,00||||||",
      "|F120|09|01|0|1|500,00|0,00|50|500,00|1,6500|8,25|50|500,00|7,6000|38,00|1.2||Maquina|",
      "|F129|PROC2|9|",
      "|F130|10|03|0|2|012024|12000,00|0,00|12000,00|5|50|1000,00|1,6500|16,50|50|1000,00|7,6000|76,00|1.3|CC2|"
      "Veiculo|",
      "|F139|PROC3|3|",
      "|F150|18|10000,00|1000,00|9000,00|750,00|50|0,6500|4,88|50|3,0000|22,50|Estoque|1.4|",
      "|F200|01|1|EMP1|Apto 1|C1|11144477735|20032024|300000,00|100000,00|20000,00|01|20000,00|1,6500|330,00|01|"
      "20000,00|7,6000|1520,00|40,00|1||",
      "|F205|1000,00|200,00|1200,00|0,00|1200,00|01|1,6500|19,80|0,00|19,80|0,00|01|7,6000|91,20|0,00|91,20|0,00|",
      "|F210|5000,00|0,00|5000,00|5000,00|01|1,6500|82,50|01|7,6000|380,00|",
      "|F211|PROC4||",
      "|F500|2000,00|01|0,00|2000,00|0,6500|13,00|01|0,00|2000,00|3,0000|60,00|55|5102|3.1||",
      "|F510|100,00|03|0,00|50,00|0,12|6,17|03|0,00|50,00|0,57|28,39|||||",
      "|F525|2000,00|99|||IT1|2000,00|01|01||3.1|",
      "|F550|3000,00|01|0,00|3000,00|0,6500|19,50|01|0,00|3000,00|3,0000|90,00|||||",
      "|F559|00000000000000000123|0|",
      "|F559|000000000000000PROC5|3|",
      "|F560|100,00|03|0,00|50,123|0,1234|6,18|03|0,00|50,123|0,5678|28,46||5405||x|",
      "|F600|03|12032024|1000,0000|46,50|5952|1|11222333000181|6,50|30,00|0|",
      "|F600|99||0,0000|0,00||||0,00|0,00||",
      "|F700|03|1|10,00|46,00|1000,00||Ded|",
      "|F800|01|31012024|11444777000161|122023|307|100,00|460,00|50,00|",
      "|F990|26|",
  };
  EXPECT_EQ(f.Conteudo, expected);
  EXPECT_TRUE(errors.empty());
  std::vector<int> perRegister;
  for (auto& c : f.ContagemRegistros()) perRegister.push_back(c.count);
  // F010 F100 F111 F120 F129 F130 F139 F150 F200 F205 F210 F211 F500 F510 F525 F550 F559 F560 F600 F700 F800
  EXPECT_EQ(perRegister, (std::vector<int>{1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 2, 1, 1}));
  EXPECT_EQ(f.RegistroF509Count + f.RegistroF519Count + f.RegistroF569Count, 0);
}

TEST_F(BlocoF, IncurredCostOnlyOutsideTheCumulativeRegime) {
  struct Case { TVornCodIncTrib regime; bool comF205; } cases[] = {
      {TVornCodIncTrib::codEscrOpIncNaoCumulativo, true},
      {TVornCodIncTrib::codEscrOpIncCumulativo, false},
      {TVornCodIncTrib::codEscrOpIncAmbos, true},
  };
  for (const Case& k : cases) {
    b0.Registro0110New().COD_INC_TRIB = k.regime;
    f.LimpaRegistros();
    f.RegistroF001New().IND_MOV = TVornIndMov::imComDados;
    f.RegistroF010New();
    f.RegistroF200New();
    f.RegistroF210New();
    std::vector<std::string> regs;
    for (const std::string& l : Write()) regs.push_back(l.substr(1, 4));
    std::vector<std::string> expected = {"F001", "F010", "F200", "F205", "F210"};
    if (!k.comF205) expected.erase(expected.begin() + 3);
    EXPECT_EQ(regs, expected) << static_cast<int>(k.regime);
    EXPECT_EQ(f.RegistroF205Count, k.comF205 ? 1 : 0);
    if (k.comF205) {
      EXPECT_EQ(f.Conteudo.at(3),
                "|F205|0,00|0,00|0,00|0,00|0,00|01|0,0000|0,00|0,00|0,00|0,00|01|0,0000|0,00|0,00|0,00|0,00|");
    }
  }
}

TEST_F(BlocoF, InvalidCnpjIsReportedAndStillWritten) {
  f.RegistroF001New().IND_MOV = TVornIndMov::imComDados;
  f.RegistroF010New().CNPJ = "11222333000182";
  f.RegistroF010New().CNPJ = "";
  std::vector<std::string> lines = Write();
  EXPECT_EQ(errors, std::vector<std::string>{"(F-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"});
  EXPECT_EQ(lines.at(1), "|F010|11222333000182|");
  EXPECT_EQ(f.RegistroF010Count, 2);
}

TEST_F(BlocoF, ChildWithoutParentFailsAndAddsNothing) {
  EXPECT_THROW(f.RegistroF100New(), std::out_of_range);
  f.RegistroF010New();
  try {
    f.RegistroF205New();
    FAIL();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), SemPai("F205", "F200").c_str());
  }
  EXPECT_THROW(f.RegistroF559New(), std::out_of_range);
  EXPECT_EQ(f.RegistroF001().RegistroF010[0].RegistroF550.Count(), 0);
}

TEST(BlocoFArquivo, WholeTreeCountsAgree) {
  TempDir dir;
  TVornVUDIRozAzezav c;
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 3, 31));
  c.SetArquivo(dir.File("efd.txt"));
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;
  FillTree(c.Bloco_F);
  c.SaveFileTXT();
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
  std::string text = ReadBytes(dir.File("efd.txt"));
  for (const TRegisterCount& reg : c.Bloco_F.ContagemRegistros())
    EXPECT_NE(text.find("|9900|" + reg.code + "|"), std::string::npos) << reg.code;
  for (const char* none : {"F509", "F519", "F569"}) EXPECT_EQ(text.find(none), std::string::npos) << none;
}
}  // namespace
