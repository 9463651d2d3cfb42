#include "VornEPCBloco_D_Class.h"

TBloco_D::TBloco_D() { CriaRegistros(); }

void TBloco_D::CriaRegistros() {
  registroD001_ = std::make_unique<TRegistroD001>();
  registroD001_->IND_MOV = TVornIndMov::imSemDados;
  registroD990_ = std::make_unique<TRegistroD990>();
  RegistroD010Count = 0;
  RegistroD100Count = 0;
  RegistroD101Count = 0;
  RegistroD105Count = 0;
  RegistroD111Count = 0;
  RegistroD200Count = 0;
  RegistroD201Count = 0;
  RegistroD205Count = 0;
  RegistroD209Count = 0;
  RegistroD300Count = 0;
  RegistroD309Count = 0;
  RegistroD350Count = 0;
  RegistroD359Count = 0;
  RegistroD500Count = 0;
  RegistroD501Count = 0;
  RegistroD505Count = 0;
  RegistroD509Count = 0;
  RegistroD600Count = 0;
  RegistroD601Count = 0;
  RegistroD605Count = 0;
  RegistroD609Count = 0;
}

void TBloco_D::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_D::WriteRegistroD001() {
  Line("D001").Int(static_cast<int>(registroD001_->IND_MOV)).Add();
  if (registroD001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_D::WriteRegistroD990() {
  // The closing line counts itself.
  ++registroD990_->QTD_LIN_D;
  std::string line;
  AppendText(line, "D990");
  AppendInteger(line, registroD990_->QTD_LIN_D);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_D::ContagemRegistros() const {
  return {{"D010", RegistroD010Count}, {"D100", RegistroD100Count}, {"D101", RegistroD101Count}, {"D105", RegistroD105Count}, {"D111", RegistroD111Count}, {"D200", RegistroD200Count}, {"D201", RegistroD201Count}, {"D205", RegistroD205Count}, {"D209", RegistroD209Count}, {"D300", RegistroD300Count}, {"D309", RegistroD309Count}, {"D350", RegistroD350Count}, {"D359", RegistroD359Count}, {"D500", RegistroD500Count}, {"D501", RegistroD501Count}, {"D505", RegistroD505Count}, {"D509", RegistroD509Count}, {"D600", RegistroD600Count}, {"D601", RegistroD601Count}, {"D605", RegistroD605Count}, {"D609", RegistroD609Count}};
}
