#pragma once
// Block 9 register records: the line count of every register code and of the whole file.
#include <string>

#include "RegisterList.h"
#include "VornSped.h"

struct TRegistro9900 {
  std::string REG_BLC;
  int QTD_REG_BLC = 0;
};
using TRegistro9900List = TRegistroList<TRegistro9900>;

struct TRegistro9001 : TOpenBlocos {};
struct TRegistro9990 { int QTD_LIN_9 = 0; };
struct TRegistro9999 { int QTD_LIN = 0; };
