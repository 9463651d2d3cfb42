#pragma once
// Block 1 register records (complements: processes, base adjustments, carried credits, late
// contributions, withholdings, real-estate regime and cash-regime consolidations).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistro1011 {
  std::string REG_REF, CHAVE_DOC, COD_PART, COD_ITEM;
  TDateTime DT_OPER = 0;
  Currency VL_OPER;
  int CST_PIS = 0;
  Variant VL_BC_PIS, ALIQ_PIS, VL_PIS;
  int CST_COFINS = 0;
  Variant VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  int CST_PIS_SUSP = 0;
  Variant VL_BC_PIS_SUSP, ALIQ_PIS_SUSP, VL_PIS_SUSP;
  int CST_COFINS_SUSP = 0;
  Variant VL_BC_COFINS_SUSP, ALIQ_COFINS_SUSP, VL_COFINS_SUSP;
  std::string COD_CTA, COD_CCUS, DESC_DOC_OPER;
};

struct TRegistro1010 {
  std::string NUM_PROC, ID_SEC_JUD, ID_VARA;
  int IND_NAT_ACAO = 0;
  std::string DESC_DEC_JUD;
  TDateTime DT_SENT_JUD = 0;
  TRegistroList<TRegistro1011> Registro1011;
};

struct TRegistro1020 {
  std::string NUM_PROC;
  int IND_NAT_ACAO = 0;
  TDateTime DT_DEC_ADM = 0;
};

// Declared in the ERP's order; the writer follows the layout's order.
struct TRegistro1050 {
  Currency VL_AJ_CST01, VL_AJ_CST06, VL_AJ_CST07;
  std::string CNPJ;
  Currency VL_AJ_CST04, VL_AJ_CST05;
  std::string NUM_REC;
  TDateTime DT_REF = 0;
  Currency VL_AJ_TOT, VL_AJ_CST99;
  TVornTabCodAjBaseCalcContrib IND_AJ_BC{};
  std::string INFO_COMPL;
  Currency VL_AJ_CST08, VL_AJ_CST09;
  TVornIndicadorApropAjuste IND_APROP{};
  Currency VL_AJ_CST49, VL_AJ_CST02, VL_AJ_CST03;
};

// Credit split by revenue kind (1102 for PIS, 1502 for COFINS).
struct TRegistro1102 {
  Variant VL_CRED_PIS_TRIB_MI, VL_CRED_PIS_NT_MI, VL_CRED_PIS_EXP;
};
struct TRegistro1502 {
  Variant VL_CRED_COFINS_TRIB_MI, VL_CRED_COFINS_NT_MI, VL_CRED_COFINS_EXP;
};

struct TRegistro1101 {
  std::string COD_PART, COD_ITEM, COD_MOD, SER, SUB_SER;
  int NUM_DOC = 0;
  TDateTime DT_OPER = 0;
  std::string CHV_NFE;
  Currency VL_OPER;
  int CFOP = 0;
  std::string NAT_BC_CRED;
  int IND_ORIG_CRED = 0;
  int CST_PIS = 0;
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA, COD_CCUS, DESC_COMPL;
  int PER_ESCRIT = 0;
  std::string CNPJ;
  TRegistro1102 Registro1102;
};

struct TRegistro1501 {
  std::string COD_PART, COD_ITEM, COD_MOD, SER, SUB_SER;
  int NUM_DOC = 0;
  TDateTime DT_OPER = 0;
  std::string CHV_NFE;
  Currency VL_OPER;
  int CFOP = 0;
  std::string NAT_BC_CRED;
  int IND_ORIG_CRED = 0;
  int CST_COFINS = 0;
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA, COD_CCUS, DESC_COMPL;
  int PER_ESCRIT = 0;
  std::string CNPJ;
  TRegistro1502 Registro1502;
};

