#include "VornEPCBloco_M_Class.h"

TBloco_M::TBloco_M() { CriaRegistros(); }

void TBloco_M::CriaRegistros() {
  registroM001_ = std::make_unique<TRegistroM001>();
  registroM001_->IND_MOV = TVornIndMov::imSemDados;
  registroM990_ = std::make_unique<TRegistroM990>();
  RegistroM100Count = 0;
  RegistroM105Count = 0;
  RegistroM110Count = 0;
  RegistroM115Count = 0;
  RegistroM200Count = 0;
  RegistroM205Count = 0;
  RegistroM210Count = 0;
  RegistroM211Count = 0;
  RegistroM215Count = 0;
  RegistroM220Count = 0;
  RegistroM225Count = 0;
  RegistroM230Count = 0;
  RegistroM300Count = 0;
  RegistroM350Count = 0;
  RegistroM400Count = 0;
  RegistroM410Count = 0;
  RegistroM500Count = 0;
  RegistroM505Count = 0;
  RegistroM510Count = 0;
  RegistroM515Count = 0;
  RegistroM600Count = 0;
  RegistroM605Count = 0;
  RegistroM610Count = 0;
  RegistroM611Count = 0;
  RegistroM615Count = 0;
  RegistroM620Count = 0;
  RegistroM625Count = 0;
  RegistroM630Count = 0;
  RegistroM700Count = 0;
  RegistroM800Count = 0;
  RegistroM810Count = 0;
}

void TBloco_M::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_M::WriteRegistroM001() {
  Line("M001").Int(static_cast<int>(registroM001_->IND_MOV)).Add();
  if (registroM001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_M::WriteRegistroM990() {
  // The closing line counts itself.
  ++registroM990_->QTD_LIN_M;
  std::string line;
  AppendText(line, "M990");
  AppendInteger(line, registroM990_->QTD_LIN_M);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_M::ContagemRegistros() const {
  return {{"M100", RegistroM100Count}, {"M105", RegistroM105Count}, {"M110", RegistroM110Count}, {"M115", RegistroM115Count}, {"M200", RegistroM200Count}, {"M205", RegistroM205Count}, {"M210", RegistroM210Count}, {"M211", RegistroM211Count}, {"M215", RegistroM215Count}, {"M220", RegistroM220Count}, {"M225", RegistroM225Count}, {"M230", RegistroM230Count}, {"M300", RegistroM300Count}, {"M350", RegistroM350Count}, {"M400", RegistroM400Count}, {"M410", RegistroM410Count}, {"M500", RegistroM500Count}, {"M505", RegistroM505Count}, {"M510", RegistroM510Count}, {"M515", RegistroM515Count}, {"M600", RegistroM600Count}, {"M605", RegistroM605Count}, {"M610", RegistroM610Count}, {"M611", RegistroM611Count}, {"M615", RegistroM615Count}, {"M620", RegistroM620Count}, {"M625", RegistroM625Count}, {"M630", RegistroM630Count}, {"M700", RegistroM700Count}, {"M800", RegistroM800Count}, {"M810", RegistroM810Count}};
}
