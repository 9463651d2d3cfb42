#include "VornEPCBloco_I_Class.h"

TBloco_I::TBloco_I() { CriaRegistros(); }

void TBloco_I::CriaRegistros() {
  registroI001_ = std::make_unique<TRegistroI001>();
  registroI001_->IND_MOV = TVornIndMov::imSemDados;
  registroI990_ = std::make_unique<TRegistroI990>();
  RegistroI010Count = 0;
  RegistroI100Count = 0;
  RegistroI199Count = 0;
  RegistroI200Count = 0;
  RegistroI299Count = 0;
  RegistroI300Count = 0;
  RegistroI399Count = 0;
}

void TBloco_I::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_I::WriteRegistroI001() {
  if (registroI990_->QTD_LIN_I == 0) Line("I001").Int(static_cast<int>(registroI001_->IND_MOV)).Add();
  if (registroI001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_I::WriteRegistroI990() {
  // The closing line counts itself.
  ++registroI990_->QTD_LIN_I;
  std::string line;
  AppendText(line, "I990");
  AppendInteger(line, registroI990_->QTD_LIN_I);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_I::ContagemRegistros() const {
  return {{"I010", RegistroI010Count}, {"I100", RegistroI100Count}, {"I199", RegistroI199Count}, {"I200", RegistroI200Count}, {"I299", RegistroI299Count}, {"I300", RegistroI300Count}, {"I399", RegistroI399Count}};
}
