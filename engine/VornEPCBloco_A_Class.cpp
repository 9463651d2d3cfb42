#include "VornEPCBloco_A_Class.h"

TBloco_A::TBloco_A() { CriaRegistros(); }

void TBloco_A::CriaRegistros() {
  registroA001_ = std::make_unique<TRegistroA001>();
  registroA001_->IND_MOV = TVornIndMov::imSemDados;
  registroA990_ = std::make_unique<TRegistroA990>();
  RegistroA010Count = 0;
  RegistroA100Count = 0;
  RegistroA110Count = 0;
  RegistroA111Count = 0;
  RegistroA120Count = 0;
  RegistroA170Count = 0;
}

void TBloco_A::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_A::WriteRegistroA001() {
  if (registroA990_->QTD_LIN_A == 0) Line("A001").Int(static_cast<int>(registroA001_->IND_MOV)).Add();
  if (registroA001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_A::WriteRegistroA990() {
  // The closing line counts itself.
  ++registroA990_->QTD_LIN_A;
  std::string line;
  AppendText(line, "A990");
  AppendInteger(line, registroA990_->QTD_LIN_A);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_A::ContagemRegistros() const {
  return {{"A010", RegistroA010Count}, {"A100", RegistroA100Count}, {"A110", RegistroA110Count}, {"A111", RegistroA111Count}, {"A120", RegistroA120Count}, {"A170", RegistroA170Count}};
}
