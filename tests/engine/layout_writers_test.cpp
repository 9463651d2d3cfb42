// The writers held to the layout table: a file with the registers the program fills, every field
// set (and again with the optional ones left empty), written through the real block writers for
// every layout version and period rule, then read back by the file check. Structure, counts and
// fields must come out clean; the table and the writers cannot drift apart unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "VornVudiRozAzezav.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"
#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

namespace {

const char* kCnpj = "11222333000181";
const char* kCnpjFornecedor = "44455566000183";

// A 44-digit access key whose check digit is right and whose model, series and number are the
// document's own.
std::string Chave(const std::string& modelo, int serie, int numero) {
  char base[64];
  std::snprintf(base, sizeof base, "352403%s%s%03d%09d1%08d", kCnpjFornecedor, modelo.c_str(), serie, numero, numero);
  std::string k(base, 43);
  int soma = 0, peso = 2;
  for (int i = 42; i >= 0; --i) {
    soma += (k[i] - '0') * peso;
    peso = peso == 9 ? 2 : peso + 1;
  }
  const int resto = soma % 11;
  return k + static_cast<char>('0' + (resto < 2 ? 0 : 11 - resto));
}

struct Preenchimento {
  TVornCodVer versao;
  TDateTime ini, fin;
  bool completo;  // optional fields set too
  // An optional text: set only in the complete file.
  std::string Opc(const std::string& v) const { return completo ? v : std::string(); }
  Variant OpcV(double v) const { return completo ? Variant(v) : Variant(); }
};

void Bloco0(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_0& b = c.Bloco_0;
  TRegistro0000& h = b.Registro0000New();
  h.COD_VER = p.versao;
  h.TIPO_ESCRIT = TVornTipoEscrit::tpEscrOriginal;
  h.IND_SIT_ESP = p.completo ? TVornIndSitEsp::indSitAbertura : TVornIndSitEsp::indNenhum;
  h.DT_INI = p.ini;
  h.DT_FIN = p.fin;
  h.NOME = "EMPRESA TESTE LTDA";
  h.CNPJ = kCnpj;
  h.UF = "SP";
  h.COD_MUN = 3550308;
  h.SUFRAMA = p.Opc("");
  h.IND_NAT_PJ = TVornIndNatPJ::indNatPJSocEmpresariaGeral;
  h.IND_ATIV = TVornIndAtiv::indAtivComercio;
  b.Registro0001New().IND_MOV = TVornIndMov::imComDados;

  TRegistro0100& cont = b.Registro0100New();
  cont.NOME = "CONTADOR DA SILVA";
  cont.CPF = "12345678909";
  cont.CRC = "SP123456O1";
  cont.CNPJ = p.Opc("11444777000161");
  cont.CEP = p.Opc("01310100");
  cont.END = p.Opc("AV PAULISTA");
  cont.NUM = p.Opc("1000");
  cont.COMPL = p.Opc("SALA 1");
  cont.BAIRRO = p.Opc("BELA VISTA");
  cont.FONE = p.Opc("1133334444");
  cont.FAX = p.Opc("1133334445");
  cont.EMAIL = p.Opc("contador@exemplo.com.br");
  cont.COD_MUN = 3550308;

  TRegistro0110& reg = b.Registro0110New();
  reg.COD_INC_TRIB = TVornCodIncTrib::codEscrOpIncNaoCumulativo;
  reg.IND_APRO_CRED = TVornIndAproCred::indMetodoApropriacaoDireta;
  reg.COD_TIPO_CONT = TVornCodTipoCont::codIndTipoConExclAliqBasica;

  TRegistro0140& est = b.Registro0140New();
  est.COD_EST = p.Opc("001");
  est.NOME = "LOJA CENTRO";
  est.CNPJ = kCnpj;
  est.UF = "SP";
  est.IE = p.Opc("110042490114");
  est.COD_MUN = 3550308;
  est.IM = p.Opc("12345");
  est.SUFRAMA = p.Opc("");

  TRegistro0150& part = b.Registro0150New();
  part.COD_PART = "F1";
  part.NOME = "FORNECEDOR LTDA";
  part.COD_PAIS = "01058";
  part.CNPJ = kCnpjFornecedor;
  part.IE = p.Opc("110042490114");
  part.COD_MUN = 3550308;
  part.END = p.Opc("RUA A");
  part.NUM = p.Opc("10");
  part.COMPL = p.Opc("FUNDOS");
  part.BAIRRO = p.Opc("CENTRO");

  TRegistro0190& un = b.Registro0190New();
  un.UNID = "UN";
  un.DESCR = "UNIDADE";

  TRegistro0200& item = b.Registro0200New();
  item.COD_ITEM = "100";
  item.DESCR_ITEM = "ARROZ 5KG";
  item.COD_BARRA = p.Opc("7891234567895");
  item.COD_ANT_ITEM = p.Opc("");
  item.UNID_INV = p.Opc("UN");
  item.TIPO_ITEM = TVornTipoItem::tiMercadoriaRevenda;
  item.COD_NCM = p.Opc("10063021");
  item.COD_GEN = p.Opc("10");
  item.ALIQ_ICMS = p.OpcV(18);

  TRegistro0400& nat = b.Registro0400New();
  nat.COD_NAT = "1102";
  nat.DESCR_NAT = "COMPRA PARA REVENDA";

  TRegistro0450& txt = b.Registro0450New();
  txt.COD_INF = "1";
  txt.TXT = "MERCADORIA ENTREGUE EM DUAS VEZES";

  TRegistro0500& conta = b.Registro0500New();
  conta.DT_ALT = EncodeDate(2010, 1, 1);
  conta.COD_NAT_CC = TVornNaturezaConta::ncgResultado;
  conta.IND_CTA = TVornIndCTA::indCTAnalitica;
  conta.NIVEL = "4";
  conta.COD_CTA = "4.1.1.01";
  conta.NOME_CTA = "COMPRAS DE MERCADORIAS";
  conta.COD_CTA_REF = p.Opc("3.01.01.03.01.01");
  conta.CNPJ_EST = p.Opc(kCnpj);
}

void BlocoC(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_C& b = c.Bloco_C;
  b.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroC010& est = b.RegistroC010New();
  est.CNPJ = kCnpj;
  est.IND_ESCRI = TVornIndEscrituracao::IndEscriIndividualizado;

  TRegistroC100& nf = b.RegistroC100New();
  nf.IND_OPER = TVornIndTipoOper::tpEntradaAquisicao;
  nf.IND_EMIT = TVornEmitente::edTerceiros;
  nf.COD_PART = "F1";
  nf.COD_MOD = "55";
  nf.COD_SIT = TVornCodSit::sdfRegular;
  nf.SER = "1";
  nf.NUM_DOC = "1234";
  nf.CHV_NFE = Chave("55", 1, 1234);
  nf.DT_DOC = p.ini + 1;
  nf.DT_E_S = p.ini + 2;
  nf.VL_DOC = 100.0;
  nf.IND_PGTO = TVornIndPgto::tpVista;
  nf.VL_MERC = 100.0;
  nf.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
  nf.VL_PIS = 1.65;
  nf.VL_COFINS = 7.6;

  TRegistroC170& it = b.RegistroC170New();
  it.NUM_ITEM = "1";
  it.COD_ITEM = "100";
  it.DESCR_COMPL = p.Opc("ARROZ TIPO 1");
  it.QTD = p.OpcV(10);
  it.UNID = p.Opc("UN");
  it.VL_ITEM = 100.0;
  it.IND_MOV = TVornIndMovFisica::mfSim;
  it.CST_ICMS = TVornCstIcms::sticmsTributadaIntegralmente;
  it.CFOP = "1102";
  it.COD_NAT = p.Opc("1102");
  it.IND_APUR = p.completo ? TVornApuracaoIPI::iaMensal : TVornApuracaoIPI::iaVazio;
  it.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  it.VL_BC_PIS = 100.0;
  it.ALIQ_PIS_PERC = 1.65;
  it.VL_PIS = 1.65;
  it.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  it.VL_BC_COFINS = 100.0;
  it.ALIQ_COFINS_PERC = 7.6;
  it.VL_COFINS = 7.6;
  it.COD_CTA = p.Opc("4.1.1.01");
  TRegistroC110& inf = b.RegistroC110New();
  inf.COD_INF = "1";
  inf.TXT_COMPL = p.Opc("ENTREGA PARCIAL");
  TRegistroC120& imp = b.RegistroC120New();
  imp.COD_DOC_IMP = TVornDoctoImporta::diImportacao;
  imp.NUM_DOC__IMP = "2412345678";
  imp.PIS_IMP = 1.65;
  imp.COFINS_IMP = 7.6;
  imp.NUM_ACDRAW = p.Opc("20240000001");

  // An electricity supply without NF-e: the consolidated month per class of consumer.
  TRegistroC600& luz = b.RegistroC600New();
  luz.COD_MOD = "06";
  luz.COD_MUN = 3550308;
  luz.SER = p.Opc("U");
  luz.SUB = p.completo ? 1 : 0;
  luz.COD_CONS = 1;
  luz.QTD_CONS = 10;
  luz.QTD_CANC = p.completo ? 1 : 0;
  luz.DT_DOC = p.ini + 12;
  luz.VL_DOC = 500.0;
  luz.CONS = 4000;
  luz.VL_FORN = 500.0;
  luz.VL_PIS = 8.25;
  luz.VL_COFINS = 38.0;
  TRegistroC601& lp = b.RegistroC601New();
  lp.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  lp.VL_ITEM = 500.0;
  lp.VL_BC_PIS = 500.0;
  lp.ALIQ_PIS = 1.65;
  lp.VL_PIS = 8.25;
  lp.COD_CTA = p.Opc("3.1.1.01");
  TRegistroC605& lc = b.RegistroC605New();
  lc.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  lc.VL_ITEM = 500.0;
  lc.VL_BC_COFINS = 500.0;
  lc.ALIQ_COFINS = 7.6;
  lc.VL_COFINS = 38.0;
  lc.COD_CTA = p.Opc("3.1.1.01");

  // An NFC-e: no items, its consolidation per CFOP and CST.
  TRegistroC100& nfce = b.RegistroC100New();
  nfce.IND_OPER = TVornIndTipoOper::tpSaidaPrestacao;
  nfce.IND_EMIT = TVornEmitente::edEmissaoPropria;
  nfce.COD_MOD = "65";
  nfce.COD_SIT = TVornCodSit::sdfRegular;
  nfce.SER = "1";
  nfce.NUM_DOC = "5001";
  nfce.CHV_NFE = Chave("65", 1, 5001);
  nfce.DT_DOC = p.ini + 8;
  nfce.DT_E_S = p.completo ? p.ini + 8 : 0;
  nfce.VL_DOC = 60.0;
  nfce.IND_PGTO = TVornIndPgto::tpSemPagamento;
  nfce.VL_MERC = 60.0;
  nfce.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
  nfce.VL_PIS = 0.99;
  nfce.VL_COFINS = 4.56;
  TRegistroC175& cons = b.RegistroC175New();
  cons.CFOP = "5102";
  cons.VL_OPR = 60.0;
  cons.VL_DESC = p.OpcV(0);
  cons.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  cons.VL_BC_PIS = 60.0;
  cons.ALIQ_PIS = 1.65;
  cons.VL_PIS = 0.99;
  cons.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  cons.VL_BC_COFINS = 60.0;
  cons.ALIQ_COFINS = 7.6;
  cons.VL_COFINS = 4.56;
  cons.COD_CTA = p.Opc("3.1.1.01");
  cons.INFO_COMPL = p.Opc("VENDAS DO DIA");

  // An electricity bill and its credits.
  TRegistroC500& conta = b.RegistroC500New();
  conta.COD_PART = "F1";
  conta.COD_MOD = "06";
  conta.COD_SIT = TVornCodSit::sdfRegular;
  conta.SER = p.Opc("U");
  conta.SUB = p.completo ? 1 : 0;
  conta.NUM_DOC = 998877;
  conta.DT_DOC = p.ini + 9;
  conta.DT_ENT = p.completo ? p.ini + 10 : 0;
  conta.VL_DOC = 300.0;
  conta.VL_ICMS = p.completo ? Currency(54) : Currency();
  conta.VL_PIS = 4.95;
  conta.VL_COFINS = 22.8;
  TRegistroC501& cp = b.RegistroC501New();
  cp.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  cp.VL_ITEM = 300.0;
  cp.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
  cp.VL_BC_PIS = 300.0;
  cp.ALIQ_PIS = 1.65;
  cp.VL_PIS = 4.95;
  cp.COD_CTA = p.Opc("4.1.1.01");
  TRegistroC505& cc = b.RegistroC505New();
  cc.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  cc.VL_ITEM = 300.0;
  cc.NAT_BC_CRED = TVornNatBcCred::bccEnergiaEletricaTermica;
  cc.VL_BC_COFINS = 300.0;
  cc.ALIQ_COFINS = 7.6;
  cc.VL_COFINS = 22.8;
  cc.COD_CTA = p.Opc("4.1.1.01");

  // A fiscal printer's day and its sales by CST.
  TRegistroC400& ecf = b.RegistroC400New();
  ecf.COD_MOD = "2D";
  ecf.ECF_MOD = "MP-4000 TH FI";
  ecf.ECF_FAB = "BE091010100011200001";
  ecf.ECF_CX = 1;
  TRegistroC405& z = b.RegistroC405New();
  z.DT_DOC = p.ini + 11;
  z.CRO = 1;
  z.CRZ = 250;
  z.NUM_COO_FIN = 4321;
  z.GT_FIN = 150000.0;
  z.VL_BRT = 100.0;
  TRegistroC481& zp = b.RegistroC481New();
  zp.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  zp.VL_ITEM = 100.0;
  zp.VL_BC_PIS = 100.0;
  zp.ALIQ_PIS = 1.65;
  zp.VL_PIS = 1.65;
  zp.COD_ITEM = p.Opc("100");
  zp.COD_CTA = p.Opc("3.1.1.01");
  TRegistroC485& zc = b.RegistroC485New();
  zc.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  zc.VL_ITEM = 100.0;
  zc.VL_BC_COFINS = 100.0;
  zc.ALIQ_COFINS = 7.6;
  zc.VL_COFINS = 7.6;
  zc.COD_ITEM = p.Opc("100");
  zc.COD_CTA = p.Opc("3.1.1.01");
}

void BlocoA(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_A& b = c.Bloco_A;
  b.RegistroA001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroA010New().CNPJ = kCnpj;
  TRegistroA100& doc = b.RegistroA100New();
  doc.IND_OPER = TVornIndOper::itoContratado;
  doc.IND_EMIT = TVornIndEmit::iedfTerceiro;
  doc.COD_PART = "F1";
  doc.COD_SIT = TVornCodSit::sdfRegular;
  doc.SER = p.Opc("A");
  doc.SUB = p.Opc("1");
  doc.NUM_DOC = "77";
  doc.CHV_NFSE = p.Opc("ABC123");
  doc.DT_DOC = p.ini + 3;
  doc.DT_EXE_SERV = p.completo ? p.ini + 3 : 0;
  doc.VL_DOC = 200.0;
  doc.IND_PGTO = TVornIndPgto::tpVista;
  doc.VL_DESC = p.OpcV(0);
  doc.VL_BC_PIS = 200.0;
  doc.VL_PIS = 3.3;
  doc.VL_BC_COFINS = 200.0;
  doc.VL_COFINS = 15.2;
  doc.VL_PIS_RET = p.OpcV(0);
  doc.VL_COFINS_RET = p.OpcV(0);
  doc.VL_ISS = p.OpcV(10);
  TRegistroA170& it = b.RegistroA170New();
  it.NUM_ITEM = 1;
  it.COD_ITEM = "100";
  it.DESCR_COMPL = p.Opc("MANUTENCAO");
  it.VL_ITEM = 200.0;
  it.VL_DESC = p.OpcV(0);
  it.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
  it.IND_ORIG_CRED = TVornIndOrigCred::opcMercadoInterno;
  it.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  it.VL_BC_PIS = 200.0;
  it.ALIQ_PIS = 1.65;
  it.VL_PIS = 3.3;
  it.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  it.VL_BC_COFINS = 200.0;
  it.ALIQ_COFINS = 7.6;
  it.VL_COFINS = 15.2;
  it.COD_CTA = p.Opc("4.1.1.01");
  it.COD_CCUS = p.Opc("");
}

void BlocoD(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_D& b = c.Bloco_D;
  b.RegistroD001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroD010New().CNPJ = kCnpj;
  TRegistroD100& ct = b.RegistroD100New();
  ct.IND_OPER = "0";
  ct.IND_EMIT = TVornIndEmit::iedfTerceiro;
  ct.COD_PART = "F1";
  ct.COD_MOD = "57";
  ct.COD_SIT = TVornCodSit::sdfRegular;
  ct.SER = p.Opc("1");
  ct.NUM_DOC = "4455";
  ct.CHV_CTE = p.completo ? Chave("57", 1, 4455) : std::string();
  ct.DT_DOC = p.ini + 4;
  ct.DT_A_P = p.ini + 5;
  ct.TP_CT_e = p.Opc("0");
  ct.VL_DOC = 1000.0;
  ct.IND_FRT = TVornIndFrt::tfPorContaDestinatario;
  ct.VL_SERV = 1000.0;
  ct.COD_CTA = p.Opc("4.1.1.01");
  TRegistroD101& pis = b.RegistroD101New();
  pis.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
  pis.VL_ITEM = 1000.0;
  pis.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  pis.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
  pis.VL_BC_PIS = 1000.0;
  pis.ALIQ_PIS = 1.65;
  pis.VL_PIS = 16.5;
  pis.COD_CTA = p.Opc("4.1.1.01");
  TRegistroD105& cof = b.RegistroD105New();
  cof.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
  cof.VL_ITEM = 1000.0;
  cof.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  cof.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
  cof.VL_BC_COFINS = 1000.0;
  cof.ALIQ_COFINS = 7.6;
  cof.VL_COFINS = 76.0;
  cof.COD_CTA = p.Opc("4.1.1.01");
}

void BlocoF(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_F& b = c.Bloco_F;
  b.RegistroF001New().IND_MOV = TVornIndMov::imComDados;
  b.RegistroF010New().CNPJ = kCnpj;
  TRegistroF120& dep = b.RegistroF120New();
  dep.NAT_BC_CRED = TVornNatBcCred::bccMaqCredDepreciacao;
  dep.IDENT_BEM_IMOB = "04";
  dep.IND_ORIG_CRED = "0";
  dep.IND_UTIL_BEM_IMOB = "9";
  dep.VL_OPER_DEP = 100.0;
  dep.PARC_OPER_NAO_BC_CRED = p.completo ? Currency(0) : Currency();
  dep.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  dep.VL_BC_PIS = 100.0;
  dep.ALIQ_PIS = 1.65;
  dep.VL_PIS = 1.65;
  dep.CST_COFINS = TVornCstCofins::stcofinsOperCredExcRecTribMercInt;
  dep.VL_BC_COFINS = 100.0;
  dep.ALIQ_COFINS = 7.6;
  dep.VL_COFINS = 7.6;
  dep.COD_CTA = p.Opc("4.1.1.01");
  dep.COD_CCUS = p.Opc("");
  dep.DESC_BEM_IMOB = p.Opc("EMPILHADEIRA");
}

void BlocoM(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_M& b = c.Bloco_M;
  b.RegistroM001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroM100& cred = b.RegistroM100New();
  cred.COD_CRED = "101";
  cred.IND_CRED_ORI = TVornIndCredOri::icoOperProprias;
  cred.VL_BC_PIS = 100.0;
  cred.ALIQ_PIS = 1.65;
  cred.VL_CRED = 1.65;
  cred.VL_CRED_DISP = 1.65;
  cred.IND_DESC_CRED = TVornIndDescCred::idcTotal;
  cred.VL_CRED_DESC = 1.65;
  TRegistroM105& base = b.RegistroM105New();
  base.NAT_BC_CRED = TVornNatBcCred::bccAqBensRevenda;
  base.CST_PIS = TVornCstPis::stpisOperCredExcRecTribMercInt;
  base.VL_BC_PIS_TOT = 100.0;
  base.VL_BC_PIS_NC = p.OpcV(100);
  base.VL_BC_PIS = 100.0;
  base.DESC_CRED = p.Opc("COMPRAS");
  TRegistroM205& rec = b.RegistroM205New();
  rec.NUM_CAMPO = "08";
  rec.COD_REC = "691201";
  rec.VL_DEBITO = 0.0;
  b.RegistroM200New();
  TRegistroM210& contrib = b.RegistroM210New();
  contrib.COD_CONT = TVornCodCont::ccNaoAcumAliqBasica;
  contrib.VL_REC_BRT = 100.0;
  contrib.VL_BC_CONT = 100.0;
  contrib.VL_BC_CONT_AJUS = 100.0;
  contrib.ALIQ_PIS = 1.65;
  contrib.VL_CONT_APUR = 1.65;
  contrib.VL_CONT_PER = 1.65;
  b.RegistroM600New();
  TRegistroM605& recC = b.RegistroM605New();
  recC.NUM_CAMPO = "08";
  recC.COD_REC = "585601";
  recC.VL_DEBITO = 0.0;
  TRegistroM610& contribC = b.RegistroM610New();
  contribC.COD_CONT = TVornCodCont::ccNaoAcumAliqBasica;
  contribC.VL_REC_BRT = 100.0;
  contribC.VL_BC_CONT = 100.0;
  contribC.VL_BC_CONT_AJUS = 100.0;
  contribC.ALIQ_COFINS = 7.6;
  contribC.VL_CONT_APUR = 7.6;
  contribC.VL_CONT_PER = 7.6;
  TRegistroM400& m400 = b.RegistroM400New();
  m400.CST_PIS = TVornCstPis::stpisAliquotaZero;
  m400.VL_TOT_REC = 50.0;
  m400.COD_CTA = p.Opc("3.1.1.01");
  m400.DESC_COMPL = p.Opc("HORTIFRUTI");
  TRegistroM410& m410 = b.RegistroM410New();
  m410.NAT_REC = "401";
  m410.VL_REC = 50.0;
  m410.COD_CTA = p.Opc("3.1.1.01");
  m410.DESC_COMPL = p.Opc("HORTIFRUTI");
  TRegistroM800& m800 = b.RegistroM800New();
  m800.CST_COFINS = TVornCstCofins::stcofinsAliquotaZero;
  m800.VL_TOT_REC = 50.0;
  m800.COD_CTA = p.Opc("3.1.1.01");
  m800.DESC_COMPL = p.Opc("HORTIFRUTI");
  TRegistroM810& m810 = b.RegistroM810New();
  m810.NAT_REC = "401";
  m810.VL_REC = 50.0;
  m810.COD_CTA = p.Opc("3.1.1.01");
  m810.DESC_COMPL = p.Opc("HORTIFRUTI");
}

void Bloco1(TVornVUDIRozAzezav& c, const Preenchimento& p) {
  TBloco_1& b = c.Bloco_1;
  b.Registro1001New().IND_MOV = TVornIndMov::imComDados;
  TRegistro1900& cons = b.Registro1900New();
  cons.CNPJ = kCnpj;
  cons.COD_MOD = "65";
  cons.SER = p.Opc("1");
  cons.SUB_SER = p.Opc("");
  cons.COD_SIT = TVornCodSitF::csffRegular;
  cons.VL_TOT_REC = 60.0;
  cons.QUANT_DOC = 1;
  cons.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  cons.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  cons.CFOP = 5102;
  cons.INF_COMPL = p.Opc("NFC-E DO MES");
  cons.COD_CTA = p.Opc("3.1.1.01");
}

// The file of one version and period, with or without the optional fields.
std::string Escreve(const TempDir& dir, const Preenchimento& p) {
  TVornVUDIRozAzezav c;
  std::vector<std::string> avisos;
  c.SetOnError([&](const std::string& m) { avisos.push_back(m); });
  c.SetDT_INI(p.ini);
  c.SetDT_FIN(p.fin);
  const std::string arquivo = dir.File("efd.txt");
  c.SetArquivo(arquivo);
  Bloco0(c, p);
  BlocoA(c, p);
  BlocoC(c, p);
  BlocoD(c, p);
  BlocoF(c, p);
  BlocoM(c, p);
  Bloco1(c, p);
  c.SaveFileTXT();
  EXPECT_TRUE(avisos.empty()) << avisos.front();
  return arquivo;
}

bool DeEstruturaOuCampo(const TAchado& a) {
  return a.Tipo == TTipoAchado::Arquivo || a.Tipo == TTipoAchado::Estrutura || a.Tipo == TTipoAchado::Contagem ||
         a.Tipo == TTipoAchado::Campo;
}

// Layout faults of the writers being mended elsewhere, by register and field; a finding listed
// here is tolerated, anything else fails the test.
const std::set<std::pair<std::string, std::string>>& Conhecidos() {
  static const std::set<std::pair<std::string, std::string>> k = {
      // The component writes block I only when it has data, so a file from 2014 on lacks it.
      {"I001", ""},
      // C600's quantities are integers in the layout; the writer gives them two decimals.
      {"C600", "QTD_CONS"},
      {"C600", "QTD_CANC"},
      {"C600", "CONS"},
  };
  return k;
}

// What the file above fills, each of which must reach the file.
const char* const kPreenchidos[] = {
    "0000", "0001", "0100", "0110", "0140", "0150", "0190", "0200", "0400", "0500", "A010", "A100", "A170",
    "0450", "C010", "C100", "C110", "C120", "C170", "C175", "C400", "C405", "C481", "C485", "C500", "C501", "C505", "C600", "C601", "C605", "D010", "D100",
    "D101", "D105", "F010", "F120", "M100", "M105", "M200", "M205", "M210", "M400", "M410", "M600", "M605",
    "M610", "M800", "M810", "1001", "1900"};

}  // namespace

