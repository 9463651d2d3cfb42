#include "ExtracaoPendente.h"
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoC() { VornVUDIRozAzezav1Error(AvisoExtracaoPendente("C")); }
