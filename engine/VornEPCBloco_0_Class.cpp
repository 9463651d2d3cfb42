#include "VornEPCBloco_0_Class.h"

#include "FieldChecks.h"
#include "TextUtil.h"

TBloco_0::TBloco_0() { CriaRegistros(); }

void TBloco_0::CriaRegistros() {
  registro0000_ = std::make_unique<TRegistro0000>();
  registro0001_ = std::make_unique<TRegistro0001>();
  registro0990_ = std::make_unique<TRegistro0990>();
  Registro0035Count = Registro0100Count = Registro0110Count = Registro0111Count = Registro0120Count = 0;
  Registro0140Count = Registro0145Count = Registro0150Count = Registro0190Count = Registro0200Count = 0;
  Registro0205Count = Registro0206Count = Registro0208Count = Registro0400Count = Registro0450Count = 0;
  Registro0500Count = Registro0600Count = Registro0900Count = 0;
}

void TBloco_0::LimpaRegistros() {
  // The period belongs to the component, not to the tree: keep it in the new header.
  TDateTime ini = registro0000_->DT_INI, fin = registro0000_->DT_FIN;
  CriaRegistros();
  registro0000_->DT_INI = ini;
  registro0000_->DT_FIN = fin;
  Conteudo.clear();
}

TRegistro0140& TBloco_0::Ultimo0140(const char* child) {
  return registro0001_->Registro0140.Last(SemPai(child, "0140").c_str());
}

TRegistro0145& TBloco_0::Registro0145New() { return Ultimo0140("0145").Registro0145; }
TRegistro0150& TBloco_0::Registro0150New() { return Ultimo0140("0150").Registro0150.New(); }
TRegistro0190& TBloco_0::Registro0190New() { return Ultimo0140("0190").Registro0190.New(); }
TRegistro0200& TBloco_0::Registro0200New() { return Ultimo0140("0200").Registro0200.New(); }
TRegistro0400& TBloco_0::Registro0400New() { return Ultimo0140("0400").Registro0400.New(); }
TRegistro0450& TBloco_0::Registro0450New() { return Ultimo0140("0450").Registro0450.New(); }

TRegistro0205& TBloco_0::Registro0205New() {
  return Ultimo0140("0205").Registro0200.Last(SemPai("0205", "0200").c_str()).Registro0205.New();
}
TRegistro0206& TBloco_0::Registro0206New() {
  return Ultimo0140("0206").Registro0200.Last(SemPai("0206", "0200").c_str()).Registro0206;
}
TRegistro0208& TBloco_0::Registro0208New() {
  return Ultimo0140("0208").Registro0200.Last(SemPai("0208", "0200").c_str()).Registro0208;
}

TRegistro0900& TBloco_0::Registro0900New() {
  if (!registro0001_->Registro0900) registro0001_->Registro0900 = std::make_unique<TRegistro0900>();
  return *registro0001_->Registro0900;
}

void TBloco_0::WriteRegistro0000() {
  const TRegistro0000& r = *registro0000_;
  Check(ValidaCNPJ(r.CNPJ), "(0-0000) ENTIDADE: O CNPJ \"%s\" digitado é inválido!", r.CNPJ);
  Check(ValidaUF(r.UF), "(0-0000) ENTIDADE: A UF \"%s\" digitada é inválido!", r.UF);
  Check(ValidaCodMunicipio(r.COD_MUN), "(0-0000) ENTIDADE: O código do município \"%s\" digitado é inválido!",
        std::to_string(r.COD_MUN));
  Line("0000")
      .Code(r.COD_VER)
      .Code(r.TIPO_ESCRIT)
      .Code(r.IND_SIT_ESP)
      .Text(r.TIPO_ESCRIT == TVornTipoEscrit::tpEscrRetificadora ? r.NUM_REC_ANTERIOR : std::string())
      .Date(r.DT_INI)
      .Date(r.DT_FIN)
      .Text(r.NOME)
      .Text(r.CNPJ)
      .Text(r.UF)
      .Int(r.COD_MUN, 7)
      .Text(r.SUFRAMA, 9, true)
      .Code(r.IND_NAT_PJ)
      .Code(r.IND_ATIV)
      .Add();
}

void TBloco_0::WriteRegistro0001() {
  Line("0001").Int(static_cast<int>(registro0001_->IND_MOV)).Add();
  if (registro0001_->IND_MOV != TVornIndMov::imComDados) return;
  WriteRegistro0035();
  WriteRegistro0100();
  WriteRegistro0110();
  WriteRegistro0120();
  WriteRegistro0140();
  WriteRegistro0500();
  WriteRegistro0600();
  WriteRegistro0900();
}

