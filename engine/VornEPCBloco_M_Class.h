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
  // Single records: every call returns the same one, so it is written once.
  TRegistroM200& RegistroM200New() { return registroM001_->RegistroM200; }
  TRegistroM350& RegistroM350New() { return registroM001_->RegistroM350; }
  TRegistroM600& RegistroM600New() { return registroM001_->RegistroM600; }
  TRegistroM211& RegistroM211New();
  TRegistroM611& RegistroM611New();

  TRegistroM100& RegistroM100New() { return registroM001_->RegistroM100.New(); }
  TRegistroM105& RegistroM105New();
  TRegistroM110& RegistroM110New();
  TRegistroM115& RegistroM115New();
  TRegistroM205& RegistroM205New() { return registroM001_->RegistroM200.RegistroM205.New(); }
  TRegistroM210& RegistroM210New() { return registroM001_->RegistroM200.RegistroM210.New(); }
  TRegistroM215& RegistroM215New();
  TRegistroM220& RegistroM220New();
  TRegistroM225& RegistroM225New();
  TRegistroM230& RegistroM230New();
  TRegistroM300& RegistroM300New() { return registroM001_->RegistroM300.New(); }
  TRegistroM400& RegistroM400New() { return registroM001_->RegistroM400.New(); }
  TRegistroM410& RegistroM410New();
  TRegistroM500& RegistroM500New() { return registroM001_->RegistroM500.New(); }
  TRegistroM505& RegistroM505New();
  TRegistroM510& RegistroM510New();
  TRegistroM515& RegistroM515New();
  TRegistroM605& RegistroM605New() { return registroM001_->RegistroM600.RegistroM605.New(); }
  TRegistroM610& RegistroM610New() { return registroM001_->RegistroM600.RegistroM610.New(); }
  TRegistroM615& RegistroM615New();
  TRegistroM620& RegistroM620New();
  TRegistroM625& RegistroM625New();
  TRegistroM630& RegistroM630New();
  TRegistroM700& RegistroM700New() { return registroM001_->RegistroM700.New(); }
  TRegistroM800& RegistroM800New() { return registroM001_->RegistroM800.New(); }
  TRegistroM810& RegistroM810New();

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
  TRegistroM100& UltimoM100(const char* child);
  TRegistroM210& UltimoM210(const char* child);
  TRegistroM500& UltimoM500(const char* child);
  TRegistroM610& UltimoM610(const char* child);
  bool Cooperativa() const;
  bool AjusteDeBase() const;

  void WriteRegistroM100(TRegistroM001& rM001);
  void WriteRegistroM105(TRegistroM100& rM100);
  void WriteRegistroM110(TRegistroM100& rM100);
  void WriteRegistroM115(TRegistroM110& rM110);
  void WriteRegistroM200(TRegistroM001& rM001);
  void WriteRegistroM205(TRegistroM200& rM200);
  void WriteRegistroM210(TRegistroM200& rM200);
  void WriteRegistroM211(TRegistroM210& rM210);
  void WriteRegistroM215(TRegistroM210& rM210);
  void WriteRegistroM220(TRegistroM210& rM210);
  void WriteRegistroM225(TRegistroM220& rM220);
  void WriteRegistroM230(TRegistroM210& rM210);
  void WriteRegistroM300(TRegistroM001& rM001);
  void WriteRegistroM350(TRegistroM001& rM001);
  void WriteRegistroM400(TRegistroM001& rM001);
  void WriteRegistroM410(TRegistroM400& rM400);
  void WriteRegistroM500(TRegistroM001& rM001);
  void WriteRegistroM505(TRegistroM500& rM500);
  void WriteRegistroM510(TRegistroM500& rM500);
  void WriteRegistroM515(TRegistroM510& rM510);
  void WriteRegistroM600(TRegistroM001& rM001);
  void WriteRegistroM605(TRegistroM600& rM600);
  void WriteRegistroM610(TRegistroM600& rM600);
  void WriteRegistroM611(TRegistroM610& rM610);
  void WriteRegistroM615(TRegistroM610& rM610);
  void WriteRegistroM620(TRegistroM610& rM610);
  void WriteRegistroM625(TRegistroM620& rM620);
  void WriteRegistroM630(TRegistroM610& rM610);
  void WriteRegistroM700(TRegistroM001& rM001);
  void WriteRegistroM800(TRegistroM001& rM001);
  void WriteRegistroM810(TRegistroM800& rM800);
  // Lines shared by the PIS and COFINS twins.
  void LinhaAjuste(std::string_view reg, const TAjusteM& r);
  void LinhaConsolidacao(std::string_view reg, const TConsolidacaoM& r);
  void LinhaReceitaCodigo(std::string_view reg, const TRegistroM205& r);
  void LinhaCooperativa(std::string_view reg, const TRegistroM211& r);
  void LinhaAjusteBase(std::string_view reg, const TRegistroM215& r);
  void LinhaDiferimento(std::string_view reg, const TRegistroM230& r);
  void LinhaDiferidoAnterior(std::string_view reg, const TRegistroM300& r);
  void LinhaNaturezaReceita(std::string_view reg, const TRegistroM410& r);

  std::unique_ptr<TRegistroM001> registroM001_;
  std::unique_ptr<TRegistroM990> registroM990_;
};
