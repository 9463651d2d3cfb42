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
  TRegistro1010& Registro1010New() { return registro1001_->Registro1010.New(); }
  TRegistro1011& Registro1011New();
  TRegistro1020& Registro1020New() { return registro1001_->Registro1020.New(); }
  TRegistro1050& Registro1050New() { return registro1001_->Registro1050.New(); }
  TRegistro1100& Registro1100New() { return registro1001_->Registro1100.New(); }
  TRegistro1101& Registro1101New();
  TRegistro1102& Registro1102New();
  TRegistro1200& Registro1200New() { return registro1001_->Registro1200.New(); }
  TRegistro1210& Registro1210New();
  TRegistro1220& Registro1220New();
  TRegistro1300& Registro1300New() { return registro1001_->Registro1300.New(); }
  TRegistro1500& Registro1500New() { return registro1001_->Registro1500.New(); }
  TRegistro1501& Registro1501New();
  TRegistro1502& Registro1502New();
  TRegistro1600& Registro1600New() { return registro1001_->Registro1600.New(); }
  TRegistro1610& Registro1610New();
  TRegistro1620& Registro1620New();
  TRegistro1700& Registro1700New() { return registro1001_->Registro1700.New(); }
  TRegistro1800& Registro1800New() { return registro1001_->Registro1800.New(); }
  TRegistro1809& Registro1809New();
  TRegistro1900& Registro1900New() { return registro1001_->Registro1900.New(); }

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
  void WriteRegistro1010(TRegistro1001& r1001);
  void WriteRegistro1011(TRegistro1010& r1010);
  void WriteRegistro1020(TRegistro1001& r1001);
  void WriteRegistro1050(TRegistro1001& r1001);
  void WriteRegistro1100(TRegistro1001& r1001);
  void WriteRegistro1101(TRegistro1100& r1100);
  void WriteRegistro1102(TRegistro1101& r1101);
  void WriteRegistro1200(TRegistro1001& r1001);
  void WriteRegistro1210(TRegistro1200& r1200);
  void WriteRegistro1220(TRegistro1200& r1200);
  void WriteRegistro1300(TRegistro1001& r1001);
  void WriteRegistro1500(TRegistro1001& r1001);
  void WriteRegistro1501(TRegistro1500& r1500);
  void WriteRegistro1502(TRegistro1501& r1501);
  void WriteRegistro1600(TRegistro1001& r1001);
  void WriteRegistro1610(TRegistro1600& r1600);
  void WriteRegistro1620(TRegistro1600& r1600);
  void WriteRegistro1700(TRegistro1001& r1001);
  void WriteRegistro1800(TRegistro1001& r1001);
  void WriteRegistro1809(TRegistro1800& r1800);
  void WriteRegistro1900(TRegistro1001& r1001);
  void LinhaControleCredito(std::string_view reg, const TControleCredito& r);
  void LinhaCreditoUtilizado(std::string_view reg, const TRegistro1220& r);
  void LinhaRetencao(std::string_view reg, const TRegistro1300& r);

  std::unique_ptr<TRegistro1001> registro1001_;
  std::unique_ptr<TRegistro1990> registro1990_;
};
