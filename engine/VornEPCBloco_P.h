#pragma once
// Block P register records (social security contribution on gross revenue).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

// REG is kept for the ERP's sake; the writers put the fixed register code in its place.

struct TRegistroP110 {
  std::string REG, NUM_CAMPO, COD_DET;
  Currency DET_VALOR;
  std::string INF_COMPL;
};

struct TRegistroP199 {
  std::string REG, NUM_PROC, IND_PROC;
};

struct TRegistroP100 {
  std::string REG;
  TDateTime DT_INI = 0, DT_FIM = 0;
  Currency VL_REC_TOT_EST;
  std::string COD_ATIV_ECON;
  Currency VL_REC_ATIV_ESTAB, VL_EXC, VL_BC_CONT, ALIQ_CONT, VL_CONT_APU;
  std::string COD_CTA, INFO_COMPL;
  TRegistroList<TRegistroP110> RegistroP110;
  TRegistroList<TRegistroP199> RegistroP199;
};

struct TRegistroP010 {
  std::string REG, CNPJ;
  TRegistroList<TRegistroP100> RegistroP100;
};

struct TRegistroP210 {
  std::string REG, IND_AJ;
  Currency VL_AJ;
  std::string COD_AJ, NUM_DOC, DESCR_AJ;
  TDateTime DT_REF = 0;
};

struct TRegistroP200 {
  std::string REG, PER_REF;
  Currency VL_TOT_CONT_APU, VL_TOT_AJ_REDUC, VL_TOT_AJ_ACRES, VL_TOT_CONT_DEV;
  std::string COD_REC;
  TRegistroList<TRegistroP210> RegistroP210;
};

struct TRegistroP001 : TOpenBlocos {
  TRegistroList<TRegistroP010> RegistroP010;
  TRegistroList<TRegistroP200> RegistroP200;
};

struct TRegistroP990 { int QTD_LIN_P = 0; };
