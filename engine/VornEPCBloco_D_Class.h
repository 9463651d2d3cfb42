#pragma once
// Block D writer: owns the block D tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_D.h"
#include "VornSped.h"

class TBloco_D : public TVornSPED {
public:
  TBloco_D();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroD001& RegistroD001() { return *registroD001_; }
  TRegistroD990& RegistroD990() { return *registroD990_; }
  TRegistroD001& RegistroD001New() { return *registroD001_; }

  void WriteRegistroD001();
  void WriteRegistroD990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "D"; }
  int& QtdLin() override { return registroD990_->QTD_LIN_D; }
  bool ComDados() const override { return registroD001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroD001(); }
  void WriteFechamento() override { WriteRegistroD990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroD010Count = 0, RegistroD100Count = 0, RegistroD101Count = 0, RegistroD105Count = 0,
      RegistroD111Count = 0, RegistroD200Count = 0, RegistroD201Count = 0, RegistroD205Count = 0,
      RegistroD209Count = 0, RegistroD300Count = 0, RegistroD309Count = 0, RegistroD350Count = 0,
      RegistroD359Count = 0, RegistroD500Count = 0, RegistroD501Count = 0, RegistroD505Count = 0,
      RegistroD509Count = 0, RegistroD600Count = 0, RegistroD601Count = 0, RegistroD605Count = 0,
      RegistroD609Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistroD001> registroD001_;
  std::unique_ptr<TRegistroD990> registroD990_;
};
