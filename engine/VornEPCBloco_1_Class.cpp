#include "VornEPCBloco_1_Class.h"

TBloco_1::TBloco_1() { CriaRegistros(); }

void TBloco_1::CriaRegistros() {
  registro1001_ = std::make_unique<TRegistro1001>();
  registro1001_->IND_MOV = TVornIndMov::imSemDados;
  registro1990_ = std::make_unique<TRegistro1990>();
  Registro1010Count = 0;
  Registro1011Count = 0;
  Registro1020Count = 0;
  Registro1050Count = 0;
  Registro1100Count = 0;
  Registro1101Count = 0;
  Registro1102Count = 0;
  Registro1200Count = 0;
  Registro1210Count = 0;
  Registro1220Count = 0;
  Registro1300Count = 0;
  Registro1500Count = 0;
  Registro1501Count = 0;
  Registro1502Count = 0;
  Registro1600Count = 0;
  Registro1610Count = 0;
  Registro1620Count = 0;
  Registro1700Count = 0;
  Registro1800Count = 0;
  Registro1809Count = 0;
  Registro1900Count = 0;
}

void TBloco_1::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

TRegistro1011& TBloco_1::Registro1011New() {
  return registro1001_->Registro1010.Last(SemPai("1011", "1010").c_str()).Registro1011.New();
}
TRegistro1101& TBloco_1::Registro1101New() {
  return registro1001_->Registro1100.Last(SemPai("1101", "1100").c_str()).Registro1101.New();
}
TRegistro1102& TBloco_1::Registro1102New() {
  return registro1001_->Registro1100.Last(SemPai("1102", "1100").c_str())
      .Registro1101.Last(SemPai("1102", "1101").c_str())
      .Registro1102;
}
TRegistro1210& TBloco_1::Registro1210New() {
  return registro1001_->Registro1200.Last(SemPai("1210", "1200").c_str()).Registro1210.New();
}
TRegistro1220& TBloco_1::Registro1220New() {
  return registro1001_->Registro1200.Last(SemPai("1220", "1200").c_str()).Registro1220.New();
}
TRegistro1501& TBloco_1::Registro1501New() {
  return registro1001_->Registro1500.Last(SemPai("1501", "1500").c_str()).Registro1501.New();
}
TRegistro1502& TBloco_1::Registro1502New() {
  return registro1001_->Registro1500.Last(SemPai("1502", "1500").c_str())
      .Registro1501.Last(SemPai("1502", "1501").c_str())
      .Registro1502;
}
TRegistro1610& TBloco_1::Registro1610New() {
  return registro1001_->Registro1600.Last(SemPai("1610", "1600").c_str()).Registro1610.New();
}
TRegistro1620& TBloco_1::Registro1620New() {
  return registro1001_->Registro1600.Last(SemPai("1620", "1600").c_str()).Registro1620.New();
}
TRegistro1809& TBloco_1::Registro1809New() {
  return registro1001_->Registro1800.Last(SemPai("1809", "1800").c_str()).Registro1809.New();
}

namespace {
// The credit split exists only for credits tied to both taxed and untaxed or exported revenue.
bool TemRateioDeCredito(int cst) { return (cst >= 53 && cst <= 56) || (cst >= 63 && cst <= 66); }
}  // namespace

void TBloco_1::WriteRegistro1001() {
  TRegistro1001& r = *registro1001_;
  Line("1001").Int(static_cast<int>(r.IND_MOV)).Add();
  if (r.IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistro1010(r);
  WriteRegistro1020(r);
  WriteRegistro1050(r);
  WriteRegistro1100(r);
  WriteRegistro1200(r);
  WriteRegistro1300(r);
  WriteRegistro1500(r);
  WriteRegistro1600(r);
  WriteRegistro1700(r);
  WriteRegistro1800(r);
  WriteRegistro1900(r);
}

void TBloco_1::WriteRegistro1010(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1010) {
    Line("1010")
        .Text(r.NUM_PROC)
        .Text(r.ID_SEC_JUD)
        .Text(r.ID_VARA)
        .Int(r.IND_NAT_ACAO, 2)
        .Text(r.DESC_DEC_JUD)
        .Date(r.DT_SENT_JUD)
        .Add();
    WriteRegistro1011(r);
  }
  Registro1010Count += r1001.Registro1010.Count();
}

