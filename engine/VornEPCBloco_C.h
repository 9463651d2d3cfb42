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

struct TRegistroC001 : TOpenBlocos {
};

struct TRegistroC990 { int QTD_LIN_C = 0; };
