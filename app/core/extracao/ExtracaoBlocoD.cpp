// "Bloco D": transport documents (D100 with their PIS and COFINS credits D101/D105) and
// communication bills (D500 with D501/D505) received in the period.
#include <charconv>
#include <limits>
#include <map>

#include "ExtracaoBlocoD.h"
#include "ConsultaErp.h"
#include "Funcoes.h"

using erp::SituacaoDocumento;

namespace {
// Only the credit codes apply to the credits of a transport document.
bool CodigoCredito(int64_t codigo) {
  return (codigo >= 50 && codigo <= 56) || (codigo >= 60 && codigo <= 67) || (codigo >= 70 && codigo <= 75) ||
         codigo == 98 || codigo == 99;
}


// A subseries that is not a number (electricity bills carry letters) is written as 0.
int SubSerie(const std::string& texto) {
  int v = 0;
  auto [p, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
  return (texto.empty() || ec != std::errc() || p != texto.data() + texto.size()) ? 0 : v;
}

Currency Credito(Currency base, Currency aliquota) {
  return Currency(Arredonda(2, base.ToDouble() * aliquota.ToDouble() / 100));
}
}  // namespace

void TExtracaoBlocoD::Executa() {
  TBloco_D& bd = VornVUDIRozAzezav1.Bloco_D;
  TRegistroD001& d001 = bd.RegistroD001New();
  d001.IND_MOV = TVornIndMov::imComDados;
  const std::string cnpj = Empresa("nr_cgc");
  bd.RegistroD010New().CNPJ = cnpj;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);

  auto conta = [&](const std::string& registro, const std::string& movimento) {
    return geracao_.Contas.DoMovimento(registro, movimento, cnpj);
  };

  auto periodo = [&] {
    qr1->Add("nfent.dt_entrada >= \"" + ini + "\"");
    qr1->Add("and");
    qr1->Add("nfent.dt_entrada <= \"" + fin + "\"");
  };