void TBloco_1::WriteRegistro1011(TRegistro1010& r1010) {
  for (const auto& r : r1010.Registro1011)
    Line("1011")
        .Text(r.REG_REF)
        .Text(r.CHAVE_DOC)
        .Text(r.COD_PART)
        .Text(r.COD_ITEM)
        .Date(r.DT_OPER)
        .Value(r.VL_OPER)
        .Int(r.CST_PIS, 2)
        .VDec(r.VL_BC_PIS, 4)
        .VDec(r.ALIQ_PIS, 4)
        .VDec(r.VL_PIS, 2)
        .Int(r.CST_COFINS, 2)
        .VDec(r.VL_BC_COFINS, 4)
        .VDec(r.ALIQ_COFINS, 4)
        .VDec(r.VL_COFINS, 2)
        .Int(r.CST_PIS_SUSP, 2)
        .VDec(r.VL_BC_PIS_SUSP, 4)
        .VDec(r.ALIQ_PIS_SUSP, 4)
        .VDec(r.VL_PIS_SUSP, 2)
        .Int(r.CST_COFINS_SUSP, 2)
        .VDec(r.VL_BC_COFINS_SUSP, 4)
        .VDec(r.ALIQ_COFINS_SUSP, 4)
        .VDec(r.VL_COFINS_SUSP, 2)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_DOC_OPER)
        .Add();
  Registro1011Count += r1010.Registro1011.Count();
}

void TBloco_1::WriteRegistro1020(TRegistro1001& r1001) {
  for (const auto& r : r1001.Registro1020) Line("1020").Text(r.NUM_PROC).Int(r.IND_NAT_ACAO, 2).Date(r.DT_DEC_ADM).Add();
  Registro1020Count += r1001.Registro1020.Count();
}

void TBloco_1::WriteRegistro1050(TRegistro1001& r1001) {
  for (const auto& r : r1001.Registro1050)
    Line("1050")
        .Date(r.DT_REF)
        .Code(r.IND_AJ_BC)
        .Text(r.CNPJ, 14)
        .Value(r.VL_AJ_TOT)
        .Value(r.VL_AJ_CST01)
        .Value(r.VL_AJ_CST02)
        .Value(r.VL_AJ_CST03)
        .Value(r.VL_AJ_CST04)
        .Value(r.VL_AJ_CST05)
        .Value(r.VL_AJ_CST06)
        .Value(r.VL_AJ_CST07)
        .Value(r.VL_AJ_CST08)
        .Value(r.VL_AJ_CST09)
        .Value(r.VL_AJ_CST49)
        .Value(r.VL_AJ_CST99)
        .Code(r.IND_APROP)
        .Text(r.NUM_REC)
        .Text(r.INFO_COMPL)
        .Add();
  Registro1050Count += r1001.Registro1050.Count();
}

void TBloco_1::LinhaControleCredito(std::string_view reg, const TControleCredito& r) {
  Line(reg)
      .Int(r.PER_APU_CRED, 6)
      .Int(r.ORIG_CRED, 2)
      .Text(r.CNPJ_SUC)
      .Int(r.COD_CRED, 3)
      .Value(r.VL_CRED_APU)
      .Value(r.VL_CRED_EXT_APU)
      .Value(r.VL_TOT_CRED_APU)
      .Value(r.VL_CRED_DESC_PA_ANT)
      .Value(r.VL_CRED_PER_PA_ANT)
      .Value(r.VL_CRED_DCOMP_PA_ANT)
      .Value(r.SD_CRED_DISP_EFD)
      .Value(r.VL_CRED_DESC_EFD)
      .Value(r.VL_CRED_PER_EFD)
      .Value(r.VL_CRED_DCOMP_EFD)
      .Value(r.VL_CRED_TRANS)
      .Value(r.VL_CRED_OUT)
      .Value(r.SLD_CRED_FIM)
      .Add();
}

void TBloco_1::WriteRegistro1100(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1100) {
    LinhaControleCredito("1100", r);
    WriteRegistro1101(r);
  }
  Registro1100Count += r1001.Registro1100.Count();
}

void TBloco_1::WriteRegistro1101(TRegistro1100& r1100) {
  for (auto& r : r1100.Registro1101) {
    Line("1101")
        .Text(r.COD_PART)
        .Text(r.COD_ITEM)
        .Text(r.COD_MOD)
        .Text(r.SER)
        .Text(r.SUB_SER)
        .Int(r.NUM_DOC)
        .Date(r.DT_OPER)
        .Text(r.CHV_NFE)
        .Value(r.VL_OPER)
        .Int(r.CFOP, 4, true)
        .Text(r.NAT_BC_CRED)
        .Int(r.IND_ORIG_CRED)
        .Int(r.CST_PIS, 2)
        .Dec(r.VL_BC_PIS, 3)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_COMPL)
        .Int(r.PER_ESCRIT, 6)
        .Text(r.CNPJ)
        .Add();
    WriteRegistro1102(r);
  }
  Registro1101Count += r1100.Registro1101.Count();
}

