#include "ExtracaoPendente.h"
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoA() { VornVUDIRozAzezav1Error(AvisoExtracaoPendente("A")); }
