#pragma once
// Block 9 writer: the 9900 entries collected while the other blocks were written, 9990, 9999.
#include <memory>

#include "VornEPCBloco_9.h"
#include "VornSped.h"

class TBloco_9 : public TVornSPED {
public:
  TBloco_9();

  TRegistro9001& Registro9001() { return *registro9001_; }
  TRegistro9900List& Registro9900() { return *registro9900_; }
  TRegistro9990& Registro9990() { return *registro9990_; }
  TRegistro9999& Registro9999() { return *registro9999_; }
  TRegistro9900& Registro9900New() { return registro9900_->New(); }
  void AddEntry(const std::string& code, int count);

  void WriteRegistro9001();
  void WriteRegistro9900();
  void WriteRegistro9990();
  void WriteRegistro9999();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "9"; }
  int& QtdLin() override { return registro9990_->QTD_LIN_9; }
  bool ComDados() const override { return true; }
  void WriteAbertura() override { WriteRegistro9001(); }
  void WriteFechamento() override { WriteRegistro9990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override { return {}; }

private:
  void CriaRegistros();

  std::unique_ptr<TRegistro9001> registro9001_;
  std::unique_ptr<TRegistro9900List> registro9900_;
  std::unique_ptr<TRegistro9990> registro9990_;
  std::unique_ptr<TRegistro9999> registro9999_;
};