void TBloco_1::WriteRegistro1102(TRegistro1101& r1101) {
  if (!TemRateioDeCredito(r1101.CST_PIS)) return;
  const TRegistro1102& r = r1101.Registro1102;
  Line("1102").VDec(r.VL_CRED_PIS_TRIB_MI, 2).VDec(r.VL_CRED_PIS_NT_MI, 2).VDec(r.VL_CRED_PIS_EXP, 2).Add();
  ++Registro1102Count;
}

void TBloco_1::WriteRegistro1200(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1200) {
    Line("1200")
        .Int(r.PER_APUR_ANT, 6)
        .Text(r.NAT_CONT_REC)
        .Value(r.VL_CONT_APUR)
        .Value(r.VL_CRED_PIS_DESC)
        .Value(r.VL_CONT_DEV)
        .Value(r.VL_OUT_DED)
        .Value(r.VL_CONT_EXT)
        .Value(r.VL_MUL)
        .Value(r.VL_JUR)
        .Date(r.DT_RECOL)
        .Add();
    WriteRegistro1210(r);
    WriteRegistro1220(r);
  }
  Registro1200Count += r1001.Registro1200.Count();
}

void TBloco_1::WriteRegistro1210(TRegistro1200& r1200) {
  for (const auto& r : r1200.Registro1210)
    Line("1210")
        .Text(r.CNPJ)
        .Code(r.CST_PIS)
        .Text(r.COD_PART)
        .Date(r.DT_OPER)
        .Value(r.VL_OPER)
        .Value(r.VL_BC_PIS)
        .Value(r.ALIQ_PIS)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Text(r.DESC_COMPL)
        .Add();
  Registro1210Count += r1200.Registro1210.Count();
}

void TBloco_1::LinhaCreditoUtilizado(std::string_view reg, const TRegistro1220& r) {
  Line(reg).Int(r.PER_APU_CRED, 6).Int(r.ORIG_CRED, 2).Int(r.COD_CRED, 3).Value(r.VL_CRED).Add();
}

void TBloco_1::WriteRegistro1220(TRegistro1200& r1200) {
  for (const auto& r : r1200.Registro1220) LinhaCreditoUtilizado("1220", r);
  Registro1220Count += r1200.Registro1220.Count();
}

void TBloco_1::LinhaRetencao(std::string_view reg, const TRegistro1300& r) {
  Line(reg)
      .Int(r.IND_NAT_RET, 2)
      .Int(r.PR_REC_RET, 6)
      .Value(r.VL_RET_APU)
      .Value(r.VL_RET_DED)
      .Value(r.VL_RET_PER)
      .Value(r.VL_RET_DCOMP)
      .Value(r.SLD_RET)
      .Add();
}

void TBloco_1::WriteRegistro1300(TRegistro1001& r1001) {
  for (const auto& r : r1001.Registro1300) LinhaRetencao("1300", r);
  Registro1300Count += r1001.Registro1300.Count();
}

void TBloco_1::WriteRegistro1500(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1500) {
    LinhaControleCredito("1500", r);
    WriteRegistro1501(r);
  }
  Registro1500Count += r1001.Registro1500.Count();
}

void TBloco_1::WriteRegistro1501(TRegistro1500& r1500) {
  for (auto& r : r1500.Registro1501) {
    Line("1501")
        .Text(r.COD_PART)
        .Text(r.COD_ITEM)
        .Text(r.COD_MOD)
        .Text(r.SER)
        .Text(r.SUB_SER)
        .Int(r.NUM_DOC)
        .Date(r.DT_OPER)
        .Text(r.CHV_NFE)
        .Value(r.VL_OPER)
        .Int(r.CFOP, 4, true)
        .Text(r.NAT_BC_CRED)
        .Int(r.IND_ORIG_CRED)
        .Int(r.CST_COFINS, 2)
        .Dec(r.VL_BC_COFINS, 3)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Text(r.DESC_COMPL)
        .Int(r.PER_ESCRIT, 6)
        .Text(r.CNPJ)
        .Add();
    WriteRegistro1502(r);
  }
  Registro1501Count += r1500.Registro1501.Count();
}

void TBloco_1::WriteRegistro1502(TRegistro1501& r1501) {
  if (!TemRateioDeCredito(r1501.CST_COFINS)) return;
  const TRegistro1502& r = r1501.Registro1502;
  Line("1502").VDec(r.VL_CRED_COFINS_TRIB_MI, 2).VDec(r.VL_CRED_COFINS_NT_MI, 2).VDec(r.VL_CRED_COFINS_EXP, 2).Add();
  ++Registro1502Count;
}

