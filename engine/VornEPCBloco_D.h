#pragma once
// Block D register records (transport and communication documents).
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistroD001 : TOpenBlocos {
};

struct TRegistroD990 { int QTD_LIN_D = 0; };
