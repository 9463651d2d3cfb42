#pragma once
// Block A writer: owns the block A tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_A.h"
#include "VornSped.h"

class TBloco_A : public TVornSPED {
public:
  TBloco_A();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroA001& RegistroA001() { return *registroA001_; }
  TRegistroA990& RegistroA990() { return *registroA990_; }
  TRegistroA001& RegistroA001New() { return *registroA001_; }
  TRegistroA010& RegistroA010New() { return registroA001_->RegistroA010.New(); }
  TRegistroA100& RegistroA100New();
  TRegistroA110& RegistroA110New();
  TRegistroA111& RegistroA111New();
  TRegistroA120& RegistroA120New();
  TRegistroA170& RegistroA170New();

  // Writes the A001 line on the first call of a generation only, then the A010 records not
  // yet written (from position RegistroA010Count), so a block can be written in parts.
  void WriteRegistroA001();
  void WriteRegistroA990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "A"; }
  int& QtdLin() override { return registroA990_->QTD_LIN_A; }
  bool ComDados() const override { return registroA001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroA001(); }
  void WriteFechamento() override { WriteRegistroA990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroA010Count = 0, RegistroA100Count = 0, RegistroA110Count = 0, RegistroA111Count = 0,
      RegistroA120Count = 0, RegistroA170Count = 0;

private:
  void CriaRegistros();
  TRegistroA100& UltimoA100(const char* child);
  void WriteRegistroA010();
  void WriteRegistroA100(TRegistroA010& rA010);
  void WriteRegistroA110(const TRegistroA100& rA100);
  void WriteRegistroA111(const TRegistroA100& rA100);
  void WriteRegistroA120(const TRegistroA100& rA100);
  void WriteRegistroA170(const TRegistroA100& rA100);

  std::unique_ptr<TRegistroA001> registroA001_;
  std::unique_ptr<TRegistroA990> registroA990_;
};
