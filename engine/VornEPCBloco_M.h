#pragma once
// Block M register records (assessment of the contributions): PIS and COFINS credits,
// consolidated contributions with their details, deferrals, payroll PIS and revenues without
// contribution. M200, M350 and M600 (and M211/M611 below each M210/M610) occur once and are
// held by value.
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

// Credit adjustment detail (M115, M225 with CST_PIS).
struct TRegistroM115 {
  Currency DET_VALOR_AJ;
  TVornCstPis CST_PIS{};
  Currency DET_BC_CRED, DET_ALIQ;
  TDateTime DT_OPER_AJ = 0;
  std::string DESC_AJ, COD_CTA, INFO_COMPL;
};
using TRegistroM225 = TRegistroM115;

// Its COFINS twin (M515, M625).
struct TRegistroM515 {
  Currency DET_VALOR_AJ;
  TVornCstCofins CST_COFINS{};
  Currency DET_BC_CRED, DET_ALIQ;
  TDateTime DT_OPER_AJ = 0;
  std::string DESC_AJ, COD_CTA, INFO_COMPL;
};
using TRegistroM625 = TRegistroM515;

// Adjustment fields shared by M110, M220, M510 and M620.
struct TAjusteM {
  TVornIndAJ IND_AJ{};
  Currency VL_AJ;
  TVornCodAj COD_AJ{};
  std::string NUM_DOC, DESCR_AJ;
  TDateTime DT_REF = 0;
};
struct TRegistroM110 : TAjusteM { TRegistroList<TRegistroM115> RegistroM115; };
struct TRegistroM220 : TAjusteM { TRegistroList<TRegistroM225> RegistroM225; };
struct TRegistroM510 : TAjusteM { TRegistroList<TRegistroM515> RegistroM515; };
struct TRegistroM620 : TAjusteM { TRegistroList<TRegistroM625> RegistroM625; };

struct TRegistroM105 {
  TVornNatBcCred NAT_BC_CRED{};
  TVornCstPis CST_PIS{};
  Variant VL_BC_PIS_TOT, VL_BC_PIS_CUM, VL_BC_PIS_NC, VL_BC_PIS, QUANT_BC_PIS_TOT, QUANT_BC_PIS;
  std::string DESC_CRED;
};

struct TRegistroM100 {
  std::string COD_CRED;
  TVornIndCredOri IND_CRED_ORI{};
  Variant VL_BC_PIS, ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT;
  Currency VL_CRED, VL_AJUS_ACRES, VL_AJUS_REDUC, VL_CRED_DIF, VL_CRED_DISP;
  TVornIndDescCred IND_DESC_CRED{};
  Variant VL_CRED_DESC;
  Currency SLD_CRED;
  TRegistroList<TRegistroM105> RegistroM105;
  TRegistroList<TRegistroM110> RegistroM110;
};

struct TRegistroM505 {
  TVornNatBcCred NAT_BC_CRED{};
  TVornCstCofins CST_COFINS{};
  Variant VL_BC_COFINS_TOT, VL_BC_COFINS_CUM, VL_BC_COFINS_NC, VL_BC_COFINS, QUANT_BC_COFINS_TOT, QUANT_BC_COFINS;
  std::string DESC_CRED;
};

struct TRegistroM500 {
  std::string COD_CRED;
  TVornIndCredOri IND_CRED_ORI{};
  Variant VL_BC_COFINS, ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT;
  Currency VL_CRED, VL_AJUS_ACRES, VL_AJUS_REDUC, VL_CRED_DIFER, VL_CRED_DISP;
  TVornIndDescCred IND_DESC_CRED{};
  Variant VL_CRED_DESC;
  Currency SLD_CRED;
  TRegistroList<TRegistroM505> RegistroM505;
  TRegistroList<TRegistroM510> RegistroM510;
};

// Payable amount by revenue code (M205, M605).
struct TRegistroM205 {
  std::string NUM_CAMPO, COD_REC;
  Currency VL_DEBITO;
};
using TRegistroM605 = TRegistroM205;

// Cooperative base exclusions (M211, M611).
struct TRegistroM211 {
  TVornIndTipCoop IND_TIP_COOP{};
  Currency VL_BC_CONT_ANT_EXC_COOP, VL_EXC_COOP_GER, VL_EXC_ESP_COOP, VL_BC_CONT;
};
using TRegistroM611 = TRegistroM211;

// Adjustment of the contribution base (M215, M615).
struct TRegistroM215 {
  TVornIndAJ IND_AJ_BC{};
  Currency VL_AJ_BC;
  TVornTabCodAjBaseCalcContrib COD_AJ_BC{};
  std::string NUM_DOC, DESCR_AJ_BC;
  TDateTime DT_REF = 0;
  std::string COD_CTA, CNPJ, INFO_COMPL;
};
using TRegistroM615 = TRegistroM215;

// Deferred contribution and credit (M230, M630).
struct TRegistroM230 {
  std::string CNPJ;
  Currency VL_VEND, VL_NAO_RECEB, VL_CONT_DIF, VL_CRED_DIF;
  std::string COD_CRED;
};
using TRegistroM630 = TRegistroM230;

struct TRegistroM210 {
  TVornCodCont COD_CONT{};
  Currency VL_REC_BRT, VL_BC_CONT, VL_AJUS_ACRES_BC_PIS, VL_AJUS_REDUC_BC_PIS, VL_BC_CONT_AJUS;
  Variant ALIQ_PIS, QUANT_BC_PIS, ALIQ_PIS_QUANT;
  Currency VL_CONT_APUR, VL_AJUS_ACRES, VL_AJUS_REDUC;
  Variant VL_CONT_DIFER, VL_CONT_DIFER_ANT;
  Currency VL_CONT_PER;
  TRegistroM211 RegistroM211;
  TRegistroList<TRegistroM215> RegistroM215;
  TRegistroList<TRegistroM220> RegistroM220;
  TRegistroList<TRegistroM230> RegistroM230;
};

