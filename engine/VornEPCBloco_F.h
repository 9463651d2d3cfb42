#pragma once
// Block F register records (other operations with credit or contribution: fixed assets,
// opening stock, real estate, cash and accrual regimes, withholdings, deductions, successions).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

// The process registers F111, F129, F139, F211, F509, F519, F559 and F569 share one shape.
struct TRegistroFProcesso {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};
struct TRegistroF111 : TRegistroFProcesso {};
struct TRegistroF129 : TRegistroFProcesso {};
struct TRegistroF139 : TRegistroFProcesso {};
struct TRegistroF211 : TRegistroFProcesso {};
struct TRegistroF509 : TRegistroFProcesso {};
struct TRegistroF519 : TRegistroFProcesso {};
struct TRegistroF559 : TRegistroFProcesso {};
struct TRegistroF569 : TRegistroFProcesso {};
using TRegistroF111List = TRegistroList<TRegistroF111>;
using TRegistroF129List = TRegistroList<TRegistroF129>;
using TRegistroF139List = TRegistroList<TRegistroF139>;
using TRegistroF211List = TRegistroList<TRegistroF211>;
using TRegistroF509List = TRegistroList<TRegistroF509>;
using TRegistroF519List = TRegistroList<TRegistroF519>;
using TRegistroF559List = TRegistroList<TRegistroF559>;
using TRegistroF569List = TRegistroList<TRegistroF569>;

struct TRegistroF100 {
  TVornIndTpOperacaoReceita IND_OPER{};
  std::string COD_PART, COD_ITEM;
  TDateTime DT_OPER = 0;
  Currency VL_OPER;
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  TVornNatBcCred NAT_BC_CRED{};
  TVornIndOrigCred IND_ORIG_CRED{};
  std::string COD_CTA, COD_CCUS, DESC_DOC_OPER;
  TRegistroF111List RegistroF111;
};
using TRegistroF100List = TRegistroList<TRegistroF100>;

struct TRegistroF120 {
  TVornNatBcCred NAT_BC_CRED{};
  std::string IDENT_BEM_IMOB, IND_ORIG_CRED, IND_UTIL_BEM_IMOB;
  Currency VL_OPER_DEP, PARC_OPER_NAO_BC_CRED;
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA, COD_CCUS, DESC_BEM_IMOB;
  TRegistroF129List RegistroF129;
};
using TRegistroF120List = TRegistroList<TRegistroF120>;

struct TRegistroF130 {
  TVornNatBcCred NAT_BC_CRED{};
  std::string IDENT_BEM_IMOB, IND_ORIG_CRED, IND_UTIL_BEM_IMOB, MES_OPER_AQUIS;
  Currency VL_OPER_AQUIS, PARC_OPER_NAO_BC_CRED, VL_BC_CRED;
  int IND_NR_PARC = 0;
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_CTA, COD_CCUS, DESC_BEM_IMOB;
  TRegistroF139List RegistroF139;
};
using TRegistroF130List = TRegistroList<TRegistroF130>;

struct TRegistroF150 {
  TVornNatBcCred NAT_BC_CRED{};
  Currency VL_TOT_EST, EST_IMP, VL_BC_EST, VL_BC_MEN_EST;
  TVornCstPis CST_PIS{};
  Currency ALIQ_PIS, VL_CRED_PIS;
  TVornCstCofins CST_COFINS{};
  Currency ALIQ_COFINS, VL_CRED_COFINS;
  std::string DESC_EST, COD_CTA;
};
using TRegistroF150List = TRegistroList<TRegistroF150>;

struct TRegistroF205 {
  Currency VL_CUS_INC_ACUM_ANT, VL_CUS_INC_PER_ESC, VL_CUS_INC_ACUM, VL_EXC_BC_CUS_INC_ACUM, VL_BC_CUS_INC;
  TVornCstPis CST_PIS{};
  Currency ALIQ_PIS, VL_CRED_PIS_ACUM, VL_CRED_PIS_DESC_ANT, VL_CRED_PIS_DESC, VL_CRED_PIS_DESC_FUT;
  TVornCstCofins CST_COFINS{};
  Currency ALIQ_COFINS, VL_CRED_COFINS_ACUM, VL_CRED_COFINS_DESC_ANT, VL_CRED_COFINS_DESC, VL_CRED_COFINS_DESC_FUT;
};

struct TRegistroF210 {
  Currency VL_CUS_ORC, VL_EXC, VL_CUS_ORC_AJU, VL_BC_CRED;
  TVornCstPis CST_PIS{};
  Currency ALIQ_PIS, VL_CRED_PIS_UTIL;
  TVornCstCofins CST_COFINS{};
  Currency ALIQ_COFINS, VL_CRED_COFINS_UTIL;
};
using TRegistroF210List = TRegistroList<TRegistroF210>;

