#pragma once
// Block I writer: owns the block I tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_I.h"
#include "VornSped.h"

class TBloco_I : public TVornSPED {
public:
  TBloco_I();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroI001& RegistroI001() { return *registroI001_; }
  TRegistroI990& RegistroI990() { return *registroI990_; }
  TRegistroI001& RegistroI001New() { return *registroI001_; }
  TRegistroI010& RegistroI010New() { return registroI001_->RegistroI010.New(); }
  TRegistroI100& RegistroI100New();
  TRegistroI199& RegistroI199New();
  TRegistroI200& RegistroI200New();
  TRegistroI299& RegistroI299New();
  TRegistroI300& RegistroI300New();
  TRegistroI399& RegistroI399New();

  // Writes the I001 line on the first call of a generation only, then the I010 records not
  // yet written (from position RegistroI010Count), so a block can be written in parts.
  void WriteRegistroI001();
  void WriteRegistroI990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "I"; }
  int& QtdLin() override { return registroI990_->QTD_LIN_I; }
  bool ComDados() const override { return registroI001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroI001(); }
  void WriteFechamento() override { WriteRegistroI990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroI010Count = 0, RegistroI100Count = 0, RegistroI199Count = 0, RegistroI200Count = 0,
      RegistroI299Count = 0, RegistroI300Count = 0, RegistroI399Count = 0;

private:
  void CriaRegistros();
  TRegistroI010& UltimoI010(const char* child);
  TRegistroI100& UltimoI100(const char* child);
  TRegistroI200& UltimoI200(const char* child);
  void WriteRegistroI010(TRegistroI001& rI001);
  void WriteRegistroI100(TRegistroI010& rI010);
  void WriteRegistroI199(TRegistroI100& rI100);
  void WriteRegistroI200(TRegistroI100& rI100);
  void WriteRegistroI299(TRegistroI200& rI200);
  void WriteRegistroI300(TRegistroI200& rI200);
  void WriteRegistroI399(TRegistroI300& rI300);

  std::unique_ptr<TRegistroI001> registroI001_;
  std::unique_ptr<TRegistroI990> registroI990_;
};
