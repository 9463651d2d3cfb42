#pragma once
// Block A register records (services).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroA001 : TOpenBlocos {
};

struct TRegistroA990 { int QTD_LIN_A = 0; };
