// Blocks whose reading from the ERP is not built yet: their trees stay as they are, so the run
// writes those blocks without data. The message list says so, because a file with an empty
// block C or M is not one to send to the tax authority.
#include "FrmVUDIRozAzezav.h"

namespace {
std::string Aviso(const std::string& bloco) {
  return "AVISO: a leitura do Bloco " + bloco + " no ERP ainda não está disponível nesta versão; o bloco foi gravado sem dados.";
}
}  // namespace

void TFrmVUDIRozAzezav::ExtraiBlocoA() { VornVUDIRozAzezav1Error(Aviso("A")); }
void TFrmVUDIRozAzezav::ExtraiBlocoC() { VornVUDIRozAzezav1Error(Aviso("C")); }
void TFrmVUDIRozAzezav::ExtraiBlocoCConsolidado() { VornVUDIRozAzezav1Error(Aviso("C")); }
void TFrmVUDIRozAzezav::ExtraiBlocoD() { VornVUDIRozAzezav1Error(Aviso("D")); }
void TFrmVUDIRozAzezav::ExtraiBlocoM() { VornVUDIRozAzezav1Error(Aviso("M")); }
