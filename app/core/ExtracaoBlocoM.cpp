#include "ExtracaoPendente.h"
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoM() { VornVUDIRozAzezav1Error(AvisoExtracaoPendente("M")); }
