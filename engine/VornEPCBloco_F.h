#pragma once
// Block F register records (other operations).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroF001 : TOpenBlocos {
};

struct TRegistroF990 { int QTD_LIN_F = 0; };
