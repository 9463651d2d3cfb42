#include "VornEPCBloco_C_Class.h"

TBloco_C::TBloco_C() { CriaRegistros(); }

void TBloco_C::CriaRegistros() {
  registroC001_ = std::make_unique<TRegistroC001>();
  registroC001_->IND_MOV = TVornIndMov::imSemDados;
  registroC990_ = std::make_unique<TRegistroC990>();
  RegistroC010Count = 0;
  RegistroC100Count = 0;
  RegistroC110Count = 0;
  RegistroC111Count = 0;
  RegistroC120Count = 0;
  RegistroC170Count = 0;
  RegistroC175Count = 0;
  RegistroC180Count = 0;
  RegistroC181Count = 0;
  RegistroC185Count = 0;
  RegistroC188Count = 0;
  RegistroC190Count = 0;
  RegistroC191Count = 0;
  RegistroC195Count = 0;
  RegistroC198Count = 0;
  RegistroC199Count = 0;
  RegistroC380Count = 0;
  RegistroC381Count = 0;
  RegistroC385Count = 0;
  RegistroC395Count = 0;
  RegistroC396Count = 0;
  RegistroC400Count = 0;
  RegistroC405Count = 0;
  RegistroC481Count = 0;
  RegistroC485Count = 0;
  RegistroC489Count = 0;
  RegistroC490Count = 0;
  RegistroC491Count = 0;
  RegistroC495Count = 0;
  RegistroC499Count = 0;
  RegistroC500Count = 0;
  RegistroC501Count = 0;
  RegistroC505Count = 0;
  RegistroC509Count = 0;
  RegistroC600Count = 0;
  RegistroC601Count = 0;
  RegistroC605Count = 0;
  RegistroC609Count = 0;
  RegistroC800Count = 0;
  RegistroC810Count = 0;
  RegistroC820Count = 0;
  RegistroC830Count = 0;
  RegistroC860Count = 0;
  RegistroC870Count = 0;
  RegistroC880Count = 0;
  RegistroC890Count = 0;
}

void TBloco_C::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_C::WriteRegistroC001() {
  if (registroC990_->QTD_LIN_C == 0) Line("C001").Int(static_cast<int>(registroC001_->IND_MOV)).Add();
  if (registroC001_->IND_MOV != TVornIndMov::imComDados) return;
}

void TBloco_C::WriteRegistroC990() {
  // The closing line counts itself.
  ++registroC990_->QTD_LIN_C;
  std::string line;
  AppendText(line, "C990");
  AppendInteger(line, registroC990_->QTD_LIN_C);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_C::ContagemRegistros() const {
  return {{"C010", RegistroC010Count}, {"C100", RegistroC100Count}, {"C110", RegistroC110Count}, {"C111", RegistroC111Count}, {"C120", RegistroC120Count}, {"C170", RegistroC170Count}, {"C175", RegistroC175Count}, {"C180", RegistroC180Count}, {"C181", RegistroC181Count}, {"C185", RegistroC185Count}, {"C188", RegistroC188Count}, {"C190", RegistroC190Count}, {"C191", RegistroC191Count}, {"C195", RegistroC195Count}, {"C198", RegistroC198Count}, {"C199", RegistroC199Count}, {"C380", RegistroC380Count}, {"C381", RegistroC381Count}, {"C385", RegistroC385Count}, {"C395", RegistroC395Count}, {"C396", RegistroC396Count}, {"C400", RegistroC400Count}, {"C405", RegistroC405Count}, {"C481", RegistroC481Count}, {"C485", RegistroC485Count}, {"C489", RegistroC489Count}, {"C490", RegistroC490Count}, {"C491", RegistroC491Count}, {"C495", RegistroC495Count}, {"C499", RegistroC499Count}, {"C500", RegistroC500Count}, {"C501", RegistroC501Count}, {"C505", RegistroC505Count}, {"C509", RegistroC509Count}, {"C600", RegistroC600Count}, {"C601", RegistroC601Count}, {"C605", RegistroC605Count}, {"C609", RegistroC609Count}, {"C860", RegistroC860Count}, {"C870", RegistroC870Count}, {"C880", RegistroC880Count}, {"C890", RegistroC890Count}};
}