void TBloco_0::WriteRegistro0035() {
  if (DT_INI < EncodeDate(2014, 3, 1)) return;
  for (const auto& r : registro0001_->Registro0035)
    Line("0035").Text(r.COD_SCP, 14).Text(r.DESC_SCP).Text(r.INF_COMP).Add();
  Registro0035Count += registro0001_->Registro0035.Count();
}

void TBloco_0::WriteRegistro0100() {
  for (const auto& r : registro0001_->Registro0100) {
    Check(!(TrimControl(r.CPF).empty() && TrimControl(r.CNPJ).empty()), "(0-0100) CONTADOR %s: O CNPJ/CPF é obrigatório!",
          r.NOME);
    Check(!r.CRC.empty(), "(0-0100) CONTADOR %s: O CRC é obrigatório!", r.NOME);
    Check(ValidaCPF(r.CPF), "(0-0100) CONTADOR %s: O CPF \"%s\" digitado é inválido!", r.NOME, r.CPF);
    Check(ValidaCNPJ(r.CNPJ), "(0-0100) CONTADOR %s: O CNPJ \"%s\" digitado é inválido!", r.NOME, r.CNPJ);
    Check(ValidaCodMunicipio(r.COD_MUN), "(0-0100) CONTADOR %s: O código do município \"%s\" digitado é inválido!",
          r.NOME, std::to_string(r.COD_MUN));
    Check(!r.NOME.empty(), "(0-0100) CONTADOR: O nome do contabilista/escritório é obrigatório!");
    Line("0100")
        .Text(r.NOME)
        .Text(r.CPF)
        .Text(r.CRC)
        .Text(r.CNPJ)
        .Text(r.CEP, 8)
        .Text(r.END)
        .Text(r.NUM)
        .Text(r.COMPL)
        .Text(r.BAIRRO)
        .Text(r.FONE, 10)
        .Text(r.FAX, 10, true)
        .Text(r.EMAIL)
        .Int(r.COD_MUN, 7)
        .Add();
  }
  Registro0100Count += registro0001_->Registro0100.Count();
}

void TBloco_0::WriteRegistro0110() {
  const TRegistro0110& r = registro0001_->Registro0110;
  const TVornCodVer versao = registro0000_->COD_VER;
  const bool cumulativo = r.COD_INC_TRIB == TVornCodIncTrib::codEscrOpIncCumulativo;
  std::string_view aproCred = Code(r.IND_APRO_CRED);
  if (versao == TVornCodVer::vlVersao100) {
    Line("0110").Code(r.COD_INC_TRIB).Code(aproCred).Code(r.COD_TIPO_CONT).Add();
  } else if (versao <= TVornCodVer::vlVersao200) {
    Line("0110").Code(r.COD_INC_TRIB).Code(cumulativo ? "" : aproCred).Code(r.COD_TIPO_CONT).Add();
  } else {
    const bool regCumVazio = !cumulativo || registro0000_->IND_ATIV == TVornIndAtiv::indAtivoFincanceira;
    Line("0110")
        .Code(r.COD_INC_TRIB)
        .Code(cumulativo ? "" : aproCred)
        .Code(r.COD_TIPO_CONT)
        .Code(regCumVazio ? "" : Code(r.IND_REG_CUM))
        .Add();
  }
  ++Registro0110Count;
  const bool naoCumulativo = r.COD_INC_TRIB == TVornCodIncTrib::codEscrOpIncNaoCumulativo ||
                             r.COD_INC_TRIB == TVornCodIncTrib::codEscrOpIncAmbos;
  if (naoCumulativo && r.IND_APRO_CRED == TVornIndAproCred::indMetodoDeRateioProporcional) {
    const TRegistro0111& s = r.Registro0111;
    Line("0111")
        .Value(s.REC_BRU_NCUM_TRIB_MI)
        .Value(s.REC_BRU_NCUM_NT_MI)
        .Value(s.REC_BRU_NCUM_EXP)
        .Value(s.REC_BRU_CUM)
        .Value(s.REC_BRU_TOTAL)
        .Add();
    ++Registro0111Count;
  }
}

void TBloco_0::WriteRegistro0120() {
  for (const auto& r : registro0001_->Registro0120) Line("0120").Text(r.MES_DISPENSA, 6).Text(r.INF_COMP).Add();
  Registro0120Count += registro0001_->Registro0120.Count();
}

