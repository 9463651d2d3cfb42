#include "ExtracaoPendente.h"
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoCConsolidado() { VornVUDIRozAzezav1Error(AvisoExtracaoPendente("C")); }
