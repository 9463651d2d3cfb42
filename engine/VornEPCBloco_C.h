#pragma once
// Block C register records (goods documents, coupons and utility bills).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

// ---- C100 family: individual documents ----

struct TRegistroC110 { std::string COD_INF, TXT_COMPL; };
using TRegistroC110List = TRegistroList<TRegistroC110>;

struct TRegistroC111 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC111List = TRegistroList<TRegistroC111>;

struct TRegistroC120 {
  TVornDoctoImporta COD_DOC_IMP{};
  std::string NUM_DOC__IMP;
  Currency PIS_IMP, COFINS_IMP;
  std::string NUM_ACDRAW;
};
using TRegistroC120List = TRegistroList<TRegistroC120>;

// The most numerous record of a file: the coded fields are grouped at the end so that they
// share one padding slot instead of one each.
struct TRegistroC170 {
  std::string NUM_ITEM, COD_ITEM, DESCR_COMPL;
  Variant QTD;
  std::string UNID;
  Currency VL_ITEM, VL_DESC;
  std::string CFOP, COD_NAT;
  Currency VL_BC_ICMS, ALIQ_ICMS, VL_ICMS, VL_BC_ICMS_ST, ALIQ_ST, VL_ICMS_ST;
  std::string COD_ENQ;
  Currency VL_BC_IPI, ALIQ_IPI, VL_IPI;
  Variant VL_BC_PIS, ALIQ_PIS_PERC, QUANT_BC_PIS, ALIQ_PIS_R, VL_PIS;
  Variant VL_BC_COFINS, ALIQ_COFINS_PERC, QUANT_BC_COFINS, ALIQ_COFINS_R, VL_COFINS;
  std::string COD_CTA;
  TVornIndMovFisica IND_MOV{};
  TVornCstIcms CST_ICMS{};
  TVornApuracaoIPI IND_APUR{};
  TVornCstIpi CST_IPI{};
  TVornCstPis CST_PIS{};
  TVornCstCofins CST_COFINS{};
};
using TRegistroC170List = TRegistroList<TRegistroC170>;

struct TRegistroC175 {
  Variant ALIQ_COFINS, ALIQ_COFINS_QUANT, ALIQ_PIS, ALIQ_PIS_QUANT;
  std::string CFOP, COD_CTA;
  TVornCstCofins CST_COFINS{};
  TVornCstPis CST_PIS{};
  std::string INFO_COMPL;
  Variant QUANT_BC_COFINS, QUANT_BC_PIS, VL_BC_COFINS, VL_BC_PIS, VL_COFINS, VL_DESC, VL_OPR, VL_PIS;
};
using TRegistroC175List = TRegistroList<TRegistroC175>;

struct TRegistroC100 {
  TVornIndTipoOper IND_OPER{};
  TVornEmitente IND_EMIT{};
  std::string COD_PART, COD_MOD;
  TVornCodSit COD_SIT{};
  std::string SER, NUM_DOC, CHV_NFE;
  TDateTime DT_DOC = 0, DT_E_S = 0;
  Currency VL_DOC;
  TVornIndPgto IND_PGTO{};
  Currency VL_DESC, VL_ABAT_NT, VL_MERC;
  TVornIndFrt IND_FRT{};
  Currency VL_FRT, VL_SEG, VL_OUT_DA, VL_BC_ICMS, VL_ICMS, VL_BC_ICMS_ST, VL_ICMS_ST, VL_IPI, VL_PIS, VL_COFINS,
      VL_PIS_ST, VL_COFINS_ST;
  TRegistroC110List RegistroC110;
  TRegistroC111List RegistroC111;
  TRegistroC120List RegistroC120;
  TRegistroC170List RegistroC170;
  TRegistroC175List RegistroC175;
};
using TRegistroC100List = TRegistroList<TRegistroC100>;

// ---- C180 family: consolidated sales by NF-e ----

