#include "VornEPCBloco_F_Class.h"

TBloco_F::TBloco_F() { CriaRegistros(); }

void TBloco_F::CriaRegistros() {
  registroF001_ = std::make_unique<TRegistroF001>();
  registroF001_->IND_MOV = TVornIndMov::imSemDados;
  registroF990_ = std::make_unique<TRegistroF990>();
  RegistroF010Count = 0;
  RegistroF100Count = 0;
  RegistroF111Count = 0;
  RegistroF120Count = 0;
  RegistroF129Count = 0;
  RegistroF130Count = 0;
  RegistroF139Count = 0;
  RegistroF150Count = 0;
  RegistroF200Count = 0;
  RegistroF205Count = 0;
  RegistroF210Count = 0;
  RegistroF211Count = 0;
  RegistroF500Count = 0;
  RegistroF509Count = 0;
  RegistroF510Count = 0;
  RegistroF519Count = 0;
  RegistroF525Count = 0;
  RegistroF550Count = 0;
  RegistroF559Count = 0;
  RegistroF560Count = 0;
  RegistroF569Count = 0;
  RegistroF600Count = 0;
  RegistroF700Count = 0;
  RegistroF800Count = 0;
}

void TBloco_F::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_F::WriteRegistroF001() {
  Line("F001").Int(static_cast<int>(registroF001_->IND_MOV)).Add();
  if (registroF001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_F::WriteRegistroF990() {
  // The closing line counts itself.
  ++registroF990_->QTD_LIN_F;
  std::string line;
  AppendText(line, "F990");
  AppendInteger(line, registroF990_->QTD_LIN_F);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_F::ContagemRegistros() const {
  return {{"F010", RegistroF010Count}, {"F100", RegistroF100Count}, {"F111", RegistroF111Count}, {"F120", RegistroF120Count}, {"F129", RegistroF129Count}, {"F130", RegistroF130Count}, {"F139", RegistroF139Count}, {"F150", RegistroF150Count}, {"F200", RegistroF200Count}, {"F205", RegistroF205Count}, {"F210", RegistroF210Count}, {"F211", RegistroF211Count}, {"F500", RegistroF500Count}, {"F510", RegistroF510Count}, {"F525", RegistroF525Count}, {"F550", RegistroF550Count}, {"F559", RegistroF559Count}, {"F560", RegistroF560Count}, {"F600", RegistroF600Count}, {"F700", RegistroF700Count}, {"F800", RegistroF800Count}};
}
