#include "VornEPCBloco_P_Class.h"

TBloco_P::TBloco_P() { CriaRegistros(); }

void TBloco_P::CriaRegistros() {
  registroP001_ = std::make_unique<TRegistroP001>();
  registroP001_->IND_MOV = TVornIndMov::imSemDados;
  registroP990_ = std::make_unique<TRegistroP990>();
  RegistroP010Count = 0;
  RegistroP100Count = 0;
  RegistroP110Count = 0;
  RegistroP199Count = 0;
  RegistroP200Count = 0;
  RegistroP210Count = 0;
}

void TBloco_P::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_P::WriteRegistroP001() {
  Line("P001").Int(static_cast<int>(registroP001_->IND_MOV)).Add();
  if (registroP001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_P::WriteRegistroP990() {
  // The closing line counts itself.
  ++registroP990_->QTD_LIN_P;
  std::string line;
  AppendText(line, "P990");
  AppendInteger(line, registroP990_->QTD_LIN_P);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_P::ContagemRegistros() const {
  return {{"P010", RegistroP010Count}, {"P100", RegistroP100Count}, {"P110", RegistroP110Count}, {"P199", RegistroP199Count}, {"P200", RegistroP200Count}, {"P210", RegistroP210Count}};
}
