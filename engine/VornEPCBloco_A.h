#pragma once
// Block A register records (services subject to ISS): establishments, service documents with
// their complements, processes, imported-service details and items.
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroA110 { std::string COD_INF, TXT_COMPL; };
using TRegistroA110List = TRegistroList<TRegistroA110>;

struct TRegistroA111 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
using TRegistroA111List = TRegistroList<TRegistroA111>;

struct TRegistroA120 {
  Variant VL_TOT_SERV, VL_BC_PIS, VL_PIS_IMP;
  TDateTime DT_PAG_PIS = 0;
  Variant VL_BC_COFINS, VL_COFINS_IMP;
  TDateTime DT_PAG_COFINS = 0;
  TVornLocalExecServico LOC_EXE_SERV{};
};
using TRegistroA120List = TRegistroList<TRegistroA120>;

struct TRegistroA170 {
  int NUM_ITEM = 0;
  std::string COD_ITEM, DESCR_COMPL;
  Variant VL_ITEM, VL_DESC;
  TVornNatBcCred NAT_BC_CRED{};
  TVornIndOrigCred IND_ORIG_CRED{};
  TVornCstPis CST_PIS{};
  Variant VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Variant VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA, COD_CCUS;
};
using TRegistroA170List = TRegistroList<TRegistroA170>;

struct TRegistroA100 {
  TVornIndOper IND_OPER{};
  TVornIndEmit IND_EMIT{};
  std::string COD_PART;
  TVornCodSit COD_SIT{};
  std::string SER, SUB, NUM_DOC, CHV_NFSE;
  TDateTime DT_DOC = 0, DT_EXE_SERV = 0;
  Variant VL_DOC;
  TVornIndPgto IND_PGTO{};
  Variant VL_DESC, VL_BC_PIS, VL_PIS, VL_BC_COFINS, VL_COFINS, VL_PIS_RET, VL_COFINS_RET, VL_ISS;
  TRegistroA110List RegistroA110;
  TRegistroA111List RegistroA111;
  TRegistroA120List RegistroA120;
  TRegistroA170List RegistroA170;
};
using TRegistroA100List = TRegistroList<TRegistroA100>;

struct TRegistroA010 {
  std::string CNPJ;
  TRegistroA100List RegistroA100;
};
using TRegistroA010List = TRegistroList<TRegistroA010>;

struct TRegistroA001 : TOpenBlocos {
  TRegistroA010List RegistroA010;
};

struct TRegistroA990 { int QTD_LIN_A = 0; };
