#include "VornEPCBloco_P_Class.h"

#include "FieldChecks.h"

TBloco_P::TBloco_P() { CriaRegistros(); }

void TBloco_P::CriaRegistros() {
  registroP001_ = std::make_unique<TRegistroP001>();
  registroP001_->IND_MOV = TVornIndMov::imSemDados;
  registroP990_ = std::make_unique<TRegistroP990>();
  RegistroP010Count = 0;
  RegistroP100Count = 0;
  RegistroP110Count = 0;
  RegistroP199Count = 0;
  RegistroP200Count = 0;
  RegistroP210Count = 0;
}

void TBloco_P::LimpaRegistros() {
  CriaRegistros();
  Conteudo.clear();
}

TRegistroP100& TBloco_P::UltimoP100(const char* child) {
  return registroP001_->RegistroP010.Last(SemPai(child, "P010").c_str()).RegistroP100.Last(SemPai(child, "P100").c_str());
}

TRegistroP100& TBloco_P::RegistroP100New() {
  return registroP001_->RegistroP010.Last(SemPai("P100", "P010").c_str()).RegistroP100.New();
}
TRegistroP110& TBloco_P::RegistroP110New() { return UltimoP100("P110").RegistroP110.New(); }
TRegistroP199& TBloco_P::RegistroP199New() { return UltimoP100("P199").RegistroP199.New(); }
TRegistroP210& TBloco_P::RegistroP210New() {
  return registroP001_->RegistroP200.Last(SemPai("P210", "P200").c_str()).RegistroP210.New();
}

void TBloco_P::WriteRegistroP001() {
  Line("P001").Int(static_cast<int>(registroP001_->IND_MOV)).Add();
  if (registroP001_->IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistroP010(*registroP001_);
  WriteRegistroP200(*registroP001_);
}

void TBloco_P::WriteRegistroP010(TRegistroP001& rP001) {
  for (auto& r : rP001.RegistroP010) {
    Check(ValidaCNPJ(r.CNPJ), "(P-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
    Line("P010").Text(r.CNPJ, 14).Add();
    WriteRegistroP100(r);
  }
  RegistroP010Count += rP001.RegistroP010.Count();
}

void TBloco_P::WriteRegistroP100(TRegistroP010& rP010) {
  for (auto& r : rP010.RegistroP100) {
    Line("P100")
        .Date(r.DT_INI)
        .Date(r.DT_FIM)
        .Value(r.VL_REC_TOT_EST)
        .Text(r.COD_ATIV_ECON)
        .Value(r.VL_REC_ATIV_ESTAB)
        .Value(r.VL_EXC)
        .Value(r.VL_BC_CONT)
        .Ext(r.ALIQ_CONT.ToDouble(), 0, 4)
        .Value(r.VL_CONT_APU)
        .Text(r.COD_CTA)
        .Text(r.INFO_COMPL)
        .Add();
    WriteRegistroP110(r);
    WriteRegistroP199(r);
  }
  RegistroP100Count += rP010.RegistroP100.Count();
}

void TBloco_P::WriteRegistroP110(TRegistroP100& rP100) {
  for (const auto& r : rP100.RegistroP110)
    Line("P110").Text(r.NUM_CAMPO).Text(r.COD_DET).Value(r.DET_VALOR).Text(r.INF_COMPL).Add();
  RegistroP110Count += rP100.RegistroP110.Count();
}

void TBloco_P::WriteRegistroP199(TRegistroP100& rP100) {
  for (const auto& r : rP100.RegistroP199) Line("P199").Text(r.NUM_PROC).Text(r.IND_PROC).Add();
  RegistroP199Count += rP100.RegistroP199.Count();
}

void TBloco_P::WriteRegistroP200(TRegistroP001& rP001) {
  for (auto& r : rP001.RegistroP200) {
    Line("P200")
        .Text(r.PER_REF)
        .Value(r.VL_TOT_CONT_APU)
        .Value(r.VL_TOT_AJ_REDUC)
        .Value(r.VL_TOT_AJ_ACRES)
        .Value(r.VL_TOT_CONT_DEV)
        .Text(r.COD_REC)
        .Add();
    WriteRegistroP210(r);
  }
  RegistroP200Count += rP001.RegistroP200.Count();
}

void TBloco_P::WriteRegistroP210(TRegistroP200& rP200) {
  for (const auto& r : rP200.RegistroP210)
    Line("P210").Text(r.IND_AJ).Value(r.VL_AJ).Text(r.COD_AJ).Text(r.NUM_DOC).Text(r.DESCR_AJ).Date(r.DT_REF).Add();
  RegistroP210Count += rP200.RegistroP210.Count();
}

void TBloco_P::WriteRegistroP990() {
  // The closing line counts itself.
  ++registroP990_->QTD_LIN_P;
  std::string line;
  AppendText(line, "P990");
  AppendInteger(line, registroP990_->QTD_LIN_P);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_P::ContagemRegistros() const {
  return {{"P010", RegistroP010Count}, {"P100", RegistroP100Count}, {"P110", RegistroP110Count}, {"P199", RegistroP199Count}, {"P200", RegistroP200Count}, {"P210", RegistroP210Count}};
}
