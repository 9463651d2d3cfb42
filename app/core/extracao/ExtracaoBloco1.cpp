// "Bloco 1": the consolidation of the documents issued in the period (1900), for the accrual
// regime with consolidated bookkeeping of a cumulative company.
#include <charconv>

#include "ExtracaoBloco1.h"
#include "Funcoes.h"
#include "TextUtil.h"

namespace {
std::string Aspas(const std::string& texto) { return "'" + ReplaceAll(texto, "'", "''") + "'"; }

// The CFOP as stored ("5102" or "5.102") read as its number.
int Cfop(const std::string& texto) {
  const std::string digitos = ReplaceAll(texto, ".", "");
  int v = 0;
  auto [p, ec] = std::from_chars(digitos.data(), digitos.data() + digitos.size(), v);
  if (digitos.empty() || ec != std::errc() || p != digitos.data() + digitos.size())
    throw Erro("\"" + texto + "\" não é um CFOP válido (registro 1900)");
  return v;
}
}  // namespace

void TExtracaoBloco1::Executa() {
  TBloco_1& b1 = VornVUDIRozAzezav1.Bloco_1;
  TRegistro1001& r1001 = b1.Registro1001New();
  int64_t inctrib = 0;
  try {
    inctrib = EmpresaInt("tp_inctrib");
  } catch (const Erro&) {
    inctrib = 0;
  }
  if (opcoes_.Criterio != 1 || inctrib != 2) return;

  const std::string ini = Aspas(DataSQL(opcoes_.DataInicial)), fin = Aspas(DataSQL(opcoes_.DataFinal));
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select",
                        "if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",produto.cd_pis,nfitem.cd_pis) as cd_pis,",
                        "if(TRIM(ifnull(nfitem.cd_cofins,\"\"))=\"\",produto.cd_cofins,nfitem.cd_cofins) as cd_cofins,",
                        "empresa.nr_cgc, sum(tt_item) as total, count(distinct nf.cd_fil, nf.nr_nf) qtd_doc, nf.cd_serie, cfop.nr_cfop",
                        "from nf", "left join nfitem on (nfitem.nr_nf = nf.nr_nf and nfitem.cd_fil = nf.cd_fil)",
                        "left join cfop on cfop.cd_cfop = nf.cd_cfop", "left join empresa on empresa.cd_loja = nf.nr_loja",
                        "left join produto on produto.cd_prod = nfitem.cd_prod"})
    qr1->Add(l);
  qr1->Add("where dt_emis between " + ini + " and " + fin);
  qr1->Add("and nf.sn_ok = " + Aspas("1"));
  qr1->Add("and nf.sn_transmitida = " + Aspas("1"));
  qr1->Add("and nf.sn_canc = " + Aspas("0"));
  qr1->Add("and nf.sn_inutil = " + Aspas("0"));
  qr1->Add("and cfop.tipo = " + Aspas("1"));
  qr1->Add("and empresa.sn_lojavenda = " + Aspas("1"));
  qr1->Add("group by cd_pis, cd_cofins");
  qr1->Open();

  qr2->Close();
  qr2->Clear();
  for (const char* l : {"select", "produto.cd_pis as cd_pis,", "produto.cd_cofins as cd_cofins,",
                        "sum(ze15.vl_total) as total,", "empresa.nr_cgc,", "cfop.nr_cfop,",
                        "count(distinct ze14.nr_fab, ze14.dt_mov, ze14.nr_coo) as qtd_cupom", "from ze14",
                        // A coupon number repeats across printers and days; cancelled items sold nothing.
                        "left join ze15 on (ze15.nr_coo = ze14.nr_coo and ze15.nr_fab = ze14.nr_fab and "
                        "ze15.dt_mov = ze14.dt_mov and ze15.sn_canc = 'N')",
                        "left join empresa on empresa.cd_loja = ze14.nr_loja",
                        "left join produto on produto.cd_prod = ze15.cd_prod",
                        "left join cfop on cfop.cd_cfop = produto.cd_cfop"})
    qr2->Add(l);
  qr2->Add("where ze14.dt_mov between " + ini + " and " + fin);
  qr2->Add("and ze14.sn_canc = " + Aspas("N"));
  qr2->Add("group by cd_pis, cd_cofins");
  qr2->Open();

  if (qr1->IsEmpty() && qr2->IsEmpty()) {
    r1001.IND_MOV = TVornIndMov::imSemDados;
    return;
  }
  r1001.IND_MOV = TVornIndMov::imComDados;
  const std::string conta = ContaContabil("1900");
  auto consolida = [&](TDbQuery& q, bool cupom) {
    for (q.First(); !q.Eof(); q.Next()) {
      TRegistro1900& r = b1.Registro1900New();
      r.CNPJ = q.FieldByName("nr_cgc").AsString();
      r.COD_MOD = cupom ? "2D" : "55";
      r.SER = cupom ? std::string() : q.FieldByName("cd_serie").AsString();
      r.SUB_SER.clear();
      r.COD_SIT = TVornCodSitF::csffRegular;
      r.VL_TOT_REC = Currency(q.FieldByName("total").AsFloat());
      r.QUANT_DOC = static_cast<int>(q.FieldByName(cupom ? "qtd_cupom" : "qtd_doc").AsInteger());
      r.CST_PIS = CstPisDeTexto(q.FieldByName("cd_pis").AsString());
      r.CST_COFINS = CstCofinsDeTexto(q.FieldByName("cd_cofins").AsString());
      r.CFOP = Cfop(q.FieldByName("nr_cfop").AsString());
      r.INF_COMPL.clear();
      r.COD_CTA = conta;
    }
  };
  consolida(*qr2, true);
  consolida(*qr1, false);
  qr1->Close();
  qr2->Close();
}
