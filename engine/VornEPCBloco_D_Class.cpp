#include "VornEPCBloco_D_Class.h"

#include "FieldChecks.h"

namespace {
// An absent variant amount is written as zero.
double Valor(const Variant& v) { return v.IsEmpty() ? 0.0 : v.ToDouble(); }

// Before July 2012 the layout coded who pays the freight differently.
std::string_view IndFrtAte2012(TVornIndFrt v) {
  switch (v) {
    case TVornIndFrt::tfPorContaTerceiros: return "0";
    case TVornIndFrt::tfPorContaEmitente: return "1";
    case TVornIndFrt::tfPorContaDestinatario: return "2";
    case TVornIndFrt::tfSemCobrancaFrete: return "9";
    default: return "";
  }
}

// D200 consolidates issued documents only: no cancelled, denied or unused numbers.
std::string_view CodSitD200(TVornCodSit v) {
  switch (v) {
    case TVornCodSit::sdfCancelado:
    case TVornCodSit::sdfExtCancelado:
    case TVornCodSit::sdfDenegado:
    case TVornCodSit::sdfInutilizado: return "";
    default: return Code(v);
  }
}

std::string_view CodSitD500(TVornCodSit v) {
  return v == TVornCodSit::sdfDenegado || v == TVornCodSit::sdfInutilizado ? std::string_view() : Code(v);
}

bool SemValores(TVornCodSit v) {
  return v == TVornCodSit::sdfCancelado || v == TVornCodSit::sdfExtCancelado || v == TVornCodSit::sdfDenegado ||
         v == TVornCodSit::sdfInutilizado;
}

bool ModeloAceito(const std::string& codMod, std::string_view aceitos) {
  return !codMod.empty() && aceitos.find(codMod) != std::string_view::npos;
}
}  // namespace

TBloco_D::TBloco_D() { CriaRegistros(); }

void TBloco_D::CriaRegistros() {
  registroD001_ = std::make_unique<TRegistroD001>();
  registroD001_->IND_MOV = TVornIndMov::imSemDados;
  registroD990_ = std::make_unique<TRegistroD990>();
  RegistroD010Count = 0;
  RegistroD100Count = 0;
  RegistroD101Count = 0;
  RegistroD105Count = 0;
  RegistroD111Count = 0;
  RegistroD200Count = 0;
  RegistroD201Count = 0;
  RegistroD205Count = 0;
  RegistroD209Count = 0;
  RegistroD300Count = 0;
  RegistroD309Count = 0;
  RegistroD350Count = 0;
  RegistroD359Count = 0;
  RegistroD500Count = 0;
  RegistroD501Count = 0;
  RegistroD505Count = 0;
  RegistroD509Count = 0;
  RegistroD600Count = 0;
  RegistroD601Count = 0;
  RegistroD605Count = 0;
  RegistroD609Count = 0;
}

void TBloco_D::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

bool TBloco_D::AntesDeJulho2012() const {
  const TDateTime inicio = Bloco_0 ? Bloco_0->DT_INI : DT_INI;
  return inicio < EncodeDate(2012, 7, 1);
}

void TBloco_D::WriteRegistroD001() {
  Line("D001").Int(static_cast<int>(registroD001_->IND_MOV)).Add();
  if (registroD001_->IND_MOV == TVornIndMov::imComDados) WriteRegistroD010();
}

