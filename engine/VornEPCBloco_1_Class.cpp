#include "VornEPCBloco_1_Class.h"

TBloco_1::TBloco_1() { CriaRegistros(); }

void TBloco_1::CriaRegistros() {
  registro1001_ = std::make_unique<TRegistro1001>();
  registro1001_->IND_MOV = TVornIndMov::imSemDados;
  registro1990_ = std::make_unique<TRegistro1990>();
  Registro1010Count = 0;
  Registro1011Count = 0;
  Registro1020Count = 0;
  Registro1050Count = 0;
  Registro1100Count = 0;
  Registro1101Count = 0;
  Registro1102Count = 0;
  Registro1200Count = 0;
  Registro1210Count = 0;
  Registro1220Count = 0;
  Registro1300Count = 0;
  Registro1500Count = 0;
  Registro1501Count = 0;
  Registro1502Count = 0;
  Registro1600Count = 0;
  Registro1610Count = 0;
  Registro1620Count = 0;
  Registro1700Count = 0;
  Registro1800Count = 0;
  Registro1809Count = 0;
  Registro1900Count = 0;
}

void TBloco_1::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_1::WriteRegistro1001() {
  Line("1001").Int(static_cast<int>(registro1001_->IND_MOV)).Add();
  if (registro1001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_1::WriteRegistro1990() {
  // The closing line counts itself.
  ++registro1990_->QTD_LIN_1;
  std::string line;
  AppendText(line, "1990");
  AppendInteger(line, registro1990_->QTD_LIN_1);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_1::ContagemRegistros() const {
  std::vector<TRegisterCount> out{{"1010", Registro1010Count}};
  // 1011 is listed only below a written 1010.
  if (Registro1010Count > 0) out.push_back({"1011", Registro1011Count});
  for (TRegisterCount c : std::vector<TRegisterCount>{{"1020", Registro1020Count}, {"1050", Registro1050Count}, {"1100", Registro1100Count}, {"1101", Registro1101Count}, {"1102", Registro1102Count}, {"1200", Registro1200Count}, {"1210", Registro1210Count}, {"1220", Registro1220Count}, {"1300", Registro1300Count}, {"1500", Registro1500Count}, {"1501", Registro1501Count}, {"1502", Registro1502Count}, {"1600", Registro1600Count}, {"1610", Registro1610Count}, {"1620", Registro1620Count}, {"1700", Registro1700Count}, {"1800", Registro1800Count}, {"1809", Registro1809Count}, {"1900", Registro1900Count}})
    out.push_back(c);
  return out;
}
