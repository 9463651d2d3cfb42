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
  TRegistroP010& RegistroP010New() { return registroP001_->RegistroP010.New(); }
  TRegistroP100& RegistroP100New();
  TRegistroP110& RegistroP110New();
  TRegistroP199& RegistroP199New();
  TRegistroP200& RegistroP200New() { return registroP001_->RegistroP200.New(); }
  TRegistroP210& RegistroP210New();

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
  TRegistroP100& UltimoP100(const char* child);
  void WriteRegistroP010(TRegistroP001& rP001);
  void WriteRegistroP100(TRegistroP010& rP010);
  void WriteRegistroP110(TRegistroP100& rP100);
  void WriteRegistroP199(TRegistroP100& rP100);
  void WriteRegistroP200(TRegistroP001& rP001);
  void WriteRegistroP210(TRegistroP200& rP200);

  std::unique_ptr<TRegistroP001> registroP001_;
  std::unique_ptr<TRegistroP990> registroP990_;
};