  // Transport documents.
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select", "nfent.nr_nf,", "nfent.dt_emis,", "nfent.cd_sitdoc,", "nfent.cd_forn,",
                        "nfent.cd_modelo,", "nfent.cd_serie,", "nfent.cd_subserie,", "nfent.nr_cfop,",
                        "nfent.nr_chave,", "nfent.dt_entrada,", "nfent.vl_nota,", "nfent.vl_desc,", "nfent.tp_frete,",
                        "nfent.vl_bcicms,", "nfent.vl_icms,", "nfent.vl_pis,", "nfent.vl_cofins,", "nfent.vl_outras,",
                        "nfent.cd_cstnf,", "nfent.cd_pis2,", "nfent.tx_pis2,", "nfent.cd_cofins2,",
                        "nfent.tx_cofins2,", "nfent.tx_icms,", "nfent.tx_bscalcCT,", "nfent.cd_cstnf,",
                        "nfent.cd_fil,", "filial.nm_fil as nm_emp", "from nfent",
                        "left join filial on filial.cd_fil = nfent.cd_fil",
                        "left join cfop on cfop.nr_cfop = nfent.nr_cfop", "where"})
    qr1->Add(l);
  periodo();
  for (const char* l : {"and", "nfent.sn_enc = \"1\"", "and", "nfent.sn_canc = \"0\"", "and", "nfent.sn_nf = \"3\"",
                        "and", "filial.sn_lojaestoque = \"1\"", "and", "cfop.sn_efdcontrib = \"0\""})
    qr1->Add(l);
  qr1->Open();
  if (qr1->IsEmpty()) d001.IND_MOV = TVornIndMov::imSemDados;
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome); };
    auto valor = [&](const char* nome) { return Currency(qr1->FieldByName(nome).AsFloat()); };
    SetCaption("D100 - Entradas: " + campo("nr_nf").AsString() + " " + ShortDate(campo("dt_entrada").AsDate()) + " " +
               campo("cd_pis2").AsString());
    Lendo("conhecimento de transporte", campo("nr_nf").AsString(), campo("cd_fil").AsString());
    const Currency nota = valor("vl_nota"), bcIcms = valor("vl_bcicms");
    TRegistroD100& d100 = bd.RegistroD100New();
    d100.IND_OPER = "0";
    d100.IND_EMIT = TVornIndEmit::iedfTerceiro;
    d100.COD_PART = campo("cd_forn").AsString();
    d100.COD_MOD = campo("cd_modelo").AsString();
    d100.COD_SIT = SituacaoDocumento(campo("cd_sitdoc").AsString());
    d100.SER = campo("cd_serie").AsString();
    d100.SUB = campo("cd_subserie").AsString();
    d100.NUM_DOC = campo("nr_nf").AsString();
    d100.CHV_CTE = campo("nr_chave").AsString();
    d100.DT_DOC = campo("dt_emis").AsDate();
    d100.DT_A_P = campo("dt_entrada").AsDate();
    d100.TP_CT_e = d100.COD_MOD == "57" ? "0" : "";
    d100.CHV_CTE_REF.clear();
    d100.VL_DOC = nota;
    d100.VL_DESC = valor("vl_desc");
    d100.IND_FRT = campo("tp_frete").AsInteger() != 0 ? TVornIndFrt::tfPorContaEmitente
                                                      : TVornIndFrt::tfPorContaDestinatario;
    d100.VL_SERV = nota;
    d100.VL_BC_ICMS = bcIcms;
    d100.VL_ICMS = valor("vl_icms");
    d100.VL_NT = nota - bcIcms > Currency(0) ? nota - bcIcms : Currency(0);
    d100.COD_INF.clear();
    d100.COD_CTA = conta("D100", "0");

    TRegistroD101& d101 = bd.RegistroD101New();
    d101.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
    d101.VL_ITEM = nota;
    const int64_t cstPis = campo("cd_pis2").AsInteger();
    if (CodigoCredito(cstPis)) d101.CST_PIS = CstPisDeTexto(ZeroEsquerdaInt(cstPis, 2));
    d101.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
    d101.VL_BC_PIS = nota;
    d101.ALIQ_PIS = valor("tx_pis2");
    d101.VL_PIS = Credito(d101.VL_BC_PIS, d101.ALIQ_PIS);
    d101.COD_CTA = conta("D101", "0");
    geracao_.Apuracao.Soma(d101);

    TRegistroD105& d105 = bd.RegistroD105New();
    d105.IND_NAT_FRT = TVornNaturezaFrtContratado::nfcCompraGeraCred;
    d105.VL_ITEM = nota;
    const int64_t cstCofins = campo("cd_cofins2").AsInteger();
    if (CodigoCredito(cstCofins)) d105.CST_COFINS = CstCofinsDeTexto(ZeroEsquerdaInt(cstCofins, 2));
    d105.NAT_BC_CRED = TVornNatBcCred::bccAtTransporteSubcontratacao;
    d105.VL_BC_COFINS = nota;
    d105.ALIQ_COFINS = valor("tx_cofins2");
    d105.VL_COFINS = Credito(d105.VL_BC_COFINS, d105.ALIQ_COFINS);
    d105.COD_CTA = conta("D105", "0");
    geracao_.Apuracao.Soma(d105);
  }
  qr1->Close();

  // Communication and telecommunication bills that give credit.
  qr1->Clear();
  for (const char* l : {"select", "nfent.nr_nf,", "nfent.nr_cfop,", "nfent.dt_emis,", "nfent.cd_sitdoc,",
                        "nfent.cd_forn,", "nfent.cd_modelo,", "nfent.cd_serie,", "nfent.cd_subserie,",
                        "nfent.nr_chave,", "nfent.dt_entrada,", "nfent.vl_nota,", "nfent.vl_desc,", "nfent.tp_frete,",
                        "nfent.vl_bcicms,", "nfent.vl_icms,", "nfent.vl_bcicmssub,", "nfent.vl_icmssub,",
                        "nfent.vl_outras,", "nfent.vl_pis,", "nfent.vl_cofins,", "nfent.cd_cstnf,", "nfent.tx_icms,",
                        "nfent.tx_bscalcCT,", "nfent.cd_cstnf,", "nfent.cd_pis2,", "nfent.tx_pis2,",
                        "nfent.cd_cofins2,", "nfent.tx_cofins2,", "nfent.tp_assinante,", "nfent.cd_fil,", "filial.nm_fil as nm_emp",
                        "from nfent", "left join filial on filial.cd_fil = nfent.cd_fil",
                        "left join cfop on cfop.nr_cfop = nfent.nr_cfop", "where"})
    qr1->Add(l);
  periodo();
  for (const char* l : {"and", "nfent.sn_enc = \"1\"", "and", "nfent.sn_canc = \"0\"", "and", "nfent.sn_nf = \"2\"",
                        "and",
                        "(nfent.cd_pis2=\"50\" or nfent.cd_pis2=\"51\" or nfent.cd_pis2=\"52\" or "
                        "nfent.cd_pis2=\"53\" or nfent.cd_pis2=\"54\" or nfent.cd_pis2=\"55\" or nfent.cd_pis2=\"56\")",
                        "and", "filial.sn_lojaestoque = \"1\"", "and", "cfop.sn_efdcontrib = \"0\""})
    qr1->Add(l);
  qr1->Open();
  if (!qr1->IsEmpty()) d001.IND_MOV = TVornIndMov::imComDados;
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome); };
    auto valor = [&](const char* nome) { return Currency(qr1->FieldByName(nome).AsFloat()); };
    SetCaption("D500 - Entradas: " + campo("nr_nf").AsString() + " " + ShortDate(campo("dt_emis").AsDate()));
    Lendo("conta de comunicação", campo("nr_nf").AsString(), campo("cd_fil").AsString());
    const Currency nota = valor("vl_nota");
    const int numero = erp::NumeroDocumento(*qr1, "nr_nf");
    TRegistroD500& d500 = bd.RegistroD500New();
    d500.IND_OPER = TVornIndOper::itoContratado;
    d500.IND_EMIT = TVornIndEmit::iedfTerceiro;
    d500.COD_PART = campo("cd_forn").AsString();
    d500.COD_MOD = campo("cd_modelo").AsString();
    d500.COD_SIT = SituacaoDocumento(campo("cd_sitdoc").AsString());
    d500.SER = campo("cd_serie").AsString();
    d500.SUB = SubSerie(campo("cd_subserie").AsString());
    d500.NUM_DOC = numero;
    d500.DT_DOC = campo("dt_emis").AsDate();
    d500.DT_A_P = campo("dt_entrada").AsDate();
    d500.VL_DOC = nota;
    d500.VL_DESC = valor("vl_desc");
    d500.VL_SERV = nota;
    d500.VL_SERV_NT = Currency(0);
    d500.VL_TERC = Currency(0);
    d500.VL_DA = valor("vl_outras");
    d500.VL_BC_ICMS = valor("vl_bcicms");
    d500.VL_ICMS = valor("vl_icms");
    d500.COD_INF.clear();
    d500.VL_PIS = valor("vl_pis");
    d500.VL_COFINS = valor("vl_cofins");

    TRegistroD501& d501 = bd.RegistroD501New();
    d501.CST_PIS = CstPisDeTexto(campo("cd_pis2").AsString());
    d501.VL_ITEM = nota;
    d501.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
    d501.VL_BC_PIS = nota;
    d501.ALIQ_PIS = valor("tx_pis2");
    d501.VL_PIS = Credito(d501.VL_BC_PIS, d501.ALIQ_PIS);
    d501.COD_CTA = conta("D501", "4");
    geracao_.Apuracao.Soma(d501);

    TRegistroD505& d505 = bd.RegistroD505New();
    d505.CST_COFINS = CstCofinsDeTexto(campo("cd_cofins2").AsString());
    d505.VL_ITEM = nota;
    d505.NAT_BC_CRED = TVornNatBcCred::bccAqServUtiComoInsumo;
    d505.VL_BC_COFINS = nota;
    d505.ALIQ_COFINS = valor("tx_cofins2");
    d505.VL_COFINS = Credito(d505.VL_BC_COFINS, d505.ALIQ_COFINS);
    d505.COD_CTA = conta("D505", "4");
    geracao_.Apuracao.Soma(d505);
  }
  qr1->Close();
}
