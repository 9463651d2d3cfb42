#include "VornEPCBloco_F_Class.h"

#include "FieldChecks.h"

TBloco_F::TBloco_F() { CriaRegistros(); }

void TBloco_F::CriaRegistros() {
  registroF001_ = std::make_unique<TRegistroF001>();
  registroF001_->IND_MOV = TVornIndMov::imSemDados;
  registroF990_ = std::make_unique<TRegistroF990>();
  RegistroF010Count = 0;
  RegistroF100Count = 0;
  RegistroF111Count = 0;
  RegistroF120Count = 0;
  RegistroF129Count = 0;
  RegistroF130Count = 0;
  RegistroF139Count = 0;
  RegistroF150Count = 0;
  RegistroF200Count = 0;
  RegistroF205Count = 0;
  RegistroF210Count = 0;
  RegistroF211Count = 0;
  RegistroF500Count = 0;
  RegistroF509Count = 0;
  RegistroF510Count = 0;
  RegistroF519Count = 0;
  RegistroF525Count = 0;
  RegistroF550Count = 0;
  RegistroF559Count = 0;
  RegistroF560Count = 0;
  RegistroF569Count = 0;
  RegistroF600Count = 0;
  RegistroF700Count = 0;
  RegistroF800Count = 0;
}

void TBloco_F::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

void TBloco_F::WriteRegistroF001() {
  Line("F001").Int(static_cast<int>(registroF001_->IND_MOV)).Add();
  if (registroF001_->IND_MOV == TVornIndMov::imComDados) WriteRegistroF010();
}

void TBloco_F::WriteRegistroF010() {
  for (const auto& r : registroF001_->RegistroF010) {
    Check(ValidaCNPJ(r.CNPJ), "(F-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
    Line("F010").Text(r.CNPJ, 14).Add();
    WriteRegistroF100(r);
    WriteRegistroF120(r);
    WriteRegistroF130(r);
    WriteRegistroF150(r);
    WriteRegistroF200(r);
    WriteRegistroF500(r);
    WriteRegistroF510(r);
    WriteRegistroF525(r);
    WriteRegistroF550(r);
    WriteRegistroF560(r);
    WriteRegistroF600(r);
    WriteRegistroF700(r);
    WriteRegistroF800(r);
  }
  RegistroF010Count += registroF001_->RegistroF010.Count();
}

void TBloco_F::WriteRegistroF100(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF100) {
    Line("F100")
        .Code(r.IND_OPER)
        .Text(r.COD_PART)
        .Text(r.COD_ITEM)
        .Date(r.DT_OPER)
        .Value(r.VL_OPER)
        .Code(r.CST_PIS)
        .Ext(r.VL_BC_PIS.ToExtended(), 0, 4, false, "0.0000")
        .Ext(r.ALIQ_PIS.ToExtended(), 0, 4, false, "0.0000")
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Ext(r.VL_BC_COFINS.ToExtended(), 0, 4, false, "0.0000")
        .Ext(r.ALIQ_COFINS.ToExtended(), 0, 4, false, "0.0000")
        .Value(r.VL_COFINS)
        .Code(r.NAT_BC_CRED)
        .Code(r.IND_ORIG_CRED)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_DOC_OPER)
        .Add();
    WriteProcessos("F111", r.RegistroF111, RegistroF111Count);
  }
  RegistroF100Count += rF010.RegistroF100.Count();
}

void TBloco_F::WriteRegistroF120(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF120) {
    Line("F120")
        .Code(r.NAT_BC_CRED)
        .Text(r.IDENT_BEM_IMOB)
        .Text(r.IND_ORIG_CRED)
        .Text(r.IND_UTIL_BEM_IMOB)
        .Value(r.VL_OPER_DEP)
        .Value(r.PARC_OPER_NAO_BC_CRED)
        .Code(r.CST_PIS)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_BEM_IMOB)
        .Add();
    WriteProcessos("F129", r.RegistroF129, RegistroF129Count);
  }
  RegistroF120Count += rF010.RegistroF120.Count();
}

void TBloco_F::WriteRegistroF130(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF130) {
    Line("F130")
        .Code(r.NAT_BC_CRED)
        .Text(r.IDENT_BEM_IMOB)
        .Text(r.IND_ORIG_CRED)
        .Text(r.IND_UTIL_BEM_IMOB)
        .Text(r.MES_OPER_AQUIS)
        .Value(r.VL_OPER_AQUIS)
        .Value(r.PARC_OPER_NAO_BC_CRED)
        .Value(r.VL_BC_CRED)
        .Int(r.IND_NR_PARC, 1)
        .Code(r.CST_PIS)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_BEM_IMOB)
        .Add();
    WriteProcessos("F139", r.RegistroF139, RegistroF139Count);
  }
  RegistroF130Count += rF010.RegistroF130.Count();
}