TEST(LayoutWriters, EveryVersionAndPeriodRuleReadsBackClean) {
  TempDir dir;
  struct Periodo { int ano, mes; } periodos[] = {{2013, 3}, {2014, 3}, {2019, 12}, {2020, 3}, {2024, 3}};
  for (int v = 0; v <= static_cast<int>(TVornCodVer::vlVersao320); ++v)
    for (const Periodo& per : periodos)
      for (bool completo : {true, false}) {
        const TVornCodVer versao = static_cast<TVornCodVer>(v);
        const TDateTime ini = EncodeDate(per.ano, per.mes, 1);
        SCOPED_TRACE(std::string("COD_VER ") + std::string(Code(versao)) + ", " + ShortDate(ini) +
                     (completo ? ", every field" : ", optional fields empty"));
        const std::string arquivo = Escreve(dir, {versao, ini, EndOfTheMonth(ini), completo});
        std::set<std::string> escritos;
        for (const std::string& l : FileLines(arquivo)) escritos.insert(l.substr(1, 4));
        for (const char* reg : kPreenchidos) EXPECT_TRUE(escritos.count(reg)) << reg << " not written";
        const TResultadoValidacao r = ValidaArquivoEfd(arquivo);
        for (const TAchado& a : r.Achados)
          if (DeEstruturaOuCampo(a) && !Conhecidos().count({a.Reg, a.Campo}))
            ADD_FAILURE() << "linha " << a.Linha << ", " << a.Reg << ", " << a.Campo << ": " << a.Mensagem;
      }
}
