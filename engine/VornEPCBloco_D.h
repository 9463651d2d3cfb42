#pragma once
// Block D register records (transport and communication services subject to ICMS).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

// The process registers D111, D209, D309, D359, D509 and D609 share one shape.
struct TRegistroDProcesso {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
struct TRegistroD111 : TRegistroDProcesso {};
struct TRegistroD209 : TRegistroDProcesso {};
struct TRegistroD309 : TRegistroDProcesso {};
struct TRegistroD359 : TRegistroDProcesso {};
struct TRegistroD509 : TRegistroDProcesso {};
struct TRegistroD609 : TRegistroDProcesso {};
using TRegistroD111List = TRegistroList<TRegistroD111>;
using TRegistroD209List = TRegistroList<TRegistroD209>;
using TRegistroD309List = TRegistroList<TRegistroD309>;
using TRegistroD359List = TRegistroList<TRegistroD359>;
using TRegistroD509List = TRegistroList<TRegistroD509>;
using TRegistroD609List = TRegistroList<TRegistroD609>;

struct TRegistroD101 {
  TVornNaturezaFrtContratado IND_NAT_FRT{};
  Currency VL_ITEM;
  TVornCstPis CST_PIS{};
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroD101List = TRegistroList<TRegistroD101>;

struct TRegistroD105 {
  TVornNaturezaFrtContratado IND_NAT_FRT{};
  Currency VL_ITEM;
  TVornCstCofins CST_COFINS{};
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroD105List = TRegistroList<TRegistroD105>;

struct TRegistroD100 {
  std::string IND_OPER;
  TVornIndEmit IND_EMIT{};
  std::string COD_PART, COD_MOD;
  TVornCodSit COD_SIT{};
  std::string SER, SUB, NUM_DOC, CHV_CTE;
  TDateTime DT_DOC = 0, DT_A_P = 0;
  std::string TP_CT_e, CHV_CTE_REF;
  Currency VL_DOC, VL_DESC;
  TVornIndFrt IND_FRT{};
  Currency VL_SERV, VL_BC_ICMS, VL_ICMS, VL_NT;
  std::string COD_INF, COD_CTA;
  TRegistroD101List RegistroD101;
  TRegistroD105List RegistroD105;
  TRegistroD111List RegistroD111;
};
using TRegistroD100List = TRegistroList<TRegistroD100>;

struct TRegistroD201 {
  TVornCstPis CST_PIS{};
  Currency VL_ITEM, VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroD201List = TRegistroList<TRegistroD201>;

struct TRegistroD205 {
  TVornCstCofins CST_COFINS{};
  Currency VL_ITEM, VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroD205List = TRegistroList<TRegistroD205>;

struct TRegistroD200 {
  std::string COD_MOD;
  TVornCodSit COD_SIT{};
  std::string SER, SUB;
  int NUM_DOC_INI = 0, NUM_DOC_FIN = 0, CFOP = 0;
  TDateTime DT_REF = 0;
  Currency VL_DOC, VL_DESC;
  TRegistroD201List RegistroD201;
  TRegistroD205List RegistroD205;
  TRegistroD209List RegistroD209;
};
using TRegistroD200List = TRegistroList<TRegistroD200>;

struct TRegistroD300 {
  std::string COD_MOD, SER;
  int SUB = 0, NUM_DOC_INI = 0, NUM_DOC_FIN = 0, CFOP = 0;
  TDateTime DT_REF = 0;
  Currency VL_DOC, VL_DESC;
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
  TRegistroD309List RegistroD309;
};
using TRegistroD300List = TRegistroList<TRegistroD300>;

struct TRegistroD350 {
  std::string COD_MOD, ECF_MOD, ECF_FAB;
  TDateTime DT_DOC = 0;
  int CRO = 0, CRZ = 0, NUM_COO_FIN = 0;
  Currency GT_FIN, VL_BRT;
  TVornCstPis CST_PIS{};
  Variant VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Variant VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_CTA;
  TRegistroD359List RegistroD359;
};
using TRegistroD350List = TRegistroList<TRegistroD350>;

struct TRegistroD501 {
  TVornCstPis CST_PIS{};
  Currency VL_ITEM;
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroD501List = TRegistroList<TRegistroD501>;

struct TRegistroD505 {
  TVornCstCofins CST_COFINS{};
  Currency VL_ITEM;
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroD505List = TRegistroList<TRegistroD505>;

struct TRegistroD500 {
  TVornIndOper IND_OPER{};
  TVornIndEmit IND_EMIT{};
  std::string COD_PART, COD_MOD;
  TVornCodSit COD_SIT{};
  std::string SER;
  int SUB = 0, NUM_DOC = 0;
  TDateTime DT_DOC = 0, DT_A_P = 0;
  Currency VL_DOC, VL_DESC, VL_SERV, VL_SERV_NT, VL_TERC, VL_DA, VL_BC_ICMS, VL_ICMS;
  std::string COD_INF;
  Currency VL_PIS, VL_COFINS;
  TRegistroD501List RegistroD501;
  TRegistroD505List RegistroD505;
  TRegistroD509List RegistroD509;
};
using TRegistroD500List = TRegistroList<TRegistroD500>;

struct TRegistroD601 {
  int COD_CLASS = 0;
  Variant VL_ITEM, VL_DESC;
  TVornCstPis CST_PIS{};
  Variant VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA;
};
using TRegistroD601List = TRegistroList<TRegistroD601>;

struct TRegistroD605 {
  int COD_CLASS = 0;
  Variant VL_ITEM, VL_DESC;
  TVornCstCofins CST_COFINS{};
  Variant VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA;
};
using TRegistroD605List = TRegistroList<TRegistroD605>;

struct TRegistroD600 {
  std::string COD_MOD;
  int COD_MUN = 0;
  std::string SER;
  int SUB = 0;
  TVornIndRec IND_REC{};
  int QTD_CONS = 0;
  TDateTime DT_DOC_INI = 0, DT_DOC_FIN = 0;
  Currency VL_DOC, VL_DESC, VL_SERV, VL_SERV_NT, VL_TERC, VL_DA, VL_BC_ICMS, VL_ICMS, VL_PIS, VL_COFINS;
  TRegistroD601List RegistroD601;
  TRegistroD605List RegistroD605;
  TRegistroD609List RegistroD609;
};
using TRegistroD600List = TRegistroList<TRegistroD600>;

struct TRegistroD010 {
  std::string CNPJ;
  TRegistroD100List RegistroD100;
  TRegistroD200List RegistroD200;
  TRegistroD300List RegistroD300;
  TRegistroD350List RegistroD350;
  TRegistroD500List RegistroD500;
  TRegistroD600List RegistroD600;
};
using TRegistroD010List = TRegistroList<TRegistroD010>;

struct TRegistroD001 : TOpenBlocos {
  TRegistroD010List RegistroD010;
};

struct TRegistroD990 { int QTD_LIN_D = 0; };
