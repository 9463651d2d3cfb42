#pragma once
// Block M register records (assessment of the contributions).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroM001 : TOpenBlocos {
};

struct TRegistroM990 { int QTD_LIN_M = 0; };
