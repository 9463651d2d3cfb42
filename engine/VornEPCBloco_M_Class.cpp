#include "VornEPCBloco_M_Class.h"

TBloco_M::TBloco_M() { CriaRegistros(); }

void TBloco_M::CriaRegistros() {
  registroM001_ = std::make_unique<TRegistroM001>();
  registroM001_->IND_MOV = TVornIndMov::imSemDados;
  registroM990_ = std::make_unique<TRegistroM990>();
  RegistroM100Count = 0;
  RegistroM105Count = 0;
  RegistroM110Count = 0;
  RegistroM115Count = 0;
  RegistroM200Count = 0;
  RegistroM205Count = 0;
  RegistroM210Count = 0;
  RegistroM211Count = 0;
  RegistroM215Count = 0;
  RegistroM220Count = 0;
  RegistroM225Count = 0;
  RegistroM230Count = 0;
  RegistroM300Count = 0;
  RegistroM350Count = 0;
  RegistroM400Count = 0;
  RegistroM410Count = 0;
  RegistroM500Count = 0;
  RegistroM505Count = 0;
  RegistroM510Count = 0;
  RegistroM515Count = 0;
  RegistroM600Count = 0;
  RegistroM605Count = 0;
  RegistroM610Count = 0;
  RegistroM611Count = 0;
  RegistroM615Count = 0;
  RegistroM620Count = 0;
  RegistroM625Count = 0;
  RegistroM630Count = 0;
  RegistroM700Count = 0;
  RegistroM800Count = 0;
  RegistroM810Count = 0;
}

void TBloco_M::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

TRegistroM100& TBloco_M::UltimoM100(const char* child) {
  return registroM001_->RegistroM100.Last(SemPai(child, "M100").c_str());
}
TRegistroM210& TBloco_M::UltimoM210(const char* child) {
  return registroM001_->RegistroM200.RegistroM210.Last(SemPai(child, "M210").c_str());
}
TRegistroM500& TBloco_M::UltimoM500(const char* child) {
  return registroM001_->RegistroM500.Last(SemPai(child, "M500").c_str());
}
TRegistroM610& TBloco_M::UltimoM610(const char* child) {
  return registroM001_->RegistroM600.RegistroM610.Last(SemPai(child, "M610").c_str());
}

TRegistroM211& TBloco_M::RegistroM211New() { return UltimoM210("M211").RegistroM211; }
TRegistroM611& TBloco_M::RegistroM611New() { return UltimoM610("M611").RegistroM611; }
TRegistroM105& TBloco_M::RegistroM105New() { return UltimoM100("M105").RegistroM105.New(); }
TRegistroM110& TBloco_M::RegistroM110New() { return UltimoM100("M110").RegistroM110.New(); }
TRegistroM115& TBloco_M::RegistroM115New() {
  return UltimoM100("M115").RegistroM110.Last(SemPai("M115", "M110").c_str()).RegistroM115.New();
}
TRegistroM215& TBloco_M::RegistroM215New() { return UltimoM210("M215").RegistroM215.New(); }
TRegistroM220& TBloco_M::RegistroM220New() { return UltimoM210("M220").RegistroM220.New(); }
TRegistroM225& TBloco_M::RegistroM225New() {
  return UltimoM210("M225").RegistroM220.Last(SemPai("M225", "M220").c_str()).RegistroM225.New();
}
TRegistroM230& TBloco_M::RegistroM230New() { return UltimoM210("M230").RegistroM230.New(); }
TRegistroM410& TBloco_M::RegistroM410New() {
  return registroM001_->RegistroM400.Last(SemPai("M410", "M400").c_str()).RegistroM410.New();
}
TRegistroM505& TBloco_M::RegistroM505New() { return UltimoM500("M505").RegistroM505.New(); }
TRegistroM510& TBloco_M::RegistroM510New() { return UltimoM500("M510").RegistroM510.New(); }
TRegistroM515& TBloco_M::RegistroM515New() {
  return UltimoM500("M515").RegistroM510.Last(SemPai("M515", "M510").c_str()).RegistroM515.New();
}
TRegistroM615& TBloco_M::RegistroM615New() { return UltimoM610("M615").RegistroM615.New(); }
TRegistroM620& TBloco_M::RegistroM620New() { return UltimoM610("M620").RegistroM620.New(); }
TRegistroM625& TBloco_M::RegistroM625New() {
  return UltimoM610("M625").RegistroM620.Last(SemPai("M625", "M620").c_str()).RegistroM625.New();
}
TRegistroM630& TBloco_M::RegistroM630New() { return UltimoM610("M630").RegistroM630.New(); }
TRegistroM810& TBloco_M::RegistroM810New() {
  return registroM001_->RegistroM800.Last(SemPai("M810", "M800").c_str()).RegistroM810.New();
}