struct TRegistroM610 {
  TVornCodCont COD_CONT{};
  Currency VL_REC_BRT, VL_BC_CONT, VL_AJUS_ACRES_BC_COFINS, VL_AJUS_REDUC_BC_COFINS, VL_BC_CONT_AJUS;
  Variant ALIQ_COFINS, QUANT_BC_COFINS, ALIQ_COFINS_QUANT;
  Currency VL_CONT_APUR, VL_AJUS_ACRES, VL_AJUS_REDUC;
  Variant VL_CONT_DIFER, VL_CONT_DIFER_ANT;
  Currency VL_CONT_PER;
  TRegistroM611 RegistroM611;
  TRegistroList<TRegistroM615> RegistroM615;
  TRegistroList<TRegistroM620> RegistroM620;
  TRegistroList<TRegistroM630> RegistroM630;
};

// Consolidated contribution fields shared by M200 and M600.
struct TConsolidacaoM {
  Currency VL_TOT_CONT_NC_PER, VL_TOT_CRED_DESC, VL_TOT_CRED_DESC_ANT, VL_TOT_CONT_NC_DEV, VL_RET_NC,
      VL_OUT_DED_NC, VL_CONT_NC_REC, VL_TOT_CONT_CUM_PER, VL_RET_CUM, VL_OUT_DED_CUM, VL_CONT_CUM_REC,
      VL_TOT_CONT_REC;
};
struct TRegistroM200 : TConsolidacaoM {
  TRegistroList<TRegistroM205> RegistroM205;
  TRegistroList<TRegistroM210> RegistroM210;
};
struct TRegistroM600 : TConsolidacaoM {
  TRegistroList<TRegistroM605> RegistroM605;
  TRegistroList<TRegistroM610> RegistroM610;
};

// Contribution deferred from earlier periods (M300, M700).
struct TRegistroM300 {
  TVornCodCont COD_CONT{};
  Currency VL_CONT_APUR_DIFER;
  TVornNatCredDesc NAT_CRED_DESC{};
  Currency VL_CRED_DESC_DIFER, VL_CONT_DIFER_ANT;
  std::string PER_APUR;
  TDateTime DT_RECEB = 0;
};
using TRegistroM700 = TRegistroM300;

struct TRegistroM350 {
  Currency VL_TOT_FOL, VL_EXC_BC, VL_TOT_BC, ALIQ_PIS_FOL, VL_TOT_CONT_FOL;
};

// Revenue detail by nature (M410, M810).
struct TRegistroM410 {
  std::string NAT_REC;
  Currency VL_REC;
  std::string COD_CTA, DESC_COMPL;
};
using TRegistroM810 = TRegistroM410;

struct TRegistroM410List : TRegistroList<TRegistroM410> {
  TRegistroM410* LocalizaRegistro(const std::string& ANAT_REC, const std::string& ACOD_CTA,
                                  const std::string& ADESC_COMPL) {
    return Find([&](const TRegistroM410& r) {
      return r.NAT_REC == ANAT_REC && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL;
    });
  }
};
using TRegistroM810List = TRegistroM410List;

struct TRegistroM400 {
  TVornCstPis CST_PIS{};
  Currency VL_TOT_REC;
  std::string COD_CTA, DESC_COMPL;
  TRegistroM410List RegistroM410;
  TRegistroM410* LocalizaRegistroM410(const std::string& ANAT_REC, const std::string& ACOD_CTA,
                                      const std::string& ADESC_COMPL) {
    return RegistroM410.LocalizaRegistro(ANAT_REC, ACOD_CTA, ADESC_COMPL);
  }
};

struct TRegistroM800 {
  TVornCstCofins CST_COFINS{};
  Currency VL_TOT_REC;
  std::string COD_CTA, DESC_COMPL;
  TRegistroM810List RegistroM810;
  TRegistroM810* LocalizaRegistroM810(const std::string& ANAT_REC, const std::string& ACOD_CTA,
                                      const std::string& ADESC_COMPL) {
    return RegistroM810.LocalizaRegistro(ANAT_REC, ACOD_CTA, ADESC_COMPL);
  }
};

struct TRegistroM001 : TOpenBlocos {
  TRegistroList<TRegistroM100> RegistroM100;
  TRegistroM200 RegistroM200;
  TRegistroList<TRegistroM300> RegistroM300;
  TRegistroM350 RegistroM350;
  TRegistroList<TRegistroM400> RegistroM400;
  TRegistroList<TRegistroM500> RegistroM500;
  TRegistroM600 RegistroM600;
  TRegistroList<TRegistroM700> RegistroM700;
  TRegistroList<TRegistroM800> RegistroM800;

  TRegistroM400* LocalizaRegistroM400(TVornCstPis ACST_PIS, const std::string& ACOD_CTA,
                                      const std::string& ADESC_COMPL) {
    return RegistroM400.Find([&](const TRegistroM400& r) {
      return r.CST_PIS == ACST_PIS && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL;
    });
  }
  TRegistroM800* LocalizaRegistroM800(TVornCstCofins ACST_COFINS, const std::string& ACOD_CTA,
                                      const std::string& ADESC_COMPL) {
    return RegistroM800.Find([&](const TRegistroM800& r) {
      return r.CST_COFINS == ACST_COFINS && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL;
    });
  }
};

struct TRegistroM990 { int QTD_LIN_M = 0; };