void TBloco_F::WriteRegistroF150(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF150) {
    Line("F150")
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_TOT_EST)
        .Value(r.EST_IMP)
        .Value(r.VL_BC_EST)
        .Value(r.VL_BC_MEN_EST)
        .Code(r.CST_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_CRED_PIS)
        .Code(r.CST_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_CRED_COFINS)
        .Text(r.DESC_EST)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroF150Count += rF010.RegistroF150.Count();
}

void TBloco_F::WriteRegistroF200(const TRegistroF010& rF010) {
  // The incurred cost (F205) belongs to the non-cumulative regime only.
  const bool comF205 = !Bloco_0 || Bloco_0->Registro0001().Registro0110.COD_INC_TRIB !=
                                       TVornCodIncTrib::codEscrOpIncCumulativo;
  for (const auto& r : rF010.RegistroF200) {
    Line("F200")
        .Text(r.IND_OPER)
        .Text(r.UNID_IMOB)
        .Text(r.IDENT_EMP)
        .Text(r.DESC_UNID_IMOB)
        .Text(r.NUM_CONT)
        .Text(r.CPF_CNPJ_ADQU)
        .Date(r.DT_OPER)
        .Value(r.VL_TOT_VEND)
        .Value(r.VL_REC_ACUM)
        .Value(r.VL_TOT_REC)
        .Code(r.CST_PIS)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Value(r.PERC_REC_RECEB)
        .Text(r.IND_NAT_EMP)
        .Text(r.INF_COMP)
        .Add();
    if (comF205) WriteRegistroF205(r);
    WriteRegistroF210(r);
    WriteProcessos("F211", r.RegistroF211, RegistroF211Count);
  }
  RegistroF200Count += rF010.RegistroF200.Count();
}

void TBloco_F::WriteRegistroF205(const TRegistroF200& rF200) {
  const TRegistroF205& r = rF200.RegistroF205;
  Line("F205")
      .Value(r.VL_CUS_INC_ACUM_ANT)
      .Value(r.VL_CUS_INC_PER_ESC)
      .Value(r.VL_CUS_INC_ACUM)
      .Value(r.VL_EXC_BC_CUS_INC_ACUM)
      .Value(r.VL_BC_CUS_INC)
      .Code(r.CST_PIS)
      .Dec(r.ALIQ_PIS, 4)
      .Value(r.VL_CRED_PIS_ACUM)
      .Value(r.VL_CRED_PIS_DESC_ANT)
      .Value(r.VL_CRED_PIS_DESC)
      .Value(r.VL_CRED_PIS_DESC_FUT)
      .Code(r.CST_COFINS)
      .Dec(r.ALIQ_COFINS, 4)
      .Value(r.VL_CRED_COFINS_ACUM)
      .Value(r.VL_CRED_COFINS_DESC_ANT)
      .Value(r.VL_CRED_COFINS_DESC)
      .Value(r.VL_CRED_COFINS_DESC_FUT)
      .Add();
  ++RegistroF205Count;
}

void TBloco_F::WriteRegistroF210(const TRegistroF200& rF200) {
  for (const auto& r : rF200.RegistroF210) {
    Line("F210")
        .Value(r.VL_CUS_ORC)
        .Value(r.VL_EXC)
        .Value(r.VL_CUS_ORC_AJU)
        .Value(r.VL_BC_CRED)
        .Code(r.CST_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_CRED_PIS_UTIL)
        .Code(r.CST_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_CRED_COFINS_UTIL)
        .Add();
  }
  RegistroF210Count += rF200.RegistroF210.Count();
}

// F500's process records (F509) are kept but have no line of their own.
void TBloco_F::WriteRegistroF500(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF500) {
    Line("F500")
        .Value(r.VL_REC_CAIXA)
        .Code(r.CST_PIS)
        .Value(r.VL_DESC_PIS)
        .Dec(r.VL_BC_PIS, 2)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_DESC_COFINS)
        .Dec(r.VL_BC_COFINS, 2)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_MOD)
        .Int(r.CFOP, 4, true)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  }
  RegistroF500Count += rF010.RegistroF500.Count();
}

// F510's process records (F519) are kept but have no line of their own.
void TBloco_F::WriteRegistroF510(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF510) {
    Line("F510")
        .Value(r.VL_REC_CAIXA)
        .Code(r.CST_PIS)
        .Value(r.VL_DESC_PIS)
        .Value(r.QUANT_BC_PIS)
        .Value(r.ALIQ_PIS_QUANT)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_DESC_COFINS)
        .Value(r.QUANT_BC_COFINS)
        .Value(r.ALIQ_COFINS_QUANT)
        .Value(r.VL_COFINS)
        .Text(r.COD_MOD)
        .Int(r.CFOP, 4, true)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  }
  RegistroF510Count += rF010.RegistroF510.Count();
}