struct TRegistroF200 {
  std::string IND_OPER, UNID_IMOB, IDENT_EMP, DESC_UNID_IMOB, NUM_CONT, CPF_CNPJ_ADQU;
  TDateTime DT_OPER = 0;
  Currency VL_TOT_VEND, VL_REC_ACUM, VL_TOT_REC;
  TVornCstPis CST_PIS{};
  Currency VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_BC_COFINS, ALIQ_COFINS, VL_COFINS, PERC_REC_RECEB;
  std::string IND_NAT_EMP, INF_COMP;
  TRegistroF205 RegistroF205;  // one per F200, always present
  TRegistroF210List RegistroF210;
  TRegistroF211List RegistroF211;
};
using TRegistroF200List = TRegistroList<TRegistroF200>;

// F500 (cash regime) and F550 (accrual regime), by rate.
struct TRegistroF500 {
  Currency VL_REC_CAIXA;
  TVornCstPis CST_PIS{};
  Currency VL_DESC_PIS, VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_DESC_COFINS, VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_MOD;
  int CFOP = 0;
  std::string COD_CTA, INFO_COMPL;
  TRegistroF509List RegistroF509;
};
using TRegistroF500List = TRegistroList<TRegistroF500>;

struct TRegistroF550 {
  Currency VL_REC_COMP;
  TVornCstPis CST_PIS{};
  Currency VL_DESC_PIS, VL_BC_PIS, ALIQ_PIS, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_DESC_COFINS, VL_BC_COFINS, ALIQ_COFINS, VL_COFINS;
  std::string COD_MOD;
  int CFOP = 0;
  std::string COD_CTA, INFO_COMPL;
  TRegistroF559List RegistroF559;
};
using TRegistroF550List = TRegistroList<TRegistroF550>;

// F510 (cash regime) and F560 (accrual regime), by quantity.
struct TRegistroF510 {
  Currency VL_REC_CAIXA;
  TVornCstPis CST_PIS{};
  Currency VL_DESC_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_DESC_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_MOD;
  int CFOP = 0;
  std::string COD_CTA, INFO_COMPL;
  TRegistroF519List RegistroF519;
};
using TRegistroF510List = TRegistroList<TRegistroF510>;

struct TRegistroF560 {
  Currency VL_REC_COMP;
  TVornCstPis CST_PIS{};
  Currency VL_DESC_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT, VL_PIS;
  TVornCstCofins CST_COFINS{};
  Currency VL_DESC_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT, VL_COFINS;
  std::string COD_MOD;
  int CFOP = 0;
  std::string COD_CTA, INFO_COMPL;
  TRegistroF569List RegistroF569;
};
using TRegistroF560List = TRegistroList<TRegistroF560>;

struct TRegistroF525 {
  Currency VL_REC;
  TVornInd_Rec IND_REC{};
  std::string CNPJ_CPF, NUM_DOC, COD_ITEM;
  Currency VL_REC_DET;
  TVornCstPis CST_PIS{};
  TVornCstCofins CST_COFINS{};
  std::string INFO_COMPL, COD_CTA;
};
using TRegistroF525List = TRegistroList<TRegistroF525>;

struct TRegistroF600 {
  TVornIndNatRetFonte IND_NAT_RET{};
  TDateTime DT_RET = 0;
  Currency VL_BC_RET, VL_RET;
  std::string COD_REC;
  TVornIndNatRec IND_NAT_REC{};
  std::string CNPJ;
  Currency VL_RET_PIS, VL_RET_COFINS;
  std::string IND_DEC;
};
using TRegistroF600List = TRegistroList<TRegistroF600>;

struct TRegistroF700 {
  TVornIndOrigemDiversas IND_ORI_DED{};
  TVornIndNatDeducao IND_NAT_DED{};
  Currency VL_DED_PIS, VL_DED_COFINS, VL_BC_OPER;
  std::string CNPJ, INF_COMP;
};
using TRegistroF700List = TRegistroList<TRegistroF700>;

struct TRegistroF800 {
  std::string IND_NAT_EVEN;
  TDateTime DT_EVEN = 0;
  std::string CNPJ_SUCED, PA_CONT_CRED;
  TVornCodCred COD_CRED{};
  Currency VL_CRED_PIS, VL_CRED_COFINS, PER_CRED_CIS;
};
using TRegistroF800List = TRegistroList<TRegistroF800>;

struct TRegistroF010 {
  std::string CNPJ;
  TRegistroF100List RegistroF100;
  TRegistroF120List RegistroF120;
  TRegistroF130List RegistroF130;
  TRegistroF150List RegistroF150;
  TRegistroF200List RegistroF200;
  TRegistroF500List RegistroF500;
  TRegistroF510List RegistroF510;
  TRegistroF525List RegistroF525;
  TRegistroF550List RegistroF550;
  TRegistroF560List RegistroF560;
  TRegistroF600List RegistroF600;
  TRegistroF700List RegistroF700;
  TRegistroF800List RegistroF800;
};
using TRegistroF010List = TRegistroList<TRegistroF010>;

struct TRegistroF001 : TOpenBlocos {
  TRegistroF010List RegistroF010;
};

struct TRegistroF990 { int QTD_LIN_F = 0; };
