#include "VornEPCBloco_A_Class.h"

#include "FieldChecks.h"

namespace {
// Amounts of block A are variants written as numbers: an absent amount is a zero.
double Valor(const Variant& v) { return v.IsEmpty() ? 0.0 : v.ToDouble(); }

// A100 accepts only the regular and cancelled situations.
std::string_view CodSitA100(TVornCodSit v) {
  switch (v) {
    case TVornCodSit::sdfRegular: return "00";
    case TVornCodSit::sdfCancelado: return "02";
    default: return "";
  }
}

// A100 writes "9" where other registers write "2" for a document without payment.
std::string_view IndPgtoA100(TVornIndPgto v) {
  return v == TVornIndPgto::tpSemPagamento ? std::string_view("9") : Code(v);
}
}  // namespace

TBloco_A::TBloco_A() { CriaRegistros(); }

void TBloco_A::CriaRegistros() {
  registroA001_ = std::make_unique<TRegistroA001>();
  registroA001_->IND_MOV = TVornIndMov::imSemDados;
  registroA990_ = std::make_unique<TRegistroA990>();
  RegistroA010Count = 0;
  RegistroA100Count = 0;
  RegistroA110Count = 0;
  RegistroA111Count = 0;
  RegistroA120Count = 0;
  RegistroA170Count = 0;
}

void TBloco_A::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

TRegistroA100& TBloco_A::RegistroA100New() {
  return registroA001_->RegistroA010.Last(SemPai("A100", "A010").c_str()).RegistroA100.New();
}

TRegistroA100& TBloco_A::UltimoA100(const char* child) {
  return registroA001_->RegistroA010.Last(SemPai(child, "A010").c_str())
      .RegistroA100.Last(SemPai(child, "A100").c_str());
}

TRegistroA110& TBloco_A::RegistroA110New() { return UltimoA100("A110").RegistroA110.New(); }
TRegistroA111& TBloco_A::RegistroA111New() { return UltimoA100("A111").RegistroA111.New(); }
TRegistroA120& TBloco_A::RegistroA120New() { return UltimoA100("A120").RegistroA120.New(); }
TRegistroA170& TBloco_A::RegistroA170New() { return UltimoA100("A170").RegistroA170.New(); }

void TBloco_A::WriteRegistroA001() {
  if (registroA990_->QTD_LIN_A == 0) Line("A001").Int(static_cast<int>(registroA001_->IND_MOV)).Add();
  if (registroA001_->IND_MOV == TVornIndMov::imComDados) WriteRegistroA010();
}

