// Block C writer: creation, the opening and establishment registers with their incremental
// writing, and the document families C100, C180 and C190.
#include "VornEPCBloco_C_Class.h"

#include <stdexcept>

#include "FieldChecks.h"

TBloco_C::TBloco_C() { CriaRegistros(); }

void TBloco_C::CriaRegistros() {
  registroC001_ = std::make_unique<TRegistroC001>();
  registroC001_->IND_MOV = TVornIndMov::imSemDados;
  registroC990_ = std::make_unique<TRegistroC990>();
  RegistroC010Count = RegistroC100Count = RegistroC110Count = RegistroC111Count = RegistroC120Count = 0;
  RegistroC170Count = RegistroC175Count = RegistroC180Count = RegistroC181Count = RegistroC185Count = 0;
  RegistroC188Count = RegistroC190Count = RegistroC191Count = RegistroC195Count = RegistroC198Count = 0;
  RegistroC199Count = RegistroC380Count = RegistroC381Count = RegistroC385Count = RegistroC395Count = 0;
  RegistroC396Count = RegistroC400Count = RegistroC405Count = RegistroC481Count = RegistroC485Count = 0;
  RegistroC489Count = RegistroC490Count = RegistroC491Count = RegistroC495Count = RegistroC499Count = 0;
  RegistroC500Count = RegistroC501Count = RegistroC505Count = RegistroC509Count = RegistroC600Count = 0;
  RegistroC601Count = RegistroC605Count = RegistroC609Count = RegistroC800Count = RegistroC810Count = 0;
  RegistroC820Count = RegistroC830Count = RegistroC860Count = RegistroC870Count = RegistroC880Count = 0;
  RegistroC890Count = 0;
}

void TBloco_C::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

// ---- parents of the creators ----

TRegistroC010& TBloco_C::UltimoC010(const char* child) {
  return registroC001_->RegistroC010.Last(SemPai(child, "C010").c_str());
}
TRegistroC100& TBloco_C::UltimoC100(const char* child) {
  return UltimoC010(child).RegistroC100.Last(SemPai(child, "C100").c_str());
}
TRegistroC180& TBloco_C::UltimoC180(const char* child) {
  return UltimoC010(child).RegistroC180.Last(SemPai(child, "C180").c_str());
}
TRegistroC190& TBloco_C::UltimoC190(const char* child) {
  return UltimoC010(child).RegistroC190.Last(SemPai(child, "C190").c_str());
}
TRegistroC380& TBloco_C::UltimoC380(const char* child) {
  return UltimoC010(child).RegistroC380.Last(SemPai(child, "C380").c_str());
}
TRegistroC395& TBloco_C::UltimoC395(const char* child) {
  return UltimoC010(child).RegistroC395.Last(SemPai(child, "C395").c_str());
}
TRegistroC400& TBloco_C::UltimoC400(const char* child) {
  return UltimoC010(child).RegistroC400.Last(SemPai(child, "C400").c_str());
}
TRegistroC405& TBloco_C::UltimoC405(const char* child) {
  return UltimoC400(child).RegistroC405.Last(SemPai(child, "C405").c_str());
}
TRegistroC490& TBloco_C::UltimoC490(const char* child) {
  return UltimoC010(child).RegistroC490.Last(SemPai(child, "C490").c_str());
}
TRegistroC500& TBloco_C::UltimoC500(const char* child) {
  return UltimoC010(child).RegistroC500.Last(SemPai(child, "C500").c_str());
}
TRegistroC600& TBloco_C::UltimoC600(const char* child) {
  return UltimoC010(child).RegistroC600.Last(SemPai(child, "C600").c_str());
}
TRegistroC800& TBloco_C::UltimoC800(const char* child) {
  return UltimoC010(child).RegistroC800.Last(SemPai(child, "C800").c_str());
}
TRegistroC860& TBloco_C::UltimoC860(const char* child) {
  return UltimoC010(child).RegistroC860.Last(SemPai(child, "C860").c_str());
}

TVornCodVer TBloco_C::Versao() const {
  if (!Bloco_0) throw std::logic_error("Bloco C sem referência ao bloco 0: a versão do leiaute é desconhecida");
  return Bloco_0->Registro0000().COD_VER;
}

// ---- opening, establishment, closing ----