void TBloco_0::WriteRegistro0140() {
  for (auto& r : registro0001_->Registro0140) {
    Line("0140")
        .Text(r.COD_EST)
        .Text(r.NOME)
        .Text(r.CNPJ)
        .Text(r.UF)
        .Text(r.IE)
        .Int(r.COD_MUN, 7)
        .Text(r.IM)
        .Text(r.SUFRAMA)
        .Add();
    WriteRegistro0145(r);
    WriteRegistro0150(r);
    WriteRegistro0190(r);
    WriteRegistro0200(r);
    WriteRegistro0400(r);
    WriteRegistro0450(r);
  }
  Registro0140Count += registro0001_->Registro0140.Count();
}

void TBloco_0::WriteRegistro0145(TRegistro0140& r0140) {
  const TRegistro0145& r = r0140.Registro0145;
  if (r.COD_INC_TRIB.empty()) return;
  Line("0145")
      .Text(r.COD_INC_TRIB)
      .Value(r.VL_REC_TOT)
      .Value(r.VL_REC_ATIV)
      .Value(r.VL_REC_DEMAIS_ATIV)
      .Text(r.INFO_COMPL)
      .Add();
  ++Registro0145Count;
}

void TBloco_0::WriteRegistro0150(TRegistro0140& r0140) {
  for (const auto& r : r0140.Registro0150) {
    Check(r.CNPJ.empty() || ValidaCNPJ(r.CNPJ), "(0-0150) %s-%s, o CNPJ \"%s\" digitado é inválido!", r.COD_PART,
          r.NOME, r.CNPJ);
    Check(r.CPF.empty() || ValidaCPF(r.CPF), "(0-0150) %s-%s, o CPF \"%s\" digitado é inválido!", r.COD_PART, r.NOME,
          r.CPF);
    Check(!r.NOME.empty(), "(0-0150) O nome do participante é obrigatório!");
    TLinha line = Line("0150");
    line.Text(r.COD_PART).Text(r.NOME).Text(r.COD_PAIS).Text(r.CNPJ).Text(r.CPF).Text(r.IE);
    if (r.COD_PAIS == "01058" || r.COD_PAIS == "1058") line.Int(r.COD_MUN, 7);
    else line.Empty();
    line.Text(r.SUFRAMA).Text(r.END).Text(r.NUM).Text(r.COMPL).Text(r.BAIRRO).Add();
  }
  Registro0150Count += r0140.Registro0150.Count();
}

void TBloco_0::WriteRegistro0190(TRegistro0140& r0140) {
  for (const auto& r : r0140.Registro0190) Line("0190").Text(r.UNID).Text(r.DESCR).Add();
  Registro0190Count += r0140.Registro0190.Count();
}

void TBloco_0::WriteRegistro0200(TRegistro0140& r0140) {
  for (auto& r : r0140.Registro0200) {
    Check(r.COD_GEN.empty() || ValidaCodGenero(r.COD_GEN), "(0-0200) O código do gênero \"%s\" digitado é inválido!",
          r.COD_GEN);
    Line("0200")
        .Text(r.COD_ITEM)
        .Text(r.DESCR_ITEM)
        .Text(r.COD_BARRA)
        .Text(r.COD_ANT_ITEM)
        .Text(r.UNID_INV)
        .Code(r.TIPO_ITEM)
        .Text(r.COD_NCM)
        .Text(r.EX_IPI)
        .Text(r.COD_GEN)
        .Text(r.COD_LST)
        .VExt(r.ALIQ_ICMS, 6, 2)
        .Add();
    WriteRegistro0205(r);
    WriteRegistro0206(r);
    WriteRegistro0208(r);
  }
  Registro0200Count += r0140.Registro0200.Count();
}

void TBloco_0::WriteRegistro0205(TRegistro0200& r0200) {
  for (const auto& r : r0200.Registro0205)
    Line("0205").Text(r.DESCR_ANT_ITEM).Date(r.DT_INI).Date(r.DT_FIM).Text(r.COD_ANT_ITEM).Add();
  Registro0205Count += r0200.Registro0205.Count();
}

void TBloco_0::WriteRegistro0206(TRegistro0200& r0200) {
  if (TrimControl(r0200.Registro0206.COD_COMB).empty()) return;
  Line("0206").Text(r0200.Registro0206.COD_COMB).Add();
  ++Registro0206Count;
}

