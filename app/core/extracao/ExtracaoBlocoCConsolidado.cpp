#include "ExtracaoBlocoCConsolidado.h"

#include "ExtracaoPendente.h"

void TExtracaoBlocoCConsolidado::Executa() { geracao_.Mensagem(AvisoExtracaoPendente("C")); }