void TBloco_C::WriteRegistroC001() {
  if (registroC990_->QTD_LIN_C == 0) Line("C001").Int(static_cast<int>(registroC001_->IND_MOV)).Add();
  if (registroC001_->IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistroC010(*registroC001_);
}

void TBloco_C::WriteRegistroC010(TRegistroC001& c001) {
  TRegistroC010List& lista = c001.RegistroC010;
  const int n = lista.Count();
  const int k = RegistroC010Count;
  if (k < n) {
    for (int i = k; i < n; ++i) {
      TRegistroC010& r = lista[i];
      Check(ValidaCNPJ(r.CNPJ), "(C-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
      Line("C010").Text(r.CNPJ, 14).Code(r.IND_ESCRI).Add();
      WriteFilhosC010(r);
    }
    RegistroC010Count = n;
    return;
  }
  // Every establishment is already in the file: continue below the last one with what the
  // extraction added since (the lists under it were emptied by the previous pass).
  if (k == 0) throw std::out_of_range("Bloco C marcado com dados sem nenhum registro C010");
  WriteFilhosC010(lista[k - 1]);
}

void TBloco_C::WriteFilhosC010(TRegistroC010& c010) {
  WriteRegistroC100(c010);
  WriteRegistroC180(c010);
  WriteRegistroC190(c010);
  WriteRegistroC380(c010);
  WriteRegistroC395(c010);
  WriteRegistroC400(c010);
  WriteRegistroC490(c010);
  WriteRegistroC500(c010);
  WriteRegistroC600(c010);
  // C800 has no line format in the layouts this program writes; the CF-e SAT go out as C860.
  if (DT_INI >= EncodeDate(2015, 5, 1)) WriteRegistroC860(c010);
}

void TBloco_C::WriteRegistroC990() {
  // The closing line counts itself.
  ++registroC990_->QTD_LIN_C;
  std::string line;
  AppendText(line, "C990");
  AppendInteger(line, registroC990_->QTD_LIN_C);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_C::ContagemRegistros() const {
  return {{"C010", RegistroC010Count}, {"C100", RegistroC100Count}, {"C110", RegistroC110Count},
          {"C111", RegistroC111Count}, {"C120", RegistroC120Count}, {"C170", RegistroC170Count},
          {"C175", RegistroC175Count}, {"C180", RegistroC180Count}, {"C181", RegistroC181Count},
          {"C185", RegistroC185Count}, {"C188", RegistroC188Count}, {"C190", RegistroC190Count},
          {"C191", RegistroC191Count}, {"C195", RegistroC195Count}, {"C198", RegistroC198Count},
          {"C199", RegistroC199Count}, {"C380", RegistroC380Count}, {"C381", RegistroC381Count},
          {"C385", RegistroC385Count}, {"C395", RegistroC395Count}, {"C396", RegistroC396Count},
          {"C400", RegistroC400Count}, {"C405", RegistroC405Count}, {"C481", RegistroC481Count},
          {"C485", RegistroC485Count}, {"C489", RegistroC489Count}, {"C490", RegistroC490Count},
          {"C491", RegistroC491Count}, {"C495", RegistroC495Count}, {"C499", RegistroC499Count},
          {"C500", RegistroC500Count}, {"C501", RegistroC501Count}, {"C505", RegistroC505Count},
          {"C509", RegistroC509Count}, {"C600", RegistroC600Count}, {"C601", RegistroC601Count},
          {"C605", RegistroC605Count}, {"C609", RegistroC609Count}, {"C860", RegistroC860Count},
          {"C870", RegistroC870Count}, {"C880", RegistroC880Count}, {"C890", RegistroC890Count}};
}

// ---- C100: individual documents ----

namespace {
bool SemValores(TVornCodSit sit) {
  return sit == TVornCodSit::sdfCancelado || sit == TVornCodSit::sdfExtCancelado ||
         sit == TVornCodSit::sdfDenegado || sit == TVornCodSit::sdfInutilizado;
}

// A cancelled, denied or unused number carries no participant, dates or values.
void LimpaDocumento(TRegistroC100& r) {
  r.COD_PART.clear();
  r.DT_DOC = r.DT_E_S = 0;
  r.VL_DOC = r.VL_DESC = r.VL_ABAT_NT = r.VL_MERC = Currency();
  r.VL_FRT = r.VL_SEG = r.VL_OUT_DA = r.VL_BC_ICMS = r.VL_ICMS = r.VL_BC_ICMS_ST = r.VL_ICMS_ST = Currency();
  r.VL_IPI = r.VL_PIS = r.VL_COFINS = r.VL_PIS_ST = r.VL_COFINS_ST = Currency();
  r.IND_PGTO = TVornIndPgto::tpNenhum;
  r.IND_FRT = TVornIndFrt::tfNenhum;
  if (r.COD_SIT == TVornCodSit::sdfInutilizado) r.CHV_NFE.clear();
}
}  // namespace

void TBloco_C::WriteRegistroC100(TRegistroC010& c010) {
  // Layouts before July 2012 code "no payment" as 9.
  const bool pgtoAntigo = DT_INI < EncodeDate(2012, 7, 1);
  for (auto& r : c010.RegistroC100) {
    const bool vazio = SemValores(r.COD_SIT);
    if (vazio) LimpaDocumento(r);
    const std::string_view indPgto =
        pgtoAntigo && r.IND_PGTO == TVornIndPgto::tpSemPagamento ? "9" : Code(r.IND_PGTO);
    Line("C100")
        .Code(r.IND_OPER)
        .Code(r.IND_EMIT)
        .Text(r.COD_PART)
        .Text(r.COD_MOD)
        .Code(r.COD_SIT)
        .Text(r.SER)
        .Text(r.NUM_DOC)
        .Text(r.CHV_NFE)
        .Date(r.DT_DOC)
        .Date(r.DT_E_S)
        .Value(r.VL_DOC, vazio)
        .Code(indPgto)
        .Value(r.VL_DESC, vazio)
        .Value(r.VL_ABAT_NT, vazio)
        .Value(r.VL_MERC, vazio)
        .Code(r.IND_FRT)
        .Value(r.VL_FRT, vazio)
        .Value(r.VL_SEG, vazio)
        .Value(r.VL_OUT_DA, vazio)
        .Value(r.VL_BC_ICMS, vazio)
        .Value(r.VL_ICMS, vazio)
        .Value(r.VL_BC_ICMS_ST, vazio)
        .Value(r.VL_ICMS_ST, vazio)
        .Value(r.VL_IPI, vazio)
        .Value(r.VL_PIS, vazio)
        .Value(r.VL_COFINS, vazio)
        .Value(r.VL_PIS_ST, vazio)
        .Value(r.VL_COFINS_ST, vazio)
        .Add();
    WriteRegistroC110(r);
    WriteRegistroC111(r);
    WriteRegistroC120(r);
    WriteRegistroC170(r);
    WriteRegistroC175(r);
  }
  RegistroC100Count += c010.RegistroC100.Count();
  c010.RegistroC100.Clear();
}

void TBloco_C::WriteRegistroC110(TRegistroC100& c100) {
  for (const auto& r : c100.RegistroC110) Line("C110").Text(r.COD_INF).Text(r.TXT_COMPL).Add();
  RegistroC110Count += c100.RegistroC110.Count();
}

void TBloco_C::WriteRegistroC111(TRegistroC100& c100) {
  for (const auto& r : c100.RegistroC111) Line("C111").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC111Count += c100.RegistroC111.Count();
}

void TBloco_C::WriteRegistroC120(TRegistroC100& c100) {
  for (const auto& r : c100.RegistroC120)
    Line("C120")
        .Code(r.COD_DOC_IMP)
        .Text(r.NUM_DOC__IMP)
        .Value(r.PIS_IMP)
        .Value(r.COFINS_IMP)
        .Text(r.NUM_ACDRAW, 20)
        .Add();
  RegistroC120Count += c100.RegistroC120.Count();
}

void TBloco_C::WriteRegistroC170(TRegistroC100& c100) {
  for (const auto& r : c100.RegistroC170)
    Line("C170")
        .Text(r.NUM_ITEM)
        .Text(r.COD_ITEM)
        .Text(r.DESCR_COMPL)
        .VDec(r.QTD, 5)
        .Text(r.UNID)
        .Value(r.VL_ITEM)
        .Value(r.VL_DESC)
        .Code(r.IND_MOV)
        .Code(r.CST_ICMS)
        .Text(r.CFOP, 4)
        .Text(r.COD_NAT)
        .Value(r.VL_BC_ICMS)
        .Value(r.ALIQ_ICMS)
        .Value(r.VL_ICMS)
        .Value(r.VL_BC_ICMS_ST)
        .Value(r.ALIQ_ST)
        .Value(r.VL_ICMS_ST)
        .Code(r.IND_APUR)
        .Code(r.CST_IPI)
        .Text(r.COD_ENQ)
        .Value(r.VL_BC_IPI, true)
        .Value(r.ALIQ_IPI, true)
        .Value(r.VL_IPI, true)
        .Code(r.CST_PIS)
        .VDec(r.VL_BC_PIS, 2)
        .VDec(r.ALIQ_PIS_PERC, 4)
        .VDec(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_R, 4)
        .Ext(NumeroDe(r.VL_PIS))
        .Code(r.CST_COFINS)
        .VDec(r.VL_BC_COFINS, 2)
        .VDec(r.ALIQ_COFINS_PERC, 4)
        .VDec(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_R, 4)
        .Ext(NumeroDe(r.VL_COFINS))
        .Text(r.COD_CTA)
        .Add();
  RegistroC170Count += c100.RegistroC170.Count();
}

void TBloco_C::WriteRegistroC175(TRegistroC100& c100) {
  for (const auto& r : c100.RegistroC175)
    Line("C175")
        .Text(r.CFOP, 4)
        .VExt(r.VL_OPR)
        .VExt(r.VL_DESC)
        .Code(r.CST_PIS)
        .VExt(r.VL_BC_PIS)
        .VExt(r.ALIQ_PIS, 8, 4)
        .VExt(r.QUANT_BC_PIS, 0, 3)
        .VExt(r.ALIQ_PIS_QUANT, 0, 4)
        .VExt(r.VL_PIS)
        .Code(r.CST_COFINS)
        .VExt(r.VL_BC_COFINS)
        .VExt(r.ALIQ_COFINS, 8, 4)
        .VExt(r.QUANT_BC_COFINS, 0, 3)
        .VExt(r.ALIQ_COFINS_QUANT, 0, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
  RegistroC175Count += c100.RegistroC175.Count();
}

// ---- C180: consolidated sales by NF-e ----

void TBloco_C::WriteRegistroC180(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC180) {
    Line("C180")
        .Text(r.COD_MOD, 2)
        .Date(r.DT_DOC_INI)
        .Date(r.DT_DOC_FIN)
        .Text(r.COD_ITEM)
        .Text(r.COD_NCM)
        .Text(r.EX_IPI)
        .Value(r.VL_TOT_ITEM)
        .Add();
    WriteRegistroC181(r);
    WriteRegistroC185(r);
    WriteRegistroC188(r);
  }
  RegistroC180Count += c010.RegistroC180.Count();
  c010.RegistroC180.Clear();
}

void TBloco_C::WriteRegistroC181(TRegistroC180& c180) {
  for (const auto& r : c180.RegistroC181)
    Line("C181")
        .Code(r.CST_PIS)
        .Text(r.CFOP, 4)
        .VExt(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .VExt(r.VL_BC_PIS)
        .VDec(r.ALIQ_PIS, 4)
        .VExt(r.QUANT_BC_PIS, 0, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .VExt(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC181Count += c180.RegistroC181.Count();
}

void TBloco_C::WriteRegistroC185(TRegistroC180& c180) {
  for (const auto& r : c180.RegistroC185)
    Line("C185")
        .Code(r.CST_COFINS)
        .Text(r.CFOP, 4)
        .VExt(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.QUANT_BC_COFINS, 0, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC185Count += c180.RegistroC185.Count();
}

void TBloco_C::WriteRegistroC188(TRegistroC180& c180) {
  for (const auto& r : c180.RegistroC188) Line("C188").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC188Count += c180.RegistroC188.Count();
}

// ---- C190: consolidated purchases ----

void TBloco_C::WriteRegistroC190(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC190) {
    Line("C190")
        .Text(r.COD_MOD, 2)
        .Date(r.DT_REF_INI)
        .Date(r.DT_REF_FIN)
        .Text(r.COD_ITEM)
        .Text(r.COD_NCM)
        .Text(r.EX_IPI)
        .Value(r.VL_TOT_ITEM)
        .Add();
    WriteRegistroC191(r);
    WriteRegistroC195(r);
    WriteRegistroC198(r);
    WriteRegistroC199(r);
  }
  RegistroC190Count += c010.RegistroC190.Count();
  c010.RegistroC190.Clear();
}

void TBloco_C::WriteRegistroC191(TRegistroC190& c190) {
  for (const auto& r : c190.RegistroC191)
    Line("C191")
        .Text(r.CNPJ_CPF_PART)
        .Code(r.CST_PIS)
        .Int(r.CFOP, 4)
        .Value(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .VExt(r.VL_BC_PIS, 2)
        .VDec(r.ALIQ_PIS, 4)
        .VExt(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .VExt(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC191Count += c190.RegistroC191.Count();
}

void TBloco_C::WriteRegistroC195(TRegistroC190& c190) {
  for (const auto& r : c190.RegistroC195)
    Line("C195")
        .Text(r.CNPJ_CPF_PART)
        .Code(r.CST_COFINS)
        .Int(r.CFOP, 4)
        .Value(r.VL_ITEM)
        .VExt(r.VL_DESC)
        .VExt(r.VL_BC_COFINS, 2)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC195Count += c190.RegistroC195.Count();
}

void TBloco_C::WriteRegistroC198(TRegistroC190& c190) {
  for (const auto& r : c190.RegistroC198) Line("C198").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC198Count += c190.RegistroC198.Count();
}

void TBloco_C::WriteRegistroC199(TRegistroC190& c190) {
  for (const auto& r : c190.RegistroC199)
    Line("C199")
        .Code(r.COD_DOC_IMP)
        .Text(r.NUM_DOC__IMP)
        .Value(r.VL_PIS_IMP)
        .Value(r.VL_COFINS_IMP)
        .Text(r.NUM_ACDRAW)
        .Add();
  RegistroC199Count += c190.RegistroC199.Count();
}