// Credit control fields shared by 1100 (PIS) and 1500 (COFINS).
struct TControleCredito {
  int PER_APU_CRED = 0, ORIG_CRED = 0;
  std::string CNPJ_SUC;
  int COD_CRED = 0;
  Currency VL_CRED_APU, VL_CRED_EXT_APU, VL_TOT_CRED_APU, VL_CRED_DESC_PA_ANT, VL_CRED_PER_PA_ANT,
      VL_CRED_DCOMP_PA_ANT, SD_CRED_DISP_EFD, VL_CRED_DESC_EFD, VL_CRED_PER_EFD, VL_CRED_DCOMP_EFD,
      VL_CRED_TRANS, VL_CRED_OUT, SLD_CRED_FIM;
};
struct TRegistro1100 : TControleCredito { TRegistroList<TRegistro1101> Registro1101; };
struct TRegistro1500 : TControleCredito { TRegistroList<TRegistro1501> Registro1501; };

struct TRegistro1210 {
  std::string CNPJ;
  TVornCstPis CST_PIS{};
  std::string COD_PART;
  TDateTime DT_OPER = 0;
  Currency VL_OPER, VL_BC_PIS, ALIQ_PIS, VL_PIS;
  std::string COD_CTA, DESC_COMPL;
};

struct TRegistro1610 {
  std::string CNPJ;
  TVornCstCofins CST_COFINS{};
  std::string COD_PART;
  TDateTime DT_OPER = 0;
  Currency VL_OPER, VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA, DESC_COMPL;
};

// Credits used against a late contribution (1220, 1620).
struct TRegistro1220 {
  int PER_APU_CRED = 0, ORIG_CRED = 0, COD_CRED = 0;
  Currency VL_CRED;
};
using TRegistro1620 = TRegistro1220;

struct TRegistro1200 {
  int PER_APUR_ANT = 0;
  std::string NAT_CONT_REC;
  Currency VL_CONT_APUR, VL_CRED_PIS_DESC, VL_CONT_DEV, VL_OUT_DED, VL_CONT_EXT, VL_MUL, VL_JUR;
  TDateTime DT_RECOL = 0;
  TRegistroList<TRegistro1210> Registro1210;
  TRegistroList<TRegistro1220> Registro1220;
};

struct TRegistro1600 {
  int PER_APUR_ANT = 0;
  std::string NAT_CONT_REC;
  Currency VL_CONT_APUR, VL_CRED_COFINS_DESC, VL_CONT_DEV, VL_OUT_DED, VL_CONT_EXT, VL_MUL, VL_JUR;
  TDateTime DT_RECOL = 0;
  TRegistroList<TRegistro1610> Registro1610;
  TRegistroList<TRegistro1620> Registro1620;
};

// Withheld amounts (1300 PIS, 1700 COFINS).
struct TRegistro1300 {
  int IND_NAT_RET = 0, PR_REC_RET = 0;
  Currency VL_RET_APU, VL_RET_DED, VL_RET_PER, VL_RET_DCOMP, SLD_RET;
};
using TRegistro1700 = TRegistro1300;

struct TRegistro1809 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};

struct TRegistro1800 {
  std::string INC_IMOB;
  Currency REC_RECEB_RET, REC_FIN_RET, BC_RET, ALIQ_RET, VL_REC_UNI;
  TDateTime DT_REC_UNI = 0;
  std::string COD_REC;
  TRegistroList<TRegistro1809> Registro1809;
};

struct TRegistro1900 {
  std::string CNPJ, COD_MOD, SER, SUB_SER;
  TVornCodSitF COD_SIT{};
  Currency VL_TOT_REC;
  int QUANT_DOC = 0;
  TVornCstPis CST_PIS{};
  TVornCstCofins CST_COFINS{};
  int CFOP = 0;
  std::string INF_COMPL, COD_CTA;
};

struct TRegistro1001 : TOpenBlocos {
  TRegistroList<TRegistro1010> Registro1010;
  TRegistroList<TRegistro1020> Registro1020;
  TRegistroList<TRegistro1050> Registro1050;
  TRegistroList<TRegistro1100> Registro1100;
  TRegistroList<TRegistro1200> Registro1200;
  TRegistroList<TRegistro1300> Registro1300;
  TRegistroList<TRegistro1500> Registro1500;
  TRegistroList<TRegistro1600> Registro1600;
  TRegistroList<TRegistro1700> Registro1700;
  TRegistroList<TRegistro1800> Registro1800;
  TRegistroList<TRegistro1900> Registro1900;
};

struct TRegistro1990 { int QTD_LIN_1 = 0; };