void TBloco_D::WriteRegistroD010() {
  for (const auto& r : registroD001_->RegistroD010) {
    Check(ValidaCNPJ(r.CNPJ), "(D-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
    Line("D010").Text(r.CNPJ, 14).Add();
    WriteRegistroD100(r);
    WriteRegistroD200(r);
    WriteRegistroD300(r);
    WriteRegistroD350(r);
    WriteRegistroD500(r);
    WriteRegistroD600(r);
  }
  RegistroD010Count += registroD001_->RegistroD010.Count();
}

void TBloco_D::WriteRegistroD100(const TRegistroD010& rD010) {
  const bool ate2012 = AntesDeJulho2012();
  for (const auto& r : rD010.RegistroD100) {
    Check(ModeloAceito(r.COD_MOD, "07 08 8B 09 10 11 26 27 57"), "(D-100) O Modelo do Documento \"%s\" é inválido!",
          r.COD_MOD);
    // Unlike C100, a cancelled transport document keeps its data; only its zeros stay empty.
    const bool nulo = SemValores(r.COD_SIT);
    Line("D100")
        .Text(r.IND_OPER)
        .Code(r.IND_EMIT)
        .Text(r.COD_PART)
        .Text(r.COD_MOD)
        .Code(r.COD_SIT)
        .Text(r.SER)
        .Text(r.SUB)
        .Text(r.NUM_DOC)
        .Text(r.CHV_CTE)
        .Date(r.DT_DOC)
        .Date(r.DT_A_P)
        .Text(r.TP_CT_e)
        .Text(r.CHV_CTE_REF)
        .Value(r.VL_DOC, nulo)
        .Value(r.VL_DESC, nulo)
        .Code(ate2012 ? IndFrtAte2012(r.IND_FRT) : Code(r.IND_FRT))
        .Value(r.VL_SERV, nulo)
        .Value(r.VL_BC_ICMS, nulo)
        .Value(r.VL_ICMS, nulo)
        .Value(r.VL_NT, nulo)
        .Text(r.COD_INF)
        .Text(r.COD_CTA)
        .Add();
    WriteRegistroD101(r);
    WriteRegistroD105(r);
    WriteProcessos("D111", r.RegistroD111, RegistroD111Count);
  }
  RegistroD100Count += rD010.RegistroD100.Count();
}

void TBloco_D::WriteRegistroD101(const TRegistroD100& rD100) {
  for (const auto& r : rD100.RegistroD101) {
    Line("D101")
        .Code(r.IND_NAT_FRT)
        .Value(r.VL_ITEM)
        .Code(r.CST_PIS)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD101Count += rD100.RegistroD101.Count();
}

void TBloco_D::WriteRegistroD105(const TRegistroD100& rD100) {
  for (const auto& r : rD100.RegistroD105) {
    Line("D105")
        .Code(r.IND_NAT_FRT)
        .Value(r.VL_ITEM)
        .Code(r.CST_COFINS)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD105Count += rD100.RegistroD105.Count();
}

void TBloco_D::WriteRegistroD200(const TRegistroD010& rD010) {
  for (const auto& r : rD010.RegistroD200) {
    Check(ModeloAceito(r.COD_MOD, "07 08 8B 09 10 11 26 27 57"), "(D-200) O Modelo do Documento \"%s\" é inválido!",
          r.COD_MOD);
    Line("D200")
        .Text(r.COD_MOD)
        .Code(CodSitD200(r.COD_SIT))
        .Text(r.SER)
        .Text(r.SUB)
        .Int(r.NUM_DOC_INI, 9)
        .Int(r.NUM_DOC_FIN, 9)
        .Int(r.CFOP, 4)
        .Date(r.DT_REF)
        .Value(r.VL_DOC)
        .Value(r.VL_DESC)
        .Add();
    WriteRegistroD201(r);
    WriteRegistroD205(r);
    WriteProcessos("D209", r.RegistroD209, RegistroD209Count);
  }
  RegistroD200Count += rD010.RegistroD200.Count();
}

void TBloco_D::WriteRegistroD201(const TRegistroD200& rD200) {
  for (const auto& r : rD200.RegistroD201) {
    Line("D201")
        .Code(r.CST_PIS)
        .Value(r.VL_ITEM)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD201Count += rD200.RegistroD201.Count();
}

void TBloco_D::WriteRegistroD205(const TRegistroD200& rD200) {
  for (const auto& r : rD200.RegistroD205) {
    Line("D205")
        .Code(r.CST_COFINS)
        .Value(r.VL_ITEM)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD205Count += rD200.RegistroD205.Count();
}

void TBloco_D::WriteRegistroD300(const TRegistroD010& rD010) {
  for (const auto& r : rD010.RegistroD300) {
    Check(ModeloAceito(r.COD_MOD, "13 14 15 16 18"), "(D-300) O Modelo do Documento \"%s\" é inválido!", r.COD_MOD);
    Line("D300")
        .Text(r.COD_MOD)
        .Text(r.SER)
        .Int(r.SUB, 0, true)
        .Int(r.NUM_DOC_INI, 6)
        .Int(r.NUM_DOC_FIN, 6)
        .Int(r.CFOP, 4)
        .Date(r.DT_REF)
        .Value(r.VL_DOC)
        .Value(r.VL_DESC)
        .Code(r.CST_PIS)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
    WriteProcessos("D309", r.RegistroD309, RegistroD309Count);
  }
  RegistroD300Count += rD010.RegistroD300.Count();
}

void TBloco_D::WriteRegistroD350(const TRegistroD010& rD010) {
  for (const auto& r : rD010.RegistroD350) {
    Check(ModeloAceito(r.COD_MOD, "2E 13 14 15 16"), "(D-350) O Modelo do Documento \"%s\" é inválido!", r.COD_MOD);
    Line("D350")
        .Text(r.COD_MOD)
        .Text(r.ECF_MOD)
        .Text(r.ECF_FAB)
        .Date(r.DT_DOC)
        .Int(r.CRO, 3)
        .Int(r.CRZ, 6)
        .Int(r.NUM_COO_FIN, 6)
        .Dec(r.GT_FIN, 2)
        .Dec(r.VL_BRT, 2)
        .Code(r.CST_PIS)
        .VExt(r.VL_BC_PIS)
        .VDec(r.ALIQ_PIS, 4)
        .VExt(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .VExt(r.VL_PIS)
        .Code(r.CST_COFINS)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
    WriteProcessos("D359", r.RegistroD359, RegistroD359Count);
  }
  RegistroD350Count += rD010.RegistroD350.Count();
}

void TBloco_D::WriteRegistroD500(const TRegistroD010& rD010) {
  for (const auto& r : rD010.RegistroD500) {
    Check(ModeloAceito(r.COD_MOD, "21 22"), "(D-500) O Modelo do Documento \"%s\" é inválido!", r.COD_MOD);
    Line("D500")
        .Code(r.IND_OPER)
        .Code(r.IND_EMIT)
        .Text(r.COD_PART)
        .Text(r.COD_MOD)
        .Code(CodSitD500(r.COD_SIT))
        .Text(r.SER)
        .Int(r.SUB, 3)
        .Int(r.NUM_DOC, 9)
        .Date(r.DT_DOC)
        .Date(r.DT_A_P)
        .Value(r.VL_DOC)
        .Value(r.VL_DESC)
        .Value(r.VL_SERV)
        .Value(r.VL_SERV_NT)
        .Value(r.VL_TERC)
        .Value(r.VL_DA)
        .Value(r.VL_BC_ICMS)
        .Value(r.VL_ICMS)
        .Text(r.COD_INF)
        .Value(r.VL_PIS)
        .Value(r.VL_COFINS)
        .Add();
    WriteRegistroD501(r);
    WriteRegistroD505(r);
    WriteProcessos("D509", r.RegistroD509, RegistroD509Count);
  }
  RegistroD500Count += rD010.RegistroD500.Count();
}

void TBloco_D::WriteRegistroD501(const TRegistroD500& rD500) {
  for (const auto& r : rD500.RegistroD501) {
    Line("D501")
        .Code(r.CST_PIS)
        .Value(r.VL_ITEM)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD501Count += rD500.RegistroD501.Count();
}

void TBloco_D::WriteRegistroD505(const TRegistroD500& rD500) {
  for (const auto& r : rD500.RegistroD505) {
    Line("D505")
        .Code(r.CST_COFINS)
        .Value(r.VL_ITEM)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD505Count += rD500.RegistroD505.Count();
}

void TBloco_D::WriteRegistroD600(const TRegistroD010& rD010) {
  for (const auto& r : rD010.RegistroD600) {
    Check(ModeloAceito(r.COD_MOD, "21 22"), "(D-600) O Modelo do Documento \"%s\" é inválido!", r.COD_MOD);
    Line("D600")
        .Text(r.COD_MOD)
        .Int(r.COD_MUN, 7)
        .Text(r.SER)
        .Int(r.SUB, 0, true)
        .Code(r.IND_REC)
        .Int(r.QTD_CONS, 10)
        .Date(r.DT_DOC_INI)
        .Date(r.DT_DOC_FIN)
        .Value(r.VL_DOC)
        .Value(r.VL_DESC)
        .Value(r.VL_SERV)
        .Value(r.VL_SERV_NT)
        .Value(r.VL_TERC)
        .Value(r.VL_DA)
        .Value(r.VL_BC_ICMS)
        .Value(r.VL_ICMS)
        .Value(r.VL_PIS)
        .Value(r.VL_COFINS)
        .Add();
    WriteRegistroD601(r);
    WriteRegistroD605(r);
    WriteProcessos("D609", r.RegistroD609, RegistroD609Count);
  }
  RegistroD600Count += rD010.RegistroD600.Count();
}

void TBloco_D::WriteRegistroD601(const TRegistroD600& rD600) {
  for (const auto& r : rD600.RegistroD601) {
    Line("D601")
        .Int(r.COD_CLASS, 4)
        .VExt(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .Code(r.CST_PIS)
        .VExt(r.VL_BC_PIS)
        .VDec(r.ALIQ_PIS, 4)
        .Ext(Valor(r.VL_PIS))
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD601Count += rD600.RegistroD601.Count();
}

void TBloco_D::WriteRegistroD605(const TRegistroD600& rD600) {
  for (const auto& r : rD600.RegistroD605) {
    Line("D605")
        .Int(r.COD_CLASS, 4)
        .VExt(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .Code(r.CST_COFINS)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroD605Count += rD600.RegistroD605.Count();
}

void TBloco_D::WriteRegistroD990() {
  // The closing line counts itself.
  ++registroD990_->QTD_LIN_D;
  std::string line;
  AppendText(line, "D990");
  AppendInteger(line, registroD990_->QTD_LIN_D);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_D::ContagemRegistros() const {
  return {{"D010", RegistroD010Count}, {"D100", RegistroD100Count}, {"D101", RegistroD101Count}, {"D105", RegistroD105Count}, {"D111", RegistroD111Count}, {"D200", RegistroD200Count}, {"D201", RegistroD201Count}, {"D205", RegistroD205Count}, {"D209", RegistroD209Count}, {"D300", RegistroD300Count}, {"D309", RegistroD309Count}, {"D350", RegistroD350Count}, {"D359", RegistroD359Count}, {"D500", RegistroD500Count}, {"D501", RegistroD501Count}, {"D505", RegistroD505Count}, {"D509", RegistroD509Count}, {"D600", RegistroD600Count}, {"D601", RegistroD601Count}, {"D605", RegistroD605Count}, {"D609", RegistroD609Count}};
}