// Without a block 0 (a block written on its own), the current layout of a non-cooperative
// company applies.
bool TBloco_M::Cooperativa() const {
  return Bloco_0 && Bloco_0->Registro0000().IND_NAT_PJ == TVornIndNatPJ::indNatPJSocCooperativa;
}
// The base adjustment fields of M210/M610 exist from layout 3.10 on.
bool TBloco_M::AjusteDeBase() const {
  return !Bloco_0 || Bloco_0->Registro0000().COD_VER >= TVornCodVer::vlVersao310;
}

void TBloco_M::WriteRegistroM001() {
  TRegistroM001& r = *registroM001_;
  Line("M001").Int(static_cast<int>(r.IND_MOV)).Add();
  if (r.IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistroM100(r);
  WriteRegistroM200(r);
  WriteRegistroM300(r);
  WriteRegistroM350(r);
  WriteRegistroM400(r);
  WriteRegistroM500(r);
  WriteRegistroM600(r);
  WriteRegistroM700(r);
  WriteRegistroM800(r);
}

void TBloco_M::WriteRegistroM100(TRegistroM001& rM001) {
  for (auto& r : rM001.RegistroM100) {
    Line("M100")
        .Text(r.COD_CRED)
        .Code(r.IND_CRED_ORI)
        .VExt(r.VL_BC_PIS)
        .VDec(r.ALIQ_PIS, 4)
        .VExt(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .Value(r.VL_CRED)
        .Value(r.VL_AJUS_ACRES)
        .Value(r.VL_AJUS_REDUC)
        .Value(r.VL_CRED_DIF)
        .Value(r.VL_CRED_DISP)
        .Code(r.IND_DESC_CRED)
        .VExt(r.VL_CRED_DESC)
        .Value(r.SLD_CRED)
        .Add();
    WriteRegistroM105(r);
    WriteRegistroM110(r);
  }
  RegistroM100Count += rM001.RegistroM100.Count();
}

void TBloco_M::WriteRegistroM105(TRegistroM100& rM100) {
  for (const auto& r : rM100.RegistroM105)
    Line("M105")
        .Code(r.NAT_BC_CRED)
        .Code(r.CST_PIS)
        .VExt(r.VL_BC_PIS_TOT)
        .VExt(r.VL_BC_PIS_CUM)
        .VExt(r.VL_BC_PIS_NC)
        .VExt(r.VL_BC_PIS)
        .VDec(r.QUANT_BC_PIS_TOT, 3)
        .VDec(r.QUANT_BC_PIS, 3)
        .Text(r.DESC_CRED)
        .Add();
  RegistroM105Count += rM100.RegistroM105.Count();
}

void TBloco_M::LinhaAjuste(std::string_view reg, const TAjusteM& r) {
  Line(reg).Code(r.IND_AJ).Value(r.VL_AJ).Code(r.COD_AJ).Text(r.NUM_DOC).Text(r.DESCR_AJ).Date(r.DT_REF).Add();
}

void TBloco_M::WriteRegistroM110(TRegistroM100& rM100) {
  for (auto& r : rM100.RegistroM110) {
    LinhaAjuste("M110", r);
    WriteRegistroM115(r);
  }
  RegistroM110Count += rM100.RegistroM110.Count();
}

void TBloco_M::WriteRegistroM115(TRegistroM110& rM110) {
  for (const auto& r : rM110.RegistroM115)
    Line("M115")
        .Value(r.DET_VALOR_AJ)
        .Text(Code(r.CST_PIS), 2, true)
        .Ext(r.DET_BC_CRED.ToDouble(), 0, 3)
        .Ext(r.DET_ALIQ.ToDouble(), 8, 4)
        .Date(r.DT_OPER_AJ)
        .Text(r.DESC_AJ)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  RegistroM115Count += rM110.RegistroM115.Count();
}

void TBloco_M::LinhaConsolidacao(std::string_view reg, const TConsolidacaoM& r) {
  Line(reg)
      .Value(r.VL_TOT_CONT_NC_PER)
      .Value(r.VL_TOT_CRED_DESC)
      .Value(r.VL_TOT_CRED_DESC_ANT)
      .Value(r.VL_TOT_CONT_NC_DEV)
      .Value(r.VL_RET_NC)
      .Value(r.VL_OUT_DED_NC)
      .Value(r.VL_CONT_NC_REC)
      .Value(r.VL_TOT_CONT_CUM_PER)
      .Value(r.VL_RET_CUM)
      .Value(r.VL_OUT_DED_CUM)
      .Value(r.VL_CONT_CUM_REC)
      .Value(r.VL_TOT_CONT_REC)
      .Add();
}

void TBloco_M::WriteRegistroM200(TRegistroM001& rM001) {
  // Always written once when the block has data, even with every amount at zero.
  LinhaConsolidacao("M200", rM001.RegistroM200);
  ++RegistroM200Count;
  WriteRegistroM205(rM001.RegistroM200);
  WriteRegistroM210(rM001.RegistroM200);
}

void TBloco_M::LinhaReceitaCodigo(std::string_view reg, const TRegistroM205& r) {
  Line(reg).Text(r.NUM_CAMPO, 2).Text(r.COD_REC, 6).Value(r.VL_DEBITO).Add();
}

void TBloco_M::WriteRegistroM205(TRegistroM200& rM200) {
  for (const auto& r : rM200.RegistroM205) LinhaReceitaCodigo("M205", r);
  RegistroM205Count += rM200.RegistroM205.Count();
}

void TBloco_M::WriteRegistroM210(TRegistroM200& rM200) {
  const bool ajusteBase = AjusteDeBase();
  for (auto& r : rM200.RegistroM210) {
    TLinha l = Line("M210");
    l.Code(r.COD_CONT).Value(r.VL_REC_BRT).Value(r.VL_BC_CONT);
    if (ajusteBase) l.Value(r.VL_AJUS_ACRES_BC_PIS).Value(r.VL_AJUS_REDUC_BC_PIS).Value(r.VL_BC_CONT_AJUS);
    l.VDec(r.ALIQ_PIS, 4)
        .VDec(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .Value(r.VL_CONT_APUR)
        .Value(r.VL_AJUS_ACRES)
        .Value(r.VL_AJUS_REDUC)
        .VExt(r.VL_CONT_DIFER)
        .VExt(r.VL_CONT_DIFER_ANT)
        .Value(r.VL_CONT_PER)
        .Add();
    WriteRegistroM211(r);
    WriteRegistroM215(r);
    WriteRegistroM220(r);
    WriteRegistroM230(r);
  }
  RegistroM210Count += rM200.RegistroM210.Count();
}

void TBloco_M::LinhaCooperativa(std::string_view reg, const TRegistroM211& r) {
  Line(reg)
      .Code(r.IND_TIP_COOP)
      .Value(r.VL_BC_CONT_ANT_EXC_COOP)
      .Value(r.VL_EXC_COOP_GER)
      .Value(r.VL_EXC_ESP_COOP)
      .Value(r.VL_BC_CONT)
      .Add();
}

void TBloco_M::WriteRegistroM211(TRegistroM210& rM210) {
  if (!Cooperativa()) return;
  LinhaCooperativa("M211", rM210.RegistroM211);
  ++RegistroM211Count;
}

void TBloco_M::LinhaAjusteBase(std::string_view reg, const TRegistroM215& r) {
  Line(reg)
      .Code(r.IND_AJ_BC)
      .Value(r.VL_AJ_BC)
      .Code(r.COD_AJ_BC)
      .Text(r.NUM_DOC)
      .Text(r.DESCR_AJ_BC)
      .Date(r.DT_REF)
      .Text(r.COD_CTA)
      .Text(r.CNPJ)
      .Text(r.INFO_COMPL)
      .Add();
}

void TBloco_M::WriteRegistroM215(TRegistroM210& rM210) {
  for (const auto& r : rM210.RegistroM215) LinhaAjusteBase("M215", r);
  RegistroM215Count += rM210.RegistroM215.Count();
}

void TBloco_M::WriteRegistroM220(TRegistroM210& rM210) {
  for (auto& r : rM210.RegistroM220) {
    LinhaAjuste("M220", r);
    WriteRegistroM225(r);
  }
  RegistroM220Count += rM210.RegistroM220.Count();
}

void TBloco_M::WriteRegistroM225(TRegistroM220& rM220) {
  for (const auto& r : rM220.RegistroM225)
    Line("M225")
        .Value(r.DET_VALOR_AJ)
        .Code(r.CST_PIS)
        .Ext(r.DET_BC_CRED.ToDouble(), 0, 3)
        .Ext(r.DET_ALIQ.ToDouble(), 8, 4)
        .Date(r.DT_OPER_AJ)
        .Text(r.DESC_AJ)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  RegistroM225Count += rM220.RegistroM225.Count();
}

void TBloco_M::LinhaDiferimento(std::string_view reg, const TRegistroM230& r) {
  Line(reg)
      .Text(r.CNPJ)
      .Value(r.VL_VEND)
      .Value(r.VL_NAO_RECEB)
      .Value(r.VL_CONT_DIF)
      .Value(r.VL_CRED_DIF)
      .Text(r.COD_CRED)
      .Add();
}

void TBloco_M::WriteRegistroM230(TRegistroM210& rM210) {
  for (const auto& r : rM210.RegistroM230) LinhaDiferimento("M230", r);
  RegistroM230Count += rM210.RegistroM230.Count();
}

void TBloco_M::LinhaDiferidoAnterior(std::string_view reg, const TRegistroM300& r) {
  Line(reg)
      .Code(r.COD_CONT)
      .Value(r.VL_CONT_APUR_DIFER)
      .Code(r.NAT_CRED_DESC)
      .Value(r.VL_CRED_DESC_DIFER)
      .Value(r.VL_CONT_DIFER_ANT)
      .Text(r.PER_APUR)
      .Date(r.DT_RECEB)
      .Add();
}

void TBloco_M::WriteRegistroM300(TRegistroM001& rM001) {
  for (const auto& r : rM001.RegistroM300) LinhaDiferidoAnterior("M300", r);
  RegistroM300Count += rM001.RegistroM300.Count();
}

void TBloco_M::WriteRegistroM350(TRegistroM001& rM001) {
  const TRegistroM350& r = rM001.RegistroM350;
  // Only a company with payroll PIS has this line.
  if (!(r.VL_TOT_FOL > Currency())) return;
  Line("M350").Value(r.VL_TOT_FOL).Value(r.VL_EXC_BC).Value(r.VL_TOT_BC).Value(r.ALIQ_PIS_FOL).Value(r.VL_TOT_CONT_FOL).Add();
  ++RegistroM350Count;
}

void TBloco_M::LinhaNaturezaReceita(std::string_view reg, const TRegistroM410& r) {
  Line(reg).Text(r.NAT_REC).Value(r.VL_REC).Text(r.COD_CTA).Text(r.DESC_COMPL).Add();
}

void TBloco_M::WriteRegistroM400(TRegistroM001& rM001) {
  for (auto& r : rM001.RegistroM400) {
    Line("M400").Code(r.CST_PIS).Value(r.VL_TOT_REC).Text(r.COD_CTA).Text(r.DESC_COMPL).Add();
    WriteRegistroM410(r);
  }
  RegistroM400Count += rM001.RegistroM400.Count();
}

void TBloco_M::WriteRegistroM410(TRegistroM400& rM400) {
  for (const auto& r : rM400.RegistroM410) LinhaNaturezaReceita("M410", r);
  RegistroM410Count += rM400.RegistroM410.Count();
}

void TBloco_M::WriteRegistroM500(TRegistroM001& rM001) {
  for (auto& r : rM001.RegistroM500) {
    Line("M500")
        .Text(r.COD_CRED)
        .Code(r.IND_CRED_ORI)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .Value(r.VL_CRED)
        .Value(r.VL_AJUS_ACRES)
        .Value(r.VL_AJUS_REDUC)
        .Value(r.VL_CRED_DIFER)
        .Value(r.VL_CRED_DISP)
        .Code(r.IND_DESC_CRED)
        .VExt(r.VL_CRED_DESC)
        .Value(r.SLD_CRED)
        .Add();
    WriteRegistroM505(r);
    WriteRegistroM510(r);
  }
  RegistroM500Count += rM001.RegistroM500.Count();
}

void TBloco_M::WriteRegistroM505(TRegistroM500& rM500) {
  for (const auto& r : rM500.RegistroM505)
    Line("M505")
        .Code(r.NAT_BC_CRED)
        .Code(r.CST_COFINS)
        .VExt(r.VL_BC_COFINS_TOT)
        .VExt(r.VL_BC_COFINS_CUM)
        .VExt(r.VL_BC_COFINS_NC)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.QUANT_BC_COFINS_TOT, 3)
        .VDec(r.QUANT_BC_COFINS, 3)
        .Text(r.DESC_CRED)
        .Add();
  RegistroM505Count += rM500.RegistroM505.Count();
}

void TBloco_M::WriteRegistroM510(TRegistroM500& rM500) {
  for (auto& r : rM500.RegistroM510) {
    LinhaAjuste("M510", r);
    WriteRegistroM515(r);
  }
  RegistroM510Count += rM500.RegistroM510.Count();
}

void TBloco_M::WriteRegistroM515(TRegistroM510& rM510) {
  for (const auto& r : rM510.RegistroM515)
    Line("M515")
        .Value(r.DET_VALOR_AJ)
        .Text(Code(r.CST_COFINS), 2, true)
        .Ext(r.DET_BC_CRED.ToDouble(), 0, 3)
        .Ext(r.DET_ALIQ.ToDouble(), 8, 4)
        .Date(r.DT_OPER_AJ)
        .Text(r.DESC_AJ)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  RegistroM515Count += rM510.RegistroM515.Count();
}

void TBloco_M::WriteRegistroM600(TRegistroM001& rM001) {
  LinhaConsolidacao("M600", rM001.RegistroM600);
  ++RegistroM600Count;
  WriteRegistroM605(rM001.RegistroM600);
  WriteRegistroM610(rM001.RegistroM600);
}

void TBloco_M::WriteRegistroM605(TRegistroM600& rM600) {
  for (const auto& r : rM600.RegistroM605) LinhaReceitaCodigo("M605", r);
  RegistroM605Count += rM600.RegistroM605.Count();
}

void TBloco_M::WriteRegistroM610(TRegistroM600& rM600) {
  const bool ajusteBase = AjusteDeBase();
  for (auto& r : rM600.RegistroM610) {
    TLinha l = Line("M610");
    l.Code(r.COD_CONT).Value(r.VL_REC_BRT).Value(r.VL_BC_CONT);
    if (ajusteBase) l.Value(r.VL_AJUS_ACRES_BC_COFINS).Value(r.VL_AJUS_REDUC_BC_COFINS).Value(r.VL_BC_CONT_AJUS);
    l.VDec(r.ALIQ_COFINS, 4)
        .VDec(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .Value(r.VL_CONT_APUR)
        .Value(r.VL_AJUS_ACRES)
        .Value(r.VL_AJUS_REDUC)
        .VExt(r.VL_CONT_DIFER)
        .VExt(r.VL_CONT_DIFER_ANT)
        .Value(r.VL_CONT_PER)
        .Add();
    WriteRegistroM611(r);
    WriteRegistroM615(r);
    WriteRegistroM620(r);
    WriteRegistroM630(r);
  }
  RegistroM610Count += rM600.RegistroM610.Count();
}

void TBloco_M::WriteRegistroM611(TRegistroM610& rM610) {
  if (!Cooperativa()) return;
  LinhaCooperativa("M611", rM610.RegistroM611);
  ++RegistroM611Count;
}

void TBloco_M::WriteRegistroM615(TRegistroM610& rM610) {
  for (const auto& r : rM610.RegistroM615) LinhaAjusteBase("M615", r);
  RegistroM615Count += rM610.RegistroM615.Count();
}

void TBloco_M::WriteRegistroM620(TRegistroM610& rM610) {
  for (auto& r : rM610.RegistroM620) {
    LinhaAjuste("M620", r);
    WriteRegistroM625(r);
  }
  RegistroM620Count += rM610.RegistroM620.Count();
}

void TBloco_M::WriteRegistroM625(TRegistroM620& rM620) {
  for (const auto& r : rM620.RegistroM625)
    Line("M625")
        .Value(r.DET_VALOR_AJ)
        .Code(r.CST_COFINS)
        .Ext(r.DET_BC_CRED.ToDouble(), 0, 3)
        .Ext(r.DET_ALIQ.ToDouble(), 8, 4)
        .Date(r.DT_OPER_AJ)
        .Text(r.DESC_AJ)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  RegistroM625Count += rM620.RegistroM625.Count();
}

void TBloco_M::WriteRegistroM630(TRegistroM610& rM610) {
  for (const auto& r : rM610.RegistroM630) LinhaDiferimento("M630", r);
  RegistroM630Count += rM610.RegistroM630.Count();
}

void TBloco_M::WriteRegistroM700(TRegistroM001& rM001) {
  for (const auto& r : rM001.RegistroM700) LinhaDiferidoAnterior("M700", r);
  RegistroM700Count += rM001.RegistroM700.Count();
}

void TBloco_M::WriteRegistroM800(TRegistroM001& rM001) {
  for (auto& r : rM001.RegistroM800) {
    Line("M800").Code(r.CST_COFINS).Value(r.VL_TOT_REC).Text(r.COD_CTA).Text(r.DESC_COMPL).Add();
    WriteRegistroM810(r);
  }
  RegistroM800Count += rM001.RegistroM800.Count();
}

void TBloco_M::WriteRegistroM810(TRegistroM800& rM800) {
  for (const auto& r : rM800.RegistroM810) LinhaNaturezaReceita("M810", r);
  RegistroM810Count += rM800.RegistroM810.Count();
}

void TBloco_M::WriteRegistroM990() {
  // The closing line counts itself.
  ++registroM990_->QTD_LIN_M;
  std::string line;
  AppendText(line, "M990");
  AppendInteger(line, registroM990_->QTD_LIN_M);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_M::ContagemRegistros() const {
  return {{"M100", RegistroM100Count}, {"M105", RegistroM105Count}, {"M110", RegistroM110Count}, {"M115", RegistroM115Count}, {"M200", RegistroM200Count}, {"M205", RegistroM205Count}, {"M210", RegistroM210Count}, {"M211", RegistroM211Count}, {"M215", RegistroM215Count}, {"M220", RegistroM220Count}, {"M225", RegistroM225Count}, {"M230", RegistroM230Count}, {"M300", RegistroM300Count}, {"M350", RegistroM350Count}, {"M400", RegistroM400Count}, {"M410", RegistroM410Count}, {"M500", RegistroM500Count}, {"M505", RegistroM505Count}, {"M510", RegistroM510Count}, {"M515", RegistroM515Count}, {"M600", RegistroM600Count}, {"M605", RegistroM605Count}, {"M610", RegistroM610Count}, {"M611", RegistroM611Count}, {"M615", RegistroM615Count}, {"M620", RegistroM620Count}, {"M625", RegistroM625Count}, {"M630", RegistroM630Count}, {"M700", RegistroM700Count}, {"M800", RegistroM800Count}, {"M810", RegistroM810Count}};
}
