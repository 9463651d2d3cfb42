#pragma once
// Block P writer: owns the block P tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_P.h"
#include "VornSped.h"

class TBloco_P : public TVornSPED {
public:
  TBloco_P();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroP001& RegistroP001() { return *registroP001_; }
  TRegistroP990& RegistroP990() { return *registroP990_; }
  TRegistroP001& RegistroP001New() { return *registroP001_; }

  void WriteRegistroP001();
  void WriteRegistroP990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "P"; }
  int& QtdLin() override { return registroP990_->QTD_LIN_P; }
  bool ComDados() const override { return registroP001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroP001(); }
  void WriteFechamento() override { WriteRegistroP990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroP010Count = 0, RegistroP100Count = 0, RegistroP110Count = 0, RegistroP199Count = 0,
      RegistroP200Count = 0, RegistroP210Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistroP001> registroP001_;
  std::unique_ptr<TRegistroP990> registroP990_;
};
