#pragma once
// Block 1 writer: owns the block 1 tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_1.h"
#include "VornSped.h"

class TBloco_1 : public TVornSPED {
public:
  TBloco_1();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistro1001& Registro1001() { return *registro1001_; }
  TRegistro1990& Registro1990() { return *registro1990_; }
  TRegistro1001& Registro1001New() { return *registro1001_; }

  void WriteRegistro1001();
  void WriteRegistro1990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "1"; }
  int& QtdLin() override { return registro1990_->QTD_LIN_1; }
  bool ComDados() const override { return registro1001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistro1001(); }
  void WriteFechamento() override { WriteRegistro1990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int Registro1010Count = 0, Registro1011Count = 0, Registro1020Count = 0, Registro1050Count = 0,
      Registro1100Count = 0, Registro1101Count = 0, Registro1102Count = 0, Registro1200Count = 0,
      Registro1210Count = 0, Registro1220Count = 0, Registro1300Count = 0, Registro1500Count = 0,
      Registro1501Count = 0, Registro1502Count = 0, Registro1600Count = 0, Registro1610Count = 0,
      Registro1620Count = 0, Registro1700Count = 0, Registro1800Count = 0, Registro1809Count = 0,
      Registro1900Count = 0;

private:
  void CriaRegistros();

  std::unique_ptr<TRegistro1001> registro1001_;
  std::unique_ptr<TRegistro1990> registro1990_;
};
