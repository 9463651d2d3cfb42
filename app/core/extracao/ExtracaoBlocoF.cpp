// "Bloco F": the credit on the monthly depreciation of fixed assets (F120), when chosen.
#include <map>

#include "ExtracaoBlocoF.h"
#include "Funcoes.h"

void TExtracaoBlocoF::Executa() {
  TBloco_F& bf = VornVUDIRozAzezav1.Bloco_F;
  TRegistroF001& f001 = bf.RegistroF001New();
  if (!opcoes_.IncluiF120) {
    f001.IND_MOV = TVornIndMov::imSemDados;
    return;
  }
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select", "pat001.nr_loja,", "pat001.cd_natbccred,", "pat001.cd_ativoimob,",
                        "pat001.cd_origem_bem,", "pat001.cd_utiliza_bem,", "pat001.cd_pis,", "pat001.tx_pis,",
                        "pat001.cd_cofins,", "pat001.tx_cofins,", "pat001.vl_deprec_mensal,", "pat001.dt_inicio_deprec,",
                        "pat001.dt_final_deprec,", "pat001.situacao,", "empresa.nr_cgc", "from pat001",
                        "left join empresa on empresa.cd_loja = pat001.nr_loja", "where", "pat001.situacao = \"0\"", "and"})
    qr1->Add(l);
  qr1->Add("pat001.dt_final_deprec >= \"" + DataSQL(opcoes_.DataFinal) + "\"");
  qr1->Open();
  f001.IND_MOV = qr1->IsEmpty() ? TVornIndMov::imSemDados : TVornIndMov::imComDados;
  if (qr1->IsEmpty()) {
    bf.RegistroF010New();
    bf.RegistroF120New();
    return;
  }
  const std::string conta = ContaContabil("F120");
  // Every active asset gets its F120, under the establishment that owns it: reporting only the
  // first asset would drop the credit of the others.
  struct Bem {
    std::string natureza, ident, origem, utilizacao, cstPis, cstCofins;
    Currency depreciacao, aliqPis, aliqCofins;
  };
  std::vector<std::string> ordem;
  std::map<std::string, std::vector<Bem>> porCnpj;
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome).AsString(); };
    const std::string cnpj = campo("nr_cgc");
    if (!porCnpj.count(cnpj)) ordem.push_back(cnpj);
    porCnpj[cnpj].push_back({campo("cd_natbccred"), campo("cd_ativoimob"), campo("cd_origem_bem"),
                             campo("cd_utiliza_bem"), campo("cd_pis"), campo("cd_cofins"),
                             Currency(qr1->FieldByName("vl_deprec_mensal").AsFloat()),
                             Currency(qr1->FieldByName("tx_pis").AsFloat()),
                             Currency(qr1->FieldByName("tx_cofins").AsFloat())});
  }
  qr1->Close();
  for (const std::string& cnpj : ordem) {
    bf.RegistroF010New().CNPJ = cnpj;
    for (const Bem& b : porCnpj[cnpj]) {
      TRegistroF120& r = bf.RegistroF120New();
      r.NAT_BC_CRED = NatBcCredDeTexto(b.natureza);
      r.IDENT_BEM_IMOB = b.ident;
      r.IND_ORIG_CRED = b.origem;
      r.IND_UTIL_BEM_IMOB = b.utilizacao;
      r.VL_OPER_DEP = b.depreciacao;
      r.PARC_OPER_NAO_BC_CRED = Currency(0);
      r.CST_PIS = CstPisDeTexto(b.cstPis);
      r.VL_BC_PIS = b.depreciacao;
      r.ALIQ_PIS = b.aliqPis;
      r.VL_PIS = r.VL_BC_PIS * r.ALIQ_PIS / Currency(100);
      r.CST_COFINS = CstCofinsDeTexto(b.cstCofins);
      r.VL_BC_COFINS = b.depreciacao;
      r.ALIQ_COFINS = b.aliqCofins;
      r.VL_COFINS = r.VL_BC_COFINS * r.ALIQ_COFINS / Currency(100);
      r.COD_CTA = conta;
      r.COD_CCUS.clear();
      r.DESC_BEM_IMOB.clear();
      geracao_.Apuracao.Soma(r);
    }
  }
}
