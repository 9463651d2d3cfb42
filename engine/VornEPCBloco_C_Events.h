#pragma once
// Before-write events of C481, C485, C491 and C495: the handler sees each record just before
// its line is built, may change it, and says through five flags which zero values of the
// base, rate, quantity base, quantity rate and contribution are written as empty fields.
// The flags keep their values from one record of a list to the next.
#include <functional>

#include "VornEPCBloco_C.h"

using TWriteRegistroC481Event =
    std::function<void(TRegistroC481& AC481, bool& ANullVL_BC_PIS, bool& ANullALIQ_PIS, bool& ANullQUANT_BC_PIS,
                       bool& ANullALIQ_PIS_QUANT, bool& ANullVL_PIS)>;
using TWriteRegistroC485Event =
    std::function<void(TRegistroC485& AC485, bool& ANullVL_BC_COFINS, bool& ANullALIQ_COFINS,
                       bool& ANullQUANT_BC_COFINS, bool& ANullALIQ_COFINS_QUANT, bool& ANullVL_COFINS)>;
using TWriteRegistroC491Event =
    std::function<void(TRegistroC491& AC491, bool& ANullVL_BC_PIS, bool& ANullALIQ_PIS, bool& ANullQUANT_BC_PIS,
                       bool& ANullALIQ_PIS_QUANT, bool& ANullVL_PIS)>;
using TWriteRegistroC495Event =
    std::function<void(TRegistroC495& AC495, bool& ANullVL_BC_COFINS, bool& ANullALIQ_COFINS,
                       bool& ANullQUANT_BC_COFINS, bool& ANullALIQ_COFINS_QUANT, bool& ANullVL_COFINS)>;