// Block A may be written in several passes while it is still being filled. A pass first
// writes what was added below the establishment written last (its A100 list holds only what
// came after the previous pass), then the establishments not yet written.
void TBloco_A::WriteRegistroA010() {
  TRegistroA010List& lista = registroA001_->RegistroA010;
  const int n = lista.Count();
  const int k = RegistroA010Count;
  if (k > 0 && k <= n) WriteRegistroA100(lista[k - 1]);
  for (int i = k; i < n; ++i) {
    TRegistroA010& r = lista[i];
    Check(ValidaCNPJ(r.CNPJ), "(A-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
    Line("A010").Text(r.CNPJ, 14).Add();
    WriteRegistroA100(r);
  }
  if (n > k) RegistroA010Count = n;
}

void TBloco_A::WriteRegistroA100(TRegistroA010& rA010) {
  for (const auto& r : rA010.RegistroA100) {
    // A cancelled document carries no key, dates or payment, and its zero amounts stay empty.
    const bool cancelado = r.COD_SIT == TVornCodSit::sdfCancelado;
    Line("A100")
        .Code(r.IND_OPER)
        .Code(r.IND_EMIT)
        .Text(r.COD_PART)
        .Code(CodSitA100(r.COD_SIT))
        .Text(r.SER)
        .Text(r.SUB)
        .Text(r.NUM_DOC)
        .Text(cancelado ? "" : r.CHV_NFSE)
        .Date(cancelado ? 0 : r.DT_DOC)
        .Date(cancelado ? 0 : r.DT_EXE_SERV)
        .Ext(Valor(r.VL_DOC), 0, 2, cancelado)
        .Code(cancelado ? "" : IndPgtoA100(r.IND_PGTO))
        .Ext(Valor(r.VL_DESC), 0, 2, cancelado)
        .Ext(Valor(r.VL_BC_PIS), 0, 2, cancelado)
        .Ext(Valor(r.VL_PIS), 0, 2, cancelado)
        .Ext(Valor(r.VL_BC_COFINS), 0, 2, cancelado)
        .Ext(Valor(r.VL_COFINS), 0, 2, cancelado)
        .Ext(Valor(r.VL_PIS_RET), 0, 2, cancelado)
        .Ext(Valor(r.VL_COFINS_RET), 0, 2, cancelado)
        .Ext(Valor(r.VL_ISS), 0, 2, cancelado)
        .Add();
    WriteRegistroA110(r);
    WriteRegistroA111(r);
    WriteRegistroA120(r);
    WriteRegistroA170(r);
  }
  RegistroA100Count += rA010.RegistroA100.Count();
  // The next pass writes only the documents added after this one.
  rA010.RegistroA100.Clear();
}

void TBloco_A::WriteRegistroA110(const TRegistroA100& rA100) {
  for (const auto& r : rA100.RegistroA110) Line("A110").Text(r.COD_INF).Text(r.TXT_COMPL).Add();
  RegistroA110Count += rA100.RegistroA110.Count();
}

void TBloco_A::WriteRegistroA111(const TRegistroA100& rA100) {
  for (const auto& r : rA100.RegistroA111) Line("A111").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroA111Count += rA100.RegistroA111.Count();
}

void TBloco_A::WriteRegistroA120(const TRegistroA100& rA100) {
  for (const auto& r : rA100.RegistroA120) {
    Line("A120")
        .Ext(Valor(r.VL_TOT_SERV))
        .Ext(Valor(r.VL_BC_PIS))
        .Ext(Valor(r.VL_PIS_IMP))
        .Date(r.DT_PAG_PIS)
        .Ext(Valor(r.VL_BC_COFINS))
        .Ext(Valor(r.VL_COFINS_IMP))
        .Date(r.DT_PAG_COFINS)
        .Code(r.LOC_EXE_SERV)
        .Add();
  }
  RegistroA120Count += rA100.RegistroA120.Count();
}

void TBloco_A::WriteRegistroA170(const TRegistroA100& rA100) {
  for (const auto& r : rA100.RegistroA170) {
    Line("A170")
        .Int(r.NUM_ITEM)
        .Text(r.COD_ITEM)
        .Text(r.DESCR_COMPL)
        .Ext(Valor(r.VL_ITEM))
        .Ext(Valor(r.VL_DESC))
        .Code(r.NAT_BC_CRED)
        .Code(r.IND_ORIG_CRED)
        .Code(r.CST_PIS)
        .Ext(Valor(r.VL_BC_PIS))
        .Ext(Valor(r.ALIQ_PIS), 0, 4)
        .Ext(Valor(r.VL_PIS))
        .Code(r.CST_COFINS)
        .Ext(Valor(r.VL_BC_COFINS))
        .Ext(Valor(r.ALIQ_COFINS), 0, 4)
        .Ext(Valor(r.VL_COFINS))
        .Text(r.COD_CTA)
        .Text(r.COD_CCUS)
        .Add();
  }
  RegistroA170Count += rA100.RegistroA170.Count();
}

void TBloco_A::WriteRegistroA990() {
  // The closing line counts itself.
  ++registroA990_->QTD_LIN_A;
  std::string line;
  AppendText(line, "A990");
  AppendInteger(line, registroA990_->QTD_LIN_A);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_A::ContagemRegistros() const {
  return {{"A010", RegistroA010Count}, {"A100", RegistroA100Count}, {"A110", RegistroA110Count}, {"A111", RegistroA111Count}, {"A120", RegistroA120Count}, {"A170", RegistroA170Count}};
}
