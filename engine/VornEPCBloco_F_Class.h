#pragma once
// Block F writer: owns the block F tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_F.h"
#include "VornSped.h"

class TBloco_F : public TVornSPED {
public:
  TBloco_F();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroF001& RegistroF001() { return *registroF001_; }
  TRegistroF990& RegistroF990() { return *registroF990_; }
  TRegistroF001& RegistroF001New() { return *registroF001_; }

  void WriteRegistroF001();
  void WriteRegistroF990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "F"; }
  int& QtdLin() override { return registroF990_->QTD_LIN_F; }
  bool ComDados() const override { return registroF001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroF001(); }
  void WriteFechamento() override { WriteRegistroF990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroF010Count = 0, RegistroF100Count = 0, RegistroF111Count = 0, RegistroF120Count = 0,
      RegistroF129Count = 0, RegistroF130Count = 0, RegistroF139Count = 0, RegistroF150Count = 0,
      RegistroF200Count = 0, RegistroF205Count = 0, RegistroF210Count = 0, RegistroF211Count = 0,
      RegistroF500Count = 0, RegistroF509Count = 0, RegistroF510Count = 0, RegistroF519Count = 0,
      RegistroF525Count = 0, RegistroF550Count = 0, RegistroF559Count = 0, RegistroF560Count = 0,
      RegistroF569Count = 0, RegistroF600Count = 0, RegistroF700Count = 0, RegistroF800Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistroF001> registroF001_;
  std::unique_ptr<TRegistroF990> registroF990_;
};
