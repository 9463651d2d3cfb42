#pragma once
// Block D writer: owns the block D tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_D.h"
#include "VornSped.h"

class TBloco_D : public TVornSPED {
public:
  TBloco_D();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroD001& RegistroD001() { return *registroD001_; }
  TRegistroD990& RegistroD990() { return *registroD990_; }
  TRegistroD001& RegistroD001New() { return *registroD001_; }
  TRegistroD010& RegistroD010New() { return registroD001_->RegistroD010.New(); }
  TRegistroD100& RegistroD100New() { return UltimoD010("D100").RegistroD100.New(); }
  TRegistroD200& RegistroD200New() { return UltimoD010("D200").RegistroD200.New(); }
  TRegistroD300& RegistroD300New() { return UltimoD010("D300").RegistroD300.New(); }
  TRegistroD350& RegistroD350New() { return UltimoD010("D350").RegistroD350.New(); }
  TRegistroD500& RegistroD500New() { return UltimoD010("D500").RegistroD500.New(); }
  TRegistroD600& RegistroD600New() { return UltimoD010("D600").RegistroD600.New(); }
  TRegistroD101& RegistroD101New() { return Ultimo(&TRegistroD010::RegistroD100, "D101", "D100").RegistroD101.New(); }
  TRegistroD105& RegistroD105New() { return Ultimo(&TRegistroD010::RegistroD100, "D105", "D100").RegistroD105.New(); }
  TRegistroD111& RegistroD111New() { return Ultimo(&TRegistroD010::RegistroD100, "D111", "D100").RegistroD111.New(); }
  TRegistroD201& RegistroD201New() { return Ultimo(&TRegistroD010::RegistroD200, "D201", "D200").RegistroD201.New(); }
  TRegistroD205& RegistroD205New() { return Ultimo(&TRegistroD010::RegistroD200, "D205", "D200").RegistroD205.New(); }
  TRegistroD209& RegistroD209New() { return Ultimo(&TRegistroD010::RegistroD200, "D209", "D200").RegistroD209.New(); }
  TRegistroD309& RegistroD309New() { return Ultimo(&TRegistroD010::RegistroD300, "D309", "D300").RegistroD309.New(); }
  TRegistroD359& RegistroD359New() { return Ultimo(&TRegistroD010::RegistroD350, "D359", "D350").RegistroD359.New(); }
  TRegistroD501& RegistroD501New() { return Ultimo(&TRegistroD010::RegistroD500, "D501", "D500").RegistroD501.New(); }
  TRegistroD505& RegistroD505New() { return Ultimo(&TRegistroD010::RegistroD500, "D505", "D500").RegistroD505.New(); }
  TRegistroD509& RegistroD509New() { return Ultimo(&TRegistroD010::RegistroD500, "D509", "D500").RegistroD509.New(); }
  TRegistroD601& RegistroD601New() { return Ultimo(&TRegistroD010::RegistroD600, "D601", "D600").RegistroD601.New(); }
  TRegistroD605& RegistroD605New() { return Ultimo(&TRegistroD010::RegistroD600, "D605", "D600").RegistroD605.New(); }
  TRegistroD609& RegistroD609New() { return Ultimo(&TRegistroD010::RegistroD600, "D609", "D600").RegistroD609.New(); }

  void WriteRegistroD001();
  void WriteRegistroD990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "D"; }
  int& QtdLin() override { return registroD990_->QTD_LIN_D; }
  bool ComDados() const override { return registroD001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroD001(); }
  void WriteFechamento() override { WriteRegistroD990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroD010Count = 0, RegistroD100Count = 0, RegistroD101Count = 0, RegistroD105Count = 0,
      RegistroD111Count = 0, RegistroD200Count = 0, RegistroD201Count = 0, RegistroD205Count = 0,
      RegistroD209Count = 0, RegistroD300Count = 0, RegistroD309Count = 0, RegistroD350Count = 0,
      RegistroD359Count = 0, RegistroD500Count = 0, RegistroD501Count = 0, RegistroD505Count = 0,
      RegistroD509Count = 0, RegistroD600Count = 0, RegistroD601Count = 0, RegistroD605Count = 0,
      RegistroD609Count = 0;

private:
  void CriaRegistros();
  TRegistroD010& UltimoD010(const char* child) {
    return registroD001_->RegistroD010.Last(SemPai(child, "D010").c_str());
  }
  // The last record of a D010 list of the last D010: the parent of a new child.
  template <typename T>
  T& Ultimo(TRegistroList<T> TRegistroD010::*lista, const char* child, const char* parent) {
    return (UltimoD010(child).*lista).Last(SemPai(child, parent).c_str());
  }
  bool AntesDeJulho2012() const;
  void WriteRegistroD010();
  void WriteRegistroD100(const TRegistroD010& rD010);
  void WriteRegistroD101(const TRegistroD100& rD100);
  void WriteRegistroD105(const TRegistroD100& rD100);
  void WriteRegistroD200(const TRegistroD010& rD010);
  void WriteRegistroD201(const TRegistroD200& rD200);
  void WriteRegistroD205(const TRegistroD200& rD200);
  void WriteRegistroD300(const TRegistroD010& rD010);
  void WriteRegistroD350(const TRegistroD010& rD010);
  void WriteRegistroD500(const TRegistroD010& rD010);
  void WriteRegistroD501(const TRegistroD500& rD500);
  void WriteRegistroD505(const TRegistroD500& rD500);
  void WriteRegistroD600(const TRegistroD010& rD010);
  void WriteRegistroD601(const TRegistroD600& rD600);
  void WriteRegistroD605(const TRegistroD600& rD600);

  std::unique_ptr<TRegistroD001> registroD001_;
  std::unique_ptr<TRegistroD990> registroD990_;
};
