#include "VornEPCBloco_I_Class.h"

#include "FieldChecks.h"

TBloco_I::TBloco_I() { CriaRegistros(); }

void TBloco_I::CriaRegistros() {
  registroI001_ = std::make_unique<TRegistroI001>();
  registroI001_->IND_MOV = TVornIndMov::imSemDados;
  registroI990_ = std::make_unique<TRegistroI990>();
  RegistroI010Count = 0;
  RegistroI100Count = 0;
  RegistroI199Count = 0;
  RegistroI200Count = 0;
  RegistroI299Count = 0;
  RegistroI300Count = 0;
  RegistroI399Count = 0;
}

void TBloco_I::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

TRegistroI010& TBloco_I::UltimoI010(const char* child) {
  return registroI001_->RegistroI010.Last(SemPai(child, "I010").c_str());
}
TRegistroI100& TBloco_I::UltimoI100(const char* child) {
  return UltimoI010(child).RegistroI100.Last(SemPai(child, "I100").c_str());
}
TRegistroI200& TBloco_I::UltimoI200(const char* child) {
  return UltimoI100(child).RegistroI200.Last(SemPai(child, "I200").c_str());
}

TRegistroI100& TBloco_I::RegistroI100New() { return UltimoI010("I100").RegistroI100.New(); }
TRegistroI199& TBloco_I::RegistroI199New() { return UltimoI100("I199").RegistroI199.New(); }
TRegistroI200& TBloco_I::RegistroI200New() { return UltimoI100("I200").RegistroI200.New(); }
TRegistroI299& TBloco_I::RegistroI299New() { return UltimoI200("I299").RegistroI299.New(); }
TRegistroI300& TBloco_I::RegistroI300New() { return UltimoI200("I300").RegistroI300.New(); }
TRegistroI399& TBloco_I::RegistroI399New() {
  return UltimoI200("I399").RegistroI300.Last(SemPai("I399", "I300").c_str()).RegistroI399.New();
}

void TBloco_I::WriteRegistroI001() {
  // A later pass of the same generation continues the block without a second opening line.
  if (registroI990_->QTD_LIN_I == 0) Line("I001").Int(static_cast<int>(registroI001_->IND_MOV)).Add();
  if (registroI001_->IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistroI010(*registroI001_);
}

void TBloco_I::WriteRegistroI010(TRegistroI001& rI001) {
  auto& lista = rI001.RegistroI010;
  const int n = lista.Count();
  const int k = RegistroI010Count;
  // Without establishments there is nothing below I001 to write.
  // The establishment written last may have received I100 records since the previous pass;
  // written I100 lists are emptied, so this writes only the new ones.
  if (k > 0) WriteRegistroI100(lista[k - 1]);
  for (int i = k; i < n; ++i) {
    TRegistroI010& r = lista[i];
    Check(ValidaCNPJ(r.CNPJ), "(I-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
    Line("I010").Text(r.CNPJ, 14).Int(r.IND_ATIV, 2).Text(r.INFO_COMPL).Add();
    WriteRegistroI100(r);
  }
  if (k < n) RegistroI010Count = n;
}

void TBloco_I::WriteRegistroI100(TRegistroI010& rI010) {
  for (auto& r : rI010.RegistroI100) {
    Line("I100")
        .Ext(r.VL_REC)
        .Code(r.CST_PIS_COFINS)
        .Ext(r.VL_TOT_DED_GER)
        .Ext(r.VL_TOT_DED_ESP)
        .Ext(r.VL_BC_PIS)
        .Ext(r.ALIQ_PIS, 8)
        .Ext(r.VL_PIS)
        .Ext(r.VL_BC_COFINS)
        .Ext(r.ALIQ_COFINS, 8)
        .Ext(r.VL_COFINS)
        .Text(r.INFO_COMPL)
        .Add();
    WriteRegistroI199(r);
    WriteRegistroI200(r);
  }
  RegistroI100Count += rI010.RegistroI100.Count();
  // Written records leave memory, so the next pass writes only what was added since.
  rI010.RegistroI100.Clear();
}

void TBloco_I::WriteRegistroI199(TRegistroI100& rI100) {
  // Width 1: a process without origin comes out as "0".
  for (const auto& r : rI100.RegistroI199) Line("I199").Text(r.NUM_PROC).Text(Code(r.IND_PROC), 1).Add();
  RegistroI199Count += rI100.RegistroI199.Count();
}

void TBloco_I::WriteRegistroI200(TRegistroI100& rI100) {
  for (auto& r : rI100.RegistroI200) {
    Line("I200").Text(r.NUM_CAMPO, 2).Text(r.COD_DET, 5).Ext(r.DET_VALOR).Text(r.COD_CTA).Text(r.INFO_COMPL).Add();
    WriteRegistroI299(r);
    WriteRegistroI300(r);
  }
  RegistroI200Count += rI100.RegistroI200.Count();
}

void TBloco_I::WriteRegistroI299(TRegistroI200& rI200) {
  for (const auto& r : rI200.RegistroI299) Line("I299").Text(r.NUM_PROC).Text(Code(r.IND_PROC), 1).Add();
  RegistroI299Count += rI200.RegistroI299.Count();
}

void TBloco_I::WriteRegistroI300(TRegistroI200& rI200) {
  for (auto& r : rI200.RegistroI300) {
    Line("I300").Text(r.COD_COMP).Ext(r.DET_VALOR).Text(r.COD_CTA).Text(r.INFO_COMPL).Add();
    WriteRegistroI399(r);
  }
  RegistroI300Count += rI200.RegistroI300.Count();
  rI200.RegistroI300.Clear();
}

void TBloco_I::WriteRegistroI399(TRegistroI300& rI300) {
  for (const auto& r : rI300.RegistroI399) Line("I399").Text(r.NUM_PROC).Text(Code(r.IND_PROC), 1).Add();
  RegistroI399Count += rI300.RegistroI399.Count();
  rI300.RegistroI399.Clear();
}

void TBloco_I::WriteRegistroI990() {
  // The closing line counts itself.
  ++registroI990_->QTD_LIN_I;
  std::string line;
  AppendText(line, "I990");
  AppendInteger(line, registroI990_->QTD_LIN_I);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_I::ContagemRegistros() const {
  return {{"I010", RegistroI010Count}, {"I100", RegistroI100Count}, {"I199", RegistroI199Count}, {"I200", RegistroI200Count}, {"I299", RegistroI299Count}, {"I300", RegistroI300Count}, {"I399", RegistroI399Count}};
}