void TBloco_0::WriteRegistro0208(TRegistro0200& r0200) {
  const TRegistro0208& r = r0200.Registro0208;
  if (r.COD_TAB == TVornIndCodIncidencia::codIndiTabNaoTem) return;
  Line("0208").Code(r.COD_TAB).Text(r.COD_GRU).Text(r.MARCA_COM).Add();
  ++Registro0208Count;
}

void TBloco_0::WriteRegistro0400(TRegistro0140& r0140) {
  for (const auto& r : r0140.Registro0400) Line("0400").Text(r.COD_NAT).Text(r.DESCR_NAT).Add();
  Registro0400Count += r0140.Registro0400.Count();
}

void TBloco_0::WriteRegistro0450(TRegistro0140& r0140) {
  for (const auto& r : r0140.Registro0450) Line("0450").Text(r.COD_INF).Text(r.TXT).Add();
  Registro0450Count += r0140.Registro0450.Count();
}

void TBloco_0::WriteRegistro0500() {
  static const std::string kNaturezas = "01,02,03,04,05,09,10,99";
  for (const auto& r : registro0001_->Registro0500) {
    const std::string natureza(Code(r.COD_NAT_CC));
    const std::string indCta(Code(r.IND_CTA));
    Check(!natureza.empty() && kNaturezas.find(natureza) != std::string::npos,
          "(0-0500) O código da natureza da conta/grupo de contas \"%s\" digitado é inválido!", natureza);
    Check(indCta == "S" || indCta == "A", "(0-0500) O indicador \"%s\" do tipo de conta, deve ser informado  S ou A!",
          indCta);
    Line("0500")
        .Date(r.DT_ALT)
        .Code(natureza)
        .Text(indCta, 1)
        .Text(r.NIVEL)
        .Text(r.COD_CTA)
        .Text(r.NOME_CTA)
        .Text(r.COD_CTA_REF)
        .Text(r.CNPJ_EST)
        .Add();
  }
  Registro0500Count += registro0001_->Registro0500.Count();
}

void TBloco_0::WriteRegistro0600() {
  for (const auto& r : registro0001_->Registro0600) Line("0600").Date(r.DT_ALT).Text(r.COD_CCUS).Text(r.CCUS).Add();
  Registro0600Count += registro0001_->Registro0600.Count();
}

void TBloco_0::WriteRegistro0900() {
  if (!registro0001_->Registro0900) return;
  const TRegistro0900& r = *registro0001_->Registro0900;
  Line("0900")
      .VDec(r.REC_TOTAL_BLOCO_A, 2).VDec(r.REC_NRB_BLOCO_A, 2)
      .VDec(r.REC_TOTAL_BLOCO_C, 2).VDec(r.REC_NRB_BLOCO_C, 2)
      .VDec(r.REC_TOTAL_BLOCO_D, 2).VDec(r.REC_NRB_BLOCO_D, 2)
      .VDec(r.REC_TOTAL_BLOCO_F, 2).VDec(r.REC_NRB_BLOCO_F, 2)
      .VDec(r.REC_TOTAL_BLOCO_I, 2).VDec(r.REC_NRB_BLOCO_I, 2)
      .VDec(r.REC_TOTAL_BLOCO_1, 2).VDec(r.REC_NRB_BLOCO_1, 2)
      .VDec(r.REC_TOTAL_PERIODO, 2).VDec(r.REC_TOTAL_NRB_PERIODO, 2)
      .Add();
  ++Registro0900Count;
}

void TBloco_0::WriteRegistro0990() {
  // The closing line counts itself.
  ++registro0990_->QTD_LIN_0;
  std::string line;
  AppendText(line, "0990");
  AppendInteger(line, registro0990_->QTD_LIN_0);
  Add(std::move(line), true);
}

std::vector<TRegisterCount> TBloco_0::ContagemRegistros() const {
  return {{"0035", Registro0035Count}, {"0100", Registro0100Count}, {"0110", Registro0110Count},
          {"0111", Registro0111Count}, {"0120", Registro0120Count}, {"0140", Registro0140Count},
          {"0145", Registro0145Count}, {"0150", Registro0150Count}, {"0190", Registro0190Count},
          {"0200", Registro0200Count}, {"0205", Registro0205Count}, {"0206", Registro0206Count},
          {"0208", Registro0208Count}, {"0400", Registro0400Count}, {"0450", Registro0450Count},
          {"0500", Registro0500Count}, {"0600", Registro0600Count}, {"0900", Registro0900Count}};
}
