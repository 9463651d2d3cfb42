#pragma once
// Block C writer: owns the block C tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_C.h"
#include "VornSped.h"

class TBloco_C : public TVornSPED {
public:
  TBloco_C();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroC001& RegistroC001() { return *registroC001_; }
  TRegistroC990& RegistroC990() { return *registroC990_; }
  TRegistroC001& RegistroC001New() { return *registroC001_; }

  // Writes the C001 line on the first call of a generation only, then the C010 records not
  // yet written (from position RegistroC010Count), so a block can be written in parts.
  void WriteRegistroC001();
  void WriteRegistroC990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "C"; }
  int& QtdLin() override { return registroC990_->QTD_LIN_C; }
  bool ComDados() const override { return registroC001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroC001(); }
  void WriteFechamento() override { WriteRegistroC990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroC010Count = 0, RegistroC100Count = 0, RegistroC110Count = 0, RegistroC111Count = 0,
      RegistroC120Count = 0, RegistroC170Count = 0, RegistroC175Count = 0, RegistroC180Count = 0,
      RegistroC181Count = 0, RegistroC185Count = 0, RegistroC188Count = 0, RegistroC190Count = 0,
      RegistroC191Count = 0, RegistroC195Count = 0, RegistroC198Count = 0, RegistroC199Count = 0,
      RegistroC380Count = 0, RegistroC381Count = 0, RegistroC385Count = 0, RegistroC395Count = 0,
      RegistroC396Count = 0, RegistroC400Count = 0, RegistroC405Count = 0, RegistroC481Count = 0,
      RegistroC485Count = 0, RegistroC489Count = 0, RegistroC490Count = 0, RegistroC491Count = 0,
      RegistroC495Count = 0, RegistroC499Count = 0, RegistroC500Count = 0, RegistroC501Count = 0,
      RegistroC505Count = 0, RegistroC509Count = 0, RegistroC600Count = 0, RegistroC601Count = 0,
      RegistroC605Count = 0, RegistroC609Count = 0, RegistroC800Count = 0, RegistroC810Count = 0,
      RegistroC820Count = 0, RegistroC830Count = 0, RegistroC860Count = 0, RegistroC870Count = 0,
      RegistroC880Count = 0, RegistroC890Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistroC001> registroC001_;
  std::unique_ptr<TRegistroC990> registroC990_;
};
