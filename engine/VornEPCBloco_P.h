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

struct TRegistroP001 : TOpenBlocos {
};

struct TRegistroP990 { int QTD_LIN_P = 0; };