void TBloco_F::WriteRegistroF525(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF525) {
    Line("F525")
        .Value(r.VL_REC)
        .Code(r.IND_REC)
        .Text(r.CNPJ_CPF)
        .Text(r.NUM_DOC)
        .Text(r.COD_ITEM)
        .Value(r.VL_REC_DET)
        .Code(r.CST_PIS)
        .Code(r.CST_COFINS)
        .Text(r.INFO_COMPL)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroF525Count += rF010.RegistroF525.Count();
}

void TBloco_F::WriteRegistroF550(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF550) {
    Line("F550")
        .Value(r.VL_REC_COMP)
        .Code(r.CST_PIS)
        .Value(r.VL_DESC_PIS)
        .Dec(r.VL_BC_PIS, 2)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_DESC_COFINS)
        .Dec(r.VL_BC_COFINS, 2)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_MOD)
        .Int(r.CFOP, 4, true)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
    // F559 fills its fields to fixed widths, so an absent origin comes out as "0".
    for (const auto& p : r.RegistroF559) Line("F559").Text(p.NUM_PROC, 20).Text(Code(p.IND_PROC), 1).Add();
    RegistroF559Count += r.RegistroF559.Count();
  }
  RegistroF550Count += rF010.RegistroF550.Count();
}

// F560's process records (F569) are kept but have no line of their own.
void TBloco_F::WriteRegistroF560(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF560) {
    Line("F560")
        .Value(r.VL_REC_COMP)
        .Code(r.CST_PIS)
        .Value(r.VL_DESC_PIS)
        .Dec(r.QUANT_BC_PIS, 3)
        .Dec(r.ALIQ_PIS_QUANT, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_DESC_COFINS)
        .Dec(r.QUANT_BC_COFINS, 3)
        .Dec(r.ALIQ_COFINS_QUANT, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_MOD)
        .Int(r.CFOP, 4, true)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  }
  RegistroF560Count += rF010.RegistroF560.Count();
}

void TBloco_F::WriteRegistroF600(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF600) {
    Line("F600")
        .Code(r.IND_NAT_RET)
        .Date(r.DT_RET)
        .Dec(r.VL_BC_RET, 4)
        .Value(r.VL_RET)
        .Text(r.COD_REC)
        .Code(r.IND_NAT_REC)
        .Text(r.CNPJ)
        .Value(r.VL_RET_PIS)
        .Value(r.VL_RET_COFINS)
        .Text(r.IND_DEC)
        .Add();
  }
  RegistroF600Count += rF010.RegistroF600.Count();
}

void TBloco_F::WriteRegistroF700(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF700) {
    Line("F700")
        .Code(r.IND_ORI_DED)
        .Code(r.IND_NAT_DED)
        .Value(r.VL_DED_PIS)
        .Value(r.VL_DED_COFINS)
        .Value(r.VL_BC_OPER)
        .Text(r.CNPJ)
        .Text(r.INF_COMP)
        .Add();
  }
  RegistroF700Count += rF010.RegistroF700.Count();
}

void TBloco_F::WriteRegistroF800(const TRegistroF010& rF010) {
  for (const auto& r : rF010.RegistroF800) {
    Line("F800")
        .Text(r.IND_NAT_EVEN)
        .Date(r.DT_EVEN)
        .Text(r.CNPJ_SUCED)
        .Text(r.PA_CONT_CRED)
        .Code(r.COD_CRED)
        .Value(r.VL_CRED_PIS)
        .Value(r.VL_CRED_COFINS)
        .Value(r.PER_CRED_CIS)
        .Add();
  }
  RegistroF800Count += rF010.RegistroF800.Count();
}

void TBloco_F::WriteRegistroF990() {
  // The closing line counts itself.
  ++registroF990_->QTD_LIN_F;
  std::string line;
  AppendText(line, "F990");
  AppendInteger(line, registroF990_->QTD_LIN_F);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_F::ContagemRegistros() const {
  return {{"F010", RegistroF010Count}, {"F100", RegistroF100Count}, {"F111", RegistroF111Count}, {"F120", RegistroF120Count}, {"F129", RegistroF129Count}, {"F130", RegistroF130Count}, {"F139", RegistroF139Count}, {"F150", RegistroF150Count}, {"F200", RegistroF200Count}, {"F205", RegistroF205Count}, {"F210", RegistroF210Count}, {"F211", RegistroF211Count}, {"F500", RegistroF500Count}, {"F510", RegistroF510Count}, {"F525", RegistroF525Count}, {"F550", RegistroF550Count}, {"F559", RegistroF559Count}, {"F560", RegistroF560Count}, {"F600", RegistroF600Count}, {"F700", RegistroF700Count}, {"F800", RegistroF800Count}};
}
