#pragma once
// Block I register records (financial institutions).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroI001 : TOpenBlocos {
};

struct TRegistroI990 { int QTD_LIN_I = 0; };
