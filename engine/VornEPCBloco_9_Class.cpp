#include "VornEPCBloco_9_Class.h"

TBloco_9::TBloco_9() { CriaRegistros(); }

void TBloco_9::CriaRegistros() {
  registro9001_ = std::make_unique<TRegistro9001>();
  registro9900_ = std::make_unique<TRegistro9900List>();
  registro9990_ = std::make_unique<TRegistro9990>();
  registro9999_ = std::make_unique<TRegistro9999>();
}

void TBloco_9::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_9::AddEntry(const std::string& code, int count) {
  TRegistro9900& r = registro9900_->New();
  r.REG_BLC = code;
  r.QTD_REG_BLC = count;
}

void TBloco_9::WriteRegistro9001() {
  Line("9001").Int(static_cast<int>(registro9001_->IND_MOV)).Add();
}

void TBloco_9::WriteRegistro9900() {
  // These lines, 9990 and 9999 are counted together by the caller.
  for (const auto& r : *registro9900_) {
    std::string line;
    AppendText(line, "9900");
    AppendText(line, r.REG_BLC);
    AppendInteger(line, r.QTD_REG_BLC);
    Add(std::move(line), true);
  }
}

void TBloco_9::WriteRegistro9990() {
  std::string line;
  AppendText(line, "9990");
  AppendInteger(line, registro9990_->QTD_LIN_9);
  Add(std::move(line), true);
}

void TBloco_9::WriteRegistro9999() {
  std::string line;
  AppendText(line, "9999");
  AppendInteger(line, registro9999_->QTD_LIN);
  Add(std::move(line), true);
}
