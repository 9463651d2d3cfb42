#pragma once
// Block 0 writer: owns the block 0 tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0.h"
#include "VornSped.h"

class TBloco_0 : public TVornSPED {
public:
  TBloco_0();

  TRegistro0000& Registro0000() { return *registro0000_; }
  TRegistro0001& Registro0001() { return *registro0001_; }
  TRegistro0990& Registro0990() { return *registro0990_; }

  TRegistro0000& Registro0000New() { return *registro0000_; }
  TRegistro0001& Registro0001New() { return *registro0001_; }
  TRegistro0035& Registro0035New() { return registro0001_->Registro0035.New(); }
  TRegistro0100& Registro0100New() { return registro0001_->Registro0100.New(); }
  TRegistro0110& Registro0110New() { return registro0001_->Registro0110; }
  TRegistro0111& Registro0111New() { return registro0001_->Registro0110.Registro0111; }
  TRegistro0120& Registro0120New() { return registro0001_->Registro0120.New(); }
  TRegistro0140& Registro0140New() { return registro0001_->Registro0140.New(); }
  TRegistro0145& Registro0145New();
  TRegistro0150& Registro0150New();
  TRegistro0190& Registro0190New();
  TRegistro0200& Registro0200New();
  TRegistro0205& Registro0205New();
  TRegistro0206& Registro0206New();
  TRegistro0208& Registro0208New();
  TRegistro0400& Registro0400New();
  TRegistro0450& Registro0450New();
  TRegistro0500& Registro0500New() { return registro0001_->Registro0500.New(); }
  TRegistro0600& Registro0600New() { return registro0001_->Registro0600.New(); }
  TRegistro0900& Registro0900New();

  void WriteRegistro0000();
  void WriteRegistro0001();
  void WriteRegistro0990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "0"; }
  int& QtdLin() override { return registro0990_->QTD_LIN_0; }
  bool ComDados() const override { return registro0001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistro0001(); }
  void WriteFechamento() override { WriteRegistro0990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int Registro0035Count = 0, Registro0100Count = 0, Registro0110Count = 0, Registro0111Count = 0,
      Registro0120Count = 0, Registro0140Count = 0, Registro0145Count = 0, Registro0150Count = 0,
      Registro0190Count = 0, Registro0200Count = 0, Registro0205Count = 0, Registro0206Count = 0,
      Registro0208Count = 0, Registro0400Count = 0, Registro0450Count = 0, Registro0500Count = 0,
      Registro0600Count = 0, Registro0900Count = 0;

private:
  TRegistro0140& Ultimo0140(const char* child);
  void CriaRegistros();
  void WriteRegistro0035();
  void WriteRegistro0100();
  void WriteRegistro0110();
  void WriteRegistro0120();
  void WriteRegistro0140();
  void WriteRegistro0145(TRegistro0140& r0140);
  void WriteRegistro0150(TRegistro0140& r0140);
  void WriteRegistro0190(TRegistro0140& r0140);
  void WriteRegistro0200(TRegistro0140& r0140);
  void WriteRegistro0205(TRegistro0200& r0200);
  void WriteRegistro0206(TRegistro0200& r0200);
  void WriteRegistro0208(TRegistro0200& r0200);
  void WriteRegistro0400(TRegistro0140& r0140);
  void WriteRegistro0450(TRegistro0140& r0140);
  void WriteRegistro0500();
  void WriteRegistro0600();
  void WriteRegistro0900();

  std::unique_ptr<TRegistro0000> registro0000_;
  std::unique_ptr<TRegistro0001> registro0001_;
  std::unique_ptr<TRegistro0990> registro0990_;
};
