#pragma once
// Block 1 register records (complements: carried credits, withholdings and consolidations).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistro1001 : TOpenBlocos {
};

struct TRegistro1990 { int QTD_LIN_1 = 0; };
