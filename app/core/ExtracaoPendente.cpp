// Block extractions whose ERP reading is not built yet: they leave their block's tree as it is,
// so the run writes those blocks empty.
#include "FrmVUDIRozAzezav.h"

void TFrmVUDIRozAzezav::ExtraiBlocoA() {}
void TFrmVUDIRozAzezav::ExtraiBlocoC() {}
void TFrmVUDIRozAzezav::ExtraiBlocoCConsolidado() {}
void TFrmVUDIRozAzezav::ExtraiBlocoD() {}
void TFrmVUDIRozAzezav::ExtraiBlocoF() {}
void TFrmVUDIRozAzezav::ExtraiBlocoM() {}
void TFrmVUDIRozAzezav::ExtraiBloco1() {}
