#include "ExtracaoPendente.h"
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoD() { VornVUDIRozAzezav1Error(AvisoExtracaoPendente("D")); }
