#include "ExtracaoBlocoC.h"

#include "ExtracaoBlocoCRegras.h"
#include "RetornoNfce.h"

#include <algorithm>

using namespace blococ;

std::string TExtracaoBlocoC::ContaContabilMov(const std::string& registro, const std::string& tpMov) {
  return geracao_.Contas.DoMovimento(registro, tpMov, Empresa("nr_cgc"));
}

void TExtracaoBlocoC::GravaM400800(int tpDoc, const std::string& cdProd, double valor, const std::string& cdCod) {
  TDbParam vlCod;
  vlCod.AsFloat(valor);
  const std::string prod = "\"" + db0.Escape(cdProd) + "\"";
  // The product's revenue nature is looked up by the server as the rows are inserted.
  m400800_.push_back("(" + std::to_string(tpDoc) + "," + prod +
                     ",ifnull((select nat_rec from material where cd_mat = " + prod + " limit 1),\"\"),\"" +
                     db0.Escape(cdCod) + "\"," + vlCod.Literal(db0) + ")");
}

void TExtracaoBlocoC::GravaM400800Pendentes() {
  if (m400800_.empty()) return;
  // A database error here stays one (the CLI's exit 4), not a failure of another kind.
  TInsertEmLotes insert(db0, "insert into m400800temp (tp_doc, cd_prod, nat_rec, cd_cod, vl_cod)");
  for (const std::string& linha : m400800_) insert.Linha(linha);
  insert.Termina();
  db0.Commit();
  m400800_.clear();
}

void TExtracaoBlocoC::DocumentoPronto() {
  if (!opcoes_.Concomitante) return;
  if (++documentos_ % std::max(opcoes_.BufferNotas, 1) == 0) VornVUDIRozAzezav1.WriteBloco_C(false);
}

long double TExtracaoBlocoC::TotalPisCofinsEntrada(TDbQuery& q, int tipo) {
  const bool real = TributacaoReal();
  long double total = 0;
  for (q.First(); !q.Eof(); q.Next()) {
    const double v = Arredonda(2, Num(q, "qt_prod") * Num(q, "vl_compra"));
    const double txIpi = Num(q, "tx_ipi");
    const double ipi = txIpi > 0 ? v * txIpi / 100 : 0;
    const double fd = 1 - Num(q, "tx_desc") / 100, ff = 1 + Num(q, "tx_frete") / 100;
    const long double base = real ? ArredondaFmt(2, v * fd * ff) + ipi : ArredondaFmt(2, v * fd);
    if (tipo == 1) {
      const double tx = Num(q, "tx_pis2");
      total += tx > 0 ? Arredonda(2, static_cast<double>(base * tx / 100)) : 0;
    } else {
      const double tx = Num(q, "tx_cofins2");
      total += tx > 0 ? ArredondaFmt(2, static_cast<double>(base * tx / 100)) : 0;
    }
  }
  return total;
}

erp::TProdutoVariante TExtracaoBlocoC::SemCadastro(const std::string& cdProd) {
  geracao_.Mensagem("AVISO: " + Onde("o produto \"" + cdProd +
                                     "\" não está no cadastro de materiais; o item foi mantido com os seus valores"));
  return ProdutoVariante(db0, cdProd);
}

bool TExtracaoBlocoC::TributacaoReal() const {
  try {
    return EmpresaInt("tp_tributacao") == 2;
  } catch (const std::exception&) {
    return false;
  }
}

long double TExtracaoBlocoC::TotalPisCofinsNF(const std::string& loja, const std::string& nrNf, bool pis) {
  TDbQuery q(db0);
  q.Add("select");
  const std::string taxa = pis ? "nfitem.tx_pis" : "nfitem.tx_cofins";
  q.Add("sum((nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) - (nfitem.vl_totalnf * (1-(nf.vl_desc / nf.vl_prod)) * "
        "((100 - cfop.tx_cfop)/100) * (nfitem.tx_icms / 100))) * (" +
        taxa + " / 100)) as " + (pis ? "vlpis" : "vlcofins"));
  Linhas(q, {"from nfitem", "left join nf on nf.cd_fil = nfitem.cd_fil and nf.nr_nf = nfitem.nr_nf",
             "left join cfop on cfop.cd_cfop = nfitem.cd_cfop", "where", "nfitem.cd_fil = :nrloja", "and",
             "nfitem.nr_nf = :nrnf", ";"});
  q.ParamByName("nrloja").AsString(loja);
  q.ParamByName("nrnf").AsString(nrNf);
  q.Open();
  return q.IsEmpty() ? 0 : Num(q, pis ? "vlpis" : "vlcofins");
}

void TExtracaoBlocoC::Executa() {
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  geracao_.Contas.EsqueceMovimentos();
  TDbQuery qremp(db0);
  qremp.Add("select empresa.sn_liminarbcpis from empresa left join filial on filial.cd_loja = empresa.cd_loja "
            "where filial.cd_fil = \"" +
            db0.Escape(Empresa("cd_loja")) + "\"");
  qremp.Open();
  liminar_ = !qremp.IsEmpty() && Txt(qremp, "sn_liminarbcpis") == "1";
  qremp.Close();

  bc.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroC010& c010 = bc.RegistroC010New();
  c010.CNPJ = Empresa("nr_cgc");
  c010.IND_ESCRI = TVornIndEscrituracao::IndEscriIndividualizado;

  if (TributacaoReal()) Entradas();
  Saidas();
  Nfce();
  Cupons();
  Contas();
  GravaM400800Pendentes();
}
