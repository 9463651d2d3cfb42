#pragma once
// Block F writer: owns the block F tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_F.h"
#include "VornSped.h"

class TBloco_F : public TVornSPED {
public:
  TBloco_F();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroF001& RegistroF001() { return *registroF001_; }
  TRegistroF990& RegistroF990() { return *registroF990_; }
  TRegistroF001& RegistroF001New() { return *registroF001_; }
  TRegistroF010& RegistroF010New() { return registroF001_->RegistroF010.New(); }
  TRegistroF100& RegistroF100New() { return UltimoF010("F100").RegistroF100.New(); }
  TRegistroF120& RegistroF120New() { return UltimoF010("F120").RegistroF120.New(); }
  TRegistroF130& RegistroF130New() { return UltimoF010("F130").RegistroF130.New(); }
  TRegistroF150& RegistroF150New() { return UltimoF010("F150").RegistroF150.New(); }
  TRegistroF200& RegistroF200New() { return UltimoF010("F200").RegistroF200.New(); }
  TRegistroF500& RegistroF500New() { return UltimoF010("F500").RegistroF500.New(); }
  TRegistroF510& RegistroF510New() { return UltimoF010("F510").RegistroF510.New(); }
  TRegistroF525& RegistroF525New() { return UltimoF010("F525").RegistroF525.New(); }
  TRegistroF550& RegistroF550New() { return UltimoF010("F550").RegistroF550.New(); }
  TRegistroF560& RegistroF560New() { return UltimoF010("F560").RegistroF560.New(); }
  TRegistroF600& RegistroF600New() { return UltimoF010("F600").RegistroF600.New(); }
  TRegistroF700& RegistroF700New() { return UltimoF010("F700").RegistroF700.New(); }
  TRegistroF800& RegistroF800New() { return UltimoF010("F800").RegistroF800.New(); }
  TRegistroF111& RegistroF111New() { return Ultimo(&TRegistroF010::RegistroF100, "F111", "F100").RegistroF111.New(); }
  TRegistroF129& RegistroF129New() { return Ultimo(&TRegistroF010::RegistroF120, "F129", "F120").RegistroF129.New(); }
  TRegistroF139& RegistroF139New() { return Ultimo(&TRegistroF010::RegistroF130, "F139", "F130").RegistroF139.New(); }
  TRegistroF210& RegistroF210New() { return Ultimo(&TRegistroF010::RegistroF200, "F210", "F200").RegistroF210.New(); }
  TRegistroF211& RegistroF211New() { return Ultimo(&TRegistroF010::RegistroF200, "F211", "F200").RegistroF211.New(); }
  TRegistroF509& RegistroF509New() { return Ultimo(&TRegistroF010::RegistroF500, "F509", "F500").RegistroF509.New(); }
  TRegistroF519& RegistroF519New() { return Ultimo(&TRegistroF010::RegistroF510, "F519", "F510").RegistroF519.New(); }
  TRegistroF559& RegistroF559New() { return Ultimo(&TRegistroF010::RegistroF550, "F559", "F550").RegistroF559.New(); }
  TRegistroF569& RegistroF569New() { return Ultimo(&TRegistroF010::RegistroF560, "F569", "F560").RegistroF569.New(); }
  // Every F200 has its F205: this returns the one of the last F200.
  TRegistroF205& RegistroF205New() { return Ultimo(&TRegistroF010::RegistroF200, "F205", "F200").RegistroF205; }

  void WriteRegistroF001();
  void WriteRegistroF990();

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "F"; }
  int& QtdLin() override { return registroF990_->QTD_LIN_F; }
  bool ComDados() const override { return registroF001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroF001(); }
  void WriteFechamento() override { WriteRegistroF990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroF010Count = 0, RegistroF100Count = 0, RegistroF111Count = 0, RegistroF120Count = 0,
      RegistroF129Count = 0, RegistroF130Count = 0, RegistroF139Count = 0, RegistroF150Count = 0,
      RegistroF200Count = 0, RegistroF205Count = 0, RegistroF210Count = 0, RegistroF211Count = 0,
      RegistroF500Count = 0, RegistroF509Count = 0, RegistroF510Count = 0, RegistroF519Count = 0,
      RegistroF525Count = 0, RegistroF550Count = 0, RegistroF559Count = 0, RegistroF560Count = 0,
      RegistroF569Count = 0, RegistroF600Count = 0, RegistroF700Count = 0, RegistroF800Count = 0;

private:
  void CriaRegistros();
  TRegistroF010& UltimoF010(const char* child) {
    return registroF001_->RegistroF010.Last(SemPai(child, "F010").c_str());
  }
  // The last record of an F010 list of the last F010: the parent of a new child.
  template <typename T>
  T& Ultimo(TRegistroList<T> TRegistroF010::*lista, const char* child, const char* parent) {
    return (UltimoF010(child).*lista).Last(SemPai(child, parent).c_str());
  }
  void WriteRegistroF010();
  void WriteRegistroF100(const TRegistroF010& rF010);
  void WriteRegistroF120(const TRegistroF010& rF010);
  void WriteRegistroF130(const TRegistroF010& rF010);
  void WriteRegistroF150(const TRegistroF010& rF010);
  void WriteRegistroF200(const TRegistroF010& rF010);
  void WriteRegistroF205(const TRegistroF200& rF200);
  void WriteRegistroF210(const TRegistroF200& rF200);
  void WriteRegistroF500(const TRegistroF010& rF010);
  void WriteRegistroF510(const TRegistroF010& rF010);
  void WriteRegistroF525(const TRegistroF010& rF010);
  void WriteRegistroF550(const TRegistroF010& rF010);
  void WriteRegistroF560(const TRegistroF010& rF010);
  void WriteRegistroF600(const TRegistroF010& rF010);
  void WriteRegistroF700(const TRegistroF010& rF010);
  void WriteRegistroF800(const TRegistroF010& rF010);

  std::unique_ptr<TRegistroF001> registroF001_;
  std::unique_ptr<TRegistroF990> registroF990_;
};