struct TRegistroC181 {
  TVornCstPis CST_PIS{};
  std::string CFOP;
  Currency VL_ITEM;
  Variant VL_DESC, VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC181List = TRegistroList<TRegistroC181>;

struct TRegistroC185 {
  TVornCstCofins CST_COFINS{};
  std::string CFOP;
  Currency VL_ITEM;
  Variant VL_DESC, VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC185List = TRegistroList<TRegistroC185>;

struct TRegistroC188 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC188List = TRegistroList<TRegistroC188>;

struct TRegistroC180 {
  std::string COD_MOD;
  TDateTime DT_DOC_INI = 0, DT_DOC_FIN = 0;
  std::string COD_ITEM, COD_NCM, EX_IPI;
  Currency VL_TOT_ITEM;
  TRegistroC181List RegistroC181;
  TRegistroC185List RegistroC185;
  TRegistroC188List RegistroC188;
};
using TRegistroC180List = TRegistroList<TRegistroC180>;

// ---- C190 family: consolidated purchases ----

struct TRegistroC191 {
  std::string CNPJ_CPF_PART;
  TVornCstPis CST_PIS{};
  int CFOP = 0;
  Currency VL_ITEM;
  Variant VL_DESC, VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC191List = TRegistroList<TRegistroC191>;

struct TRegistroC195 {
  std::string CNPJ_CPF_PART;
  TVornCstCofins CST_COFINS{};
  int CFOP = 0;
  Currency VL_ITEM;
  Variant VL_DESC, VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT;
  Currency VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC195List = TRegistroList<TRegistroC195>;

struct TRegistroC198 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC198List = TRegistroList<TRegistroC198>;

struct TRegistroC199 {
  TVornDoctoImporta COD_DOC_IMP{};
  std::string NUM_DOC__IMP;
  Currency VL_PIS_IMP, VL_COFINS_IMP;
  std::string NUM_ACDRAW;
};
using TRegistroC199List = TRegistroList<TRegistroC199>;

struct TRegistroC190 {
  std::string COD_MOD;
  TDateTime DT_REF_INI = 0, DT_REF_FIN = 0;
  std::string COD_ITEM, COD_NCM, EX_IPI;
  Currency VL_TOT_ITEM;
  TRegistroC191List RegistroC191;
  TRegistroC195List RegistroC195;
  TRegistroC198List RegistroC198;
  TRegistroC199List RegistroC199;
};
using TRegistroC190List = TRegistroList<TRegistroC190>;

// ---- C380 family: consolidated consumer-sale notes ----

struct TRegistroC381 {
  TVornCstPis CST_PIS{};
  std::string COD_ITEM;
  Currency VL_ITEM;
  Variant VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC381List = TRegistroList<TRegistroC381>;

struct TRegistroC385 {
  TVornCstCofins CST_COFINS{};
  std::string COD_ITEM;
  Currency VL_ITEM;
  Variant VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC385List = TRegistroList<TRegistroC385>;

struct TRegistroC380 {
  std::string COD_MOD;
  TDateTime DT_DOC_INI = 0, DT_DOC_FIN = 0;
  int NUM_DOC_INI = 0, NUM_DOC_FIN = 0;
  Currency VL_DOC, VL_DOC_CANC;
  TRegistroC381List RegistroC381;
  TRegistroC385List RegistroC385;
};
using TRegistroC380List = TRegistroList<TRegistroC380>;

// ---- C395 family: purchases by consumer-sale notes or coupons ----

struct TRegistroC396 {
  std::string COD_ITEM;
  Currency VL_ITEM, VL_DESC;
  TVornNatBcCred NAT_BC_CRED{};
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC396List = TRegistroList<TRegistroC396>;

struct TRegistroC395 {
  std::string COD_MOD, COD_PART, SER, SUB_SER, NUM_DOC;
  TDateTime DT_DOC = 0;
  Currency VL_DOC;
  TRegistroC396List RegistroC396;
};
using TRegistroC395List = TRegistroList<TRegistroC395>;

// ---- C400 family: ECF equipment and daily reductions ----

struct TRegistroC481 {
  TVornCstPis CST_PIS{};
  Currency VL_ITEM;
  Variant VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  std::string COD_ITEM, COD_CTA;
};
using TRegistroC481List = TRegistroList<TRegistroC481>;

struct TRegistroC485 {
  TVornCstCofins CST_COFINS{};
  Currency VL_ITEM;
  Variant VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_ITEM, COD_CTA;
};
using TRegistroC485List = TRegistroList<TRegistroC485>;

struct TRegistroC405 {
  TDateTime DT_DOC = 0;
  int CRO = 0, CRZ = 0, NUM_COO_FIN = 0;
  Currency GT_FIN, VL_BRT;
  TRegistroC481List RegistroC481;
  TRegistroC485List RegistroC485;
};
using TRegistroC405List = TRegistroList<TRegistroC405>;

struct TRegistroC489 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC489List = TRegistroList<TRegistroC489>;

struct TRegistroC400 {
  std::string COD_MOD, ECF_MOD, ECF_FAB;
  int ECF_CX = 0;
  TRegistroC405List RegistroC405;
  TRegistroC489List RegistroC489;
};
using TRegistroC400List = TRegistroList<TRegistroC400>;

// ---- C490 family: consolidated ECF sales of a period ----

struct TRegistroC491 {
  std::string COD_ITEM;
  TVornCstPis CST_PIS{};
  int CFOP = 0;
  Currency VL_ITEM;
  Variant VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC491List = TRegistroList<TRegistroC491>;

struct TRegistroC495 {
  std::string COD_ITEM;
  TVornCstCofins CST_COFINS{};
  int CFOP = 0;
  Currency VL_ITEM;
  Variant VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC495List = TRegistroList<TRegistroC495>;

struct TRegistroC499 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC499List = TRegistroList<TRegistroC499>;

struct TRegistroC490 {
  TDateTime DT_DOC_INI = 0, DT_DOC_FIN = 0;
  std::string COD_MOD;
  TRegistroC491List RegistroC491;
  TRegistroC495List RegistroC495;
  TRegistroC499List RegistroC499;
};
using TRegistroC490List = TRegistroList<TRegistroC490>;

// ---- C500 family: electricity, water, gas and communication purchases ----

struct TRegistroC501 {
  TVornCstPis CST_PIS{};
  Currency VL_ITEM;
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC501List = TRegistroList<TRegistroC501>;

struct TRegistroC505 {
  TVornCstCofins CST_COFINS{};
  Currency VL_ITEM;
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC505List = TRegistroList<TRegistroC505>;

struct TRegistroC509 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC509List = TRegistroList<TRegistroC509>;

struct TRegistroC500 {
  std::string COD_PART, COD_MOD;
  TVornCodSit COD_SIT{};
  std::string SER;
  int SUB = 0, NUM_DOC = 0;
  TDateTime DT_DOC = 0, DT_ENT = 0;
  Currency VL_DOC, VL_ICMS;
  std::string COD_INF;
  Currency VL_PIS, VL_COFINS;
  std::string CHV_DOCe;
  TRegistroC501List RegistroC501;
  TRegistroC505List RegistroC505;
  TRegistroC509List RegistroC509;
};
using TRegistroC500List = TRegistroList<TRegistroC500>;

// ---- C600 family: consolidated sales of electricity, water and gas ----

struct TRegistroC601 {
  TVornCstPis CST_PIS{};
  Currency VL_ITEM, VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroC601List = TRegistroList<TRegistroC601>;

struct TRegistroC605 {
  TVornCstCofins CST_COFINS{};
  Currency VL_ITEM, VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC605List = TRegistroList<TRegistroC605>;

struct TRegistroC609 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC609List = TRegistroList<TRegistroC609>;

struct TRegistroC600 {
  std::string COD_MOD;
  int COD_MUN = 0;
  std::string SER;
  int SUB = 0, COD_CONS = 0, QTD_CONS = 0, QTD_CANC = 0;
  TDateTime DT_DOC = 0;
  Currency VL_DOC, VL_DESC;
  int CONS = 0;
  Currency VL_FORN, VL_SERV_NT, VL_TERC, VL_DA, VL_BC_ICMS, VL_ICMS, VL_BC_ICMS_ST, VL_ICMS_ST, VL_PIS, VL_COFINS;
  TRegistroC601List RegistroC601;
  TRegistroC605List RegistroC605;
  TRegistroC609List RegistroC609;
};
using TRegistroC600List = TRegistroList<TRegistroC600>;

// ---- C800 family: CF-e SAT documents (held, never written) ----

struct TRegistroC810 {
  std::string CFOP;
  Currency VL_ITEM;
  std::string COD_ITEM;
  TVornCstPis CST_PIS{};
  Variant VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Variant VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC810List = TRegistroList<TRegistroC810>;

struct TRegistroC820 {
  std::string CFOP;
  Currency VL_ITEM;
  std::string COD_ITEM;
  TVornCstPis CST_PIS{};
  Variant QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Variant QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroC820List = TRegistroList<TRegistroC820>;

struct TRegistroC830 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC830List = TRegistroList<TRegistroC830>;

struct TRegistroC800 {
  std::string COD_MOD;
  TVornCodSit COD_SIT{};
  int NUM_CFE = 0;
  TDateTime DT_DOC = 0;
  Variant VL_PIS, VL_COFINS, VL_CFE;
  std::string CNPJ_CPF, NR_SAT, CHV_CFE;
  Variant VL_DESC, VL_MERC, VL_OUT_DA, VL_PIS_ST, VL_ICMS, VL_COFINS_ST;
  TRegistroC820List RegistroC820;
  TRegistroC830List RegistroC830;
  TRegistroC810List RegistroC810;
};
using TRegistroC800List = TRegistroList<TRegistroC800>;

// ---- C860 family: CF-e SAT equipment and issue day ----

struct TRegistroC870 {
  std::string COD_ITEM, CFOP;
  Variant VL_ITEM, VL_DESC, ALIQ_COFINS, ALIQ_PIS;
  std::string COD_CTA;
  TVornCstCofins CST_COFINS{};
  TVornCstPis CST_PIS{};
  Variant VL_BC_COFINS, VL_BC_PIS, VL_COFINS, VL_PIS;
};
using TRegistroC870List = TRegistroList<TRegistroC870>;

// VL_DESC is field 05 of the layout: without it every later field of the line shifts.
struct TRegistroC880 {
  std::string CFOP;
  Variant VL_ITEM;
  std::string COD_ITEM;
  Variant ALIQ_COFINS_QUANT, ALIQ_PIS_QUANT;
  std::string COD_CTA;
  TVornCstCofins CST_COFINS{};
  TVornCstPis CST_PIS{};
  Variant QUANT_BC_COFINS, QUANT_BC_PIS, VL_COFINS, VL_PIS, VL_DESC;
};
using TRegistroC880List = TRegistroList<TRegistroC880>;

struct TRegistroC890 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroC890List = TRegistroList<TRegistroC890>;

struct TRegistroC860 {
  std::string COD_MOD;
  int DOC_FIM = 0, DOC_INI = 0;
  TDateTime DT_DOC = 0;
  int NR_SAT = 0;
  TRegistroC870List RegistroC870;
  TRegistroC880List RegistroC880;
  TRegistroC890List RegistroC890;
};
using TRegistroC860List = TRegistroList<TRegistroC860>;

// ---- establishment, opening and closing ----

struct TRegistroC010 {
  std::string CNPJ;
  TVornIndEscrituracao IND_ESCRI{};
  TRegistroC100List RegistroC100;
  TRegistroC180List RegistroC180;
  TRegistroC190List RegistroC190;
  TRegistroC380List RegistroC380;
  TRegistroC395List RegistroC395;
  TRegistroC400List RegistroC400;
  TRegistroC490List RegistroC490;
  TRegistroC500List RegistroC500;
  TRegistroC600List RegistroC600;
  TRegistroC800List RegistroC800;
  TRegistroC860List RegistroC860;
};
using TRegistroC010List = TRegistroList<TRegistroC010>;

struct TRegistroC001 : TOpenBlocos {
  TRegistroC010List RegistroC010;
};

struct TRegistroC990 { int QTD_LIN_C = 0; };