void TBloco_1::WriteRegistro1600(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1600) {
    Line("1600")
        .Int(r.PER_APUR_ANT, 6)
        .Text(r.NAT_CONT_REC)
        .Value(r.VL_CONT_APUR)
        .Value(r.VL_CRED_COFINS_DESC)
        .Value(r.VL_CONT_DEV)
        .Value(r.VL_OUT_DED)
        .Value(r.VL_CONT_EXT)
        .Value(r.VL_MUL)
        .Value(r.VL_JUR)
        .Date(r.DT_RECOL)
        .Add();
    WriteRegistro1610(r);
    WriteRegistro1620(r);
  }
  Registro1600Count += r1001.Registro1600.Count();
}

void TBloco_1::WriteRegistro1610(TRegistro1600& r1600) {
  for (const auto& r : r1600.Registro1610)
    Line("1610")
        .Text(r.CNPJ)
        .Code(r.CST_COFINS)
        .Text(r.COD_PART)
        .Date(r.DT_OPER)
        .Value(r.VL_OPER)
        .Dec(r.VL_BC_COFINS, 3)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Text(r.DESC_COMPL)
        .Add();
  Registro1610Count += r1600.Registro1610.Count();
}

void TBloco_1::WriteRegistro1620(TRegistro1600& r1600) {
  for (const auto& r : r1600.Registro1620) LinhaCreditoUtilizado("1620", r);
  Registro1620Count += r1600.Registro1620.Count();
}

void TBloco_1::WriteRegistro1700(TRegistro1001& r1001) {
  for (const auto& r : r1001.Registro1700) LinhaRetencao("1700", r);
  Registro1700Count += r1001.Registro1700.Count();
}

void TBloco_1::WriteRegistro1800(TRegistro1001& r1001) {
  for (auto& r : r1001.Registro1800) {
    Line("1800")
        .Text(r.INC_IMOB)
        .Value(r.REC_RECEB_RET)
        .Value(r.REC_FIN_RET)
        .Value(r.BC_RET)
        .Value(r.ALIQ_RET)
        .Value(r.VL_REC_UNI)
        .Date(r.DT_REC_UNI)
        .Text(r.COD_REC)
        .Add();
    WriteRegistro1809(r);
  }
  Registro1800Count += r1001.Registro1800.Count();
}

void TBloco_1::WriteRegistro1809(TRegistro1800& r1800) {
  for (const auto& r : r1800.Registro1809) Line("1809").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  Registro1809Count += r1800.Registro1809.Count();
}

void TBloco_1::WriteRegistro1900(TRegistro1001& r1001) {
  for (const auto& r : r1001.Registro1900)
    Line("1900")
        .Text(r.CNPJ)
        .Text(r.COD_MOD)
        .Text(r.SER)
        .Text(r.SUB_SER)
        .Code(r.COD_SIT)
        .Value(r.VL_TOT_REC)
        .Int(r.QUANT_DOC)
        .Code(r.CST_PIS)
        .Code(r.CST_COFINS)
        .Int(r.CFOP, 4, true)
        .Text(r.INF_COMPL)
        .Text(r.COD_CTA)
        .Add();
  Registro1900Count += r1001.Registro1900.Count();
}

void TBloco_1::WriteRegistro1990() {
  // The closing line counts itself.
  ++registro1990_->QTD_LIN_1;
  std::string line;
  AppendText(line, "1990");
  AppendInteger(line, registro1990_->QTD_LIN_1);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_1::ContagemRegistros() const {
  std::vector<TRegisterCount> out{{"1010", Registro1010Count}};
  // 1011 is listed only below a written 1010.
  if (Registro1010Count > 0) out.push_back({"1011", Registro1011Count});
  for (TRegisterCount c : std::vector<TRegisterCount>{{"1020", Registro1020Count}, {"1050", Registro1050Count}, {"1100", Registro1100Count}, {"1101", Registro1101Count}, {"1102", Registro1102Count}, {"1200", Registro1200Count}, {"1210", Registro1210Count}, {"1220", Registro1220Count}, {"1300", Registro1300Count}, {"1500", Registro1500Count}, {"1501", Registro1501Count}, {"1502", Registro1502Count}, {"1600", Registro1600Count}, {"1610", Registro1610Count}, {"1620", Registro1620Count}, {"1700", Registro1700Count}, {"1800", Registro1800Count}, {"1809", Registro1809Count}, {"1900", Registro1900Count}})
    out.push_back(c);
  return out;
}
