#pragma once
// Block M writer: owns the block M tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_M.h"
#include "VornSped.h"

class TBloco_M : public TVornSPED {
public:
  TBloco_M();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroM001& RegistroM001() { return *registroM001_; }
  TRegistroM990& RegistroM990() { return *registroM990_; }
  TRegistroM001& RegistroM001New() { return *registroM001_; }

  void WriteRegistroM001();
  void WriteRegistroM990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "M"; }
  int& QtdLin() override { return registroM990_->QTD_LIN_M; }
  bool ComDados() const override { return registroM001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroM001(); }
  void WriteFechamento() override { WriteRegistroM990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroM100Count = 0, RegistroM105Count = 0, RegistroM110Count = 0, RegistroM115Count = 0,
      RegistroM200Count = 0, RegistroM205Count = 0, RegistroM210Count = 0, RegistroM211Count = 0,
      RegistroM215Count = 0, RegistroM220Count = 0, RegistroM225Count = 0, RegistroM230Count = 0,
      RegistroM300Count = 0, RegistroM350Count = 0, RegistroM400Count = 0, RegistroM410Count = 0,
      RegistroM500Count = 0, RegistroM505Count = 0, RegistroM510Count = 0, RegistroM515Count = 0,
      RegistroM600Count = 0, RegistroM605Count = 0, RegistroM610Count = 0, RegistroM611Count = 0,
      RegistroM615Count = 0, RegistroM620Count = 0, RegistroM625Count = 0, RegistroM630Count = 0,
      RegistroM700Count = 0, RegistroM800Count = 0, RegistroM810Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistroM001> registroM001_;
  std::unique_ptr<TRegistroM990> registroM990_;
};
