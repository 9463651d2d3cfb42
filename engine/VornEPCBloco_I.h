#pragma once
// Block I register records (financial institutions): revenue by CST per establishment, with
// the deduction and accounting details and their processes.
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroI199 {
  TVornOrigemProcesso IND_PROC{};
  std::string NUM_PROC;
};

struct TRegistroI299 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};

struct TRegistroI399 {
  std::string NUM_PROC;
  TVornOrigemProcesso IND_PROC{};
};

struct TRegistroI300 {
  TRegistroList<TRegistroI399> RegistroI399;
  std::string COD_COMP;
  double DET_VALOR = 0;
  std::string COD_CTA, INFO_COMPL;
};

struct TRegistroI200 {
  TRegistroList<TRegistroI299> RegistroI299;
  TRegistroList<TRegistroI300> RegistroI300;
  std::string NUM_CAMPO, COD_DET;
  double DET_VALOR = 0;
  std::string COD_CTA, INFO_COMPL;
};

struct TRegistroI100 {
  TRegistroList<TRegistroI199> RegistroI199;
  TRegistroList<TRegistroI200> RegistroI200;
  double VL_REC = 0;
  TVornCstPisCofins CST_PIS_COFINS{};
  double VL_TOT_DED_GER = 0, VL_TOT_DED_ESP = 0, ALIQ_COFINS = 0, VL_BC_PIS = 0, ALIQ_PIS = 0, VL_PIS = 0,
         VL_BC_COFINS = 0, VL_COFINS = 0;
  std::string INFO_COMPL;
};

struct TRegistroI010 {
  TRegistroList<TRegistroI100> RegistroI100;
  std::string CNPJ;
  int IND_ATIV = 0;
  std::string INFO_COMPL;
};

struct TRegistroI001 : TOpenBlocos {
  TRegistroList<TRegistroI010> RegistroI010;
};

struct TRegistroI990 { int QTD_LIN_I = 0; };
