// "Bloco 0": the company, accountant, regime, establishment, participants, units, items,
// operation natures, complementary information and chart of accounts.
#include <charconv>
#include <set>

#include "ExtracaoBloco0.h"
#include "ConsultaErp.h"
#include "Funcoes.h"
#include "TextUtil.h"

namespace {
// A municipality or similar code read as text; a text that is not an integer stops the block
// with a message naming the value and where it came from.
int Inteiro(const std::string& text, const std::string& onde) {
  int v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size())
    throw Erro("\"" + text + "\" não é um valor inteiro válido (" + onde + ")");
  return v;
}

TVornIndAtiv IndAtiv(const std::string& text, TVornIndAtiv atual) {
  if (text == "0") return TVornIndAtiv::indAtivIndustrial;
  if (text == "1") return TVornIndAtiv::indAtivPrestadorServico;
  if (text == "2") return TVornIndAtiv::indAtivComercio;
  if (text == "3") return TVornIndAtiv::indAtivoFincanceira;
  if (text == "4") return TVornIndAtiv::indAtivoImobiliaria;
  if (text == "9") return TVornIndAtiv::indAtivoOutros;
  return atual;
}

TVornTipoItem TipoItem(const std::string& text, TVornTipoItem atual) {
  if (text.empty() || text == "00") return TVornTipoItem::tiMercadoriaRevenda;
  if (text == "99") return TVornTipoItem::tiOutras;
  static const char* kCodigos[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
  for (int i = 0; i < 10; ++i)
    if (text == kCodigos[i]) return static_cast<TVornTipoItem>(i + 1);
  return atual;
}

bool Brasil(const std::string& pais) { return pais == "01058" || pais == "1058"; }
}  // namespace

void TExtracaoBloco0::Executa() {
  TBloco_0& b0 = VornVUDIRozAzezav1.Bloco_0;
  const std::string loja = Empresa("cd_loja");

  // 0000
  TRegistro0000& r0000 = b0.Registro0000New();
  const int versao = opcoes_.Versao;
  if (versao >= 0) r0000.COD_VER = static_cast<TVornCodVer>(versao);
  SetCaption("Dados da Empresa");
  r0000.TIPO_ESCRIT = TVornTipoEscrit::tpEscrOriginal;
  // A regular month declares no special situation (opening, split, merger, closing).
  r0000.IND_SIT_ESP = TVornIndSitEsp::indNenhum;
  r0000.NUM_REC_ANTERIOR.clear();
  r0000.NOME = Empresa("nm_emp");
  r0000.CNPJ = Empresa("nr_cgc");
  r0000.UF = Empresa("nm_uf");
  r0000.COD_MUN = Inteiro(Empresa("cd_cidade"), "município da loja " + loja);
  r0000.SUFRAMA.clear();
  r0000.IND_NAT_PJ = TVornIndNatPJ::indNatPJSocEmpresariaGeral;
  r0000.IND_ATIV = IndAtiv(Empresa("tp_ativvudirozazezav"), r0000.IND_ATIV);

  b0.Registro0001New().IND_MOV = TVornIndMov::imComDados;

  // 0100
  SetCaption("Dados do Contador");
  qr1->Close();
  qr1->Clear();
  qr1->Add("select ifnull(count(*),0) as qt from contador");
  qr1->Open();
  const int64_t qt = qr1->FieldByName("qt").AsInteger();
  if (qt > 0) {
    qr1->Close();
    qr1->Clear();
    qr1->Add("select * from contador");
    qr1->Open();
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome).AsString(); };
    geracao_.Contador.nome = campo("nm_contador");
    geracao_.Contador.cpf = campo("nr_cpf");
    geracao_.Contador.crc = campo("nr_crc");
    geracao_.Contador.cnpj = campo("nr_cnpj");
    geracao_.Contador.cep = campo("nr_cep");
    geracao_.Contador.endereco = campo("nm_end");
    geracao_.Contador.nro = campo("nr_nro");
    geracao_.Contador.complemento = campo("nm_compl");
    geracao_.Contador.bairro = campo("nm_bairro");
    geracao_.Contador.fone = campo("nr_fone");
    geracao_.Contador.fax = campo("nr_fax");
    geracao_.Contador.email = campo("nm_email");
    geracao_.Contador.cidade = campo("cd_municipio");
  }
  TRegistro0100& r0100 = b0.Registro0100New();
  r0100.NOME = geracao_.Contador.nome;
  r0100.CPF = geracao_.Contador.cpf;
  r0100.CRC = geracao_.Contador.crc;
  r0100.CNPJ = geracao_.Contador.cnpj;
  r0100.CEP = geracao_.Contador.cep;
  r0100.END = geracao_.Contador.endereco;
  r0100.NUM = geracao_.Contador.nro;
  r0100.COMPL = geracao_.Contador.complemento;
  r0100.BAIRRO = geracao_.Contador.bairro;
  r0100.FONE = geracao_.Contador.fone;
  r0100.FAX = geracao_.Contador.fax;
  r0100.EMAIL = geracao_.Contador.email;
  r0100.COD_MUN = Inteiro(geracao_.Contador.cidade, "município do contador " + geracao_.Contador.nome);

  // 0110
  SetCaption("Regime de apuração");
  TRegistro0110& r0110 = b0.Registro0110New();
  const std::string inctrib = Empresa("tp_inctrib");
  if (inctrib == "1") r0110.COD_INC_TRIB = TVornCodIncTrib::codEscrOpIncNaoCumulativo;
  else if (inctrib == "2") r0110.COD_INC_TRIB = TVornCodIncTrib::codEscrOpIncCumulativo;
  else if (inctrib == "3") r0110.COD_INC_TRIB = TVornCodIncTrib::codEscrOpIncAmbos;
  const std::string metodo = Empresa("tp_metodoaprop");
  if (metodo == "1") r0110.IND_APRO_CRED = TVornIndAproCred::indMetodoApropriacaoDireta;
  else if (metodo == "2") r0110.IND_APRO_CRED = TVornIndAproCred::indMetodoDeRateioProporcional;
  const std::string contrib = Empresa("tp_contribapurada");
  if (contrib == "1") r0110.COD_TIPO_CONT = TVornCodTipoCont::codIndTipoConExclAliqBasica;
  else if (contrib == "2") r0110.COD_TIPO_CONT = TVornCodTipoCont::codIndTipoAliqEspecificas;
  if (opcoes_.Criterio == 0) r0110.IND_REG_CUM = TVornIndRegCum::codRegimeCaixa;
  else if (opcoes_.Criterio == 1) r0110.IND_REG_CUM = TVornIndRegCum::codRegimeCompetEscritConsolidada;
  else if (opcoes_.Criterio == 2) r0110.IND_REG_CUM = TVornIndRegCum::codRegimeCompetEscritDetalhada;

  // 0140
  TRegistro0140& r0140 = b0.Registro0140New();
  r0140.COD_EST = "1";
  r0140.NOME = Empresa("nm_emp");
  r0140.CNPJ = Empresa("nr_cgc");
  r0140.UF = Empresa("nm_uf");
  r0140.IE = Empresa("nr_ie");
  r0140.COD_MUN = Inteiro(Empresa("cd_cidade"), "município da loja " + loja);
  r0140.IM.clear();
  r0140.SUFRAMA.clear();

  // 0150
  qr1->Close();
  qr1->Clear();
  qr1->Add("select * from participantes group by cd_part order by cd_part");
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    auto campo = [&](const char* nome) { return qr1->FieldByName(nome).AsString(); };
    SetCaption("Registro 0150 - Participantes " + campo("nm_part"));
    TRegistro0150& p = b0.Registro0150New();
    p.COD_PART = campo("cd_part");
    p.NOME = campo("nm_part");
    p.COD_PAIS = campo("cd_pais");
    p.CNPJ = campo("nr_cnpj");
    p.CPF = campo("nr_cpf");
    p.IE = campo("nr_ie");
    // The municipality is written only for Brazilian participants: abroad it may be anything.
    const std::string cidade = campo("cd_cid");
    if (Brasil(p.COD_PAIS)) {
      p.COD_MUN = Inteiro(cidade, "município do participante " + p.COD_PART + " " + p.NOME);
    } else {
      int v = 0;
      auto [ptr, ec] = std::from_chars(cidade.data(), cidade.data() + cidade.size(), v);
      p.COD_MUN = ec == std::errc() && ptr == cidade.data() + cidade.size() && !cidade.empty() ? v : 0;
    }
    p.SUFRAMA = campo("nr_suframa");
    p.END = campo("nm_end");
    p.NUM = campo("nr_nro");
    p.COMPL.clear();
    p.BAIRRO = campo("nm_bai");
  }

  // 0200, before 0190: every unit an item is kept in must be listed too.
  std::set<std::string> unidadesItens;
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select", "unidade.cd_prod,", "unidade.un_prod,", "material.nm_mat as nm_prod,",
                        "material.cd_class as cd_cfiscal,", "material.tx_icms as aliq,", "material.tp_item,",
                        "material.cd_gen,", "material.cd_lst as cd_lst", "from unidade",
                        "left join material on material.cd_mat = unidade.cd_prod", "where", "unidade.cd_prod <> \"\"",
                        "group by unidade.cd_prod", "order by unidade.cd_prod"})
    qr1->Add(l);
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    SetCaption("Registro 0200 - Item (Produtos e Serviços)");
    const std::string cdProd = qr1->FieldByName("cd_prod").AsString();
    std::string nmProd = qr1->FieldByName("nm_prod").AsString();
    std::string unProd = qr1->FieldByName("un_prod").AsString();
    std::string cfiscal = qr1->FieldByName("cd_cfiscal").AsString();
    std::string tpItem = qr1->FieldByName("tp_item").AsString();
    std::string cdGen = qr1->FieldByName("cd_gen").AsString();
    double aliq = tpItem == "09" ? 0 : qr1->FieldByName("aliq").AsFloat();
    std::string cdLst = qr1->FieldByName("cd_lst").AsString();
    if (nmProd.empty()) {
      // Not a product: maybe a variant registered in grade.
      const erp::TProdutoVariante v = erp::ProdutoVariante(db0, cdProd);
      nmProd = v.nome;
      unProd = v.unidade;
      cfiscal = v.ncm;
      tpItem = v.tipo;
      cdGen = v.genero;
      cdLst = v.lst;
      aliq = v.aliquota;
    }
    TRegistro0200& item = b0.Registro0200New();
    item.COD_ITEM = cdProd;
    item.DESCR_ITEM = nmProd;
    item.COD_BARRA = cdProd;
    item.COD_ANT_ITEM.clear();
    item.UNID_INV = unProd.empty() ? "UN" : unProd;
    unidadesItens.insert(item.UNID_INV);
    item.TIPO_ITEM = TipoItem(tpItem, item.TIPO_ITEM);
    item.COD_NCM = cfiscal.empty() ? "10000000" : cfiscal;
    item.EX_IPI.clear();
    item.COD_GEN = cdGen;
    item.COD_LST = cdLst;
    item.ALIQ_ICMS = Variant(aliq);
  }

  // 0190
  for (const std::string& u : unidadesItens) {
    TDbQuery ins(db0);
    ins.Add("insert into unidade (cd_prod, un_prod) values (\"\", \"" + db0.Escape(u) + "\")");
    ins.ExecSQL();
  }
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select * from unidade", "where", "un_prod <> \"\"", "group by un_prod"}) qr1->Add(l);
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    SetCaption("Registro 0190 - Unidades");
    TRegistro0190& u = b0.Registro0190New();
    u.UNID = qr1->FieldByName("un_prod").AsString();
    u.DESCR = "DESCR: " + u.UNID;
  }

  // 0400
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select * from natope", "where", "cd_natope <> \"\"", "group by cd_natope", "order by cd_natope"})
    qr1->Add(l);
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    SetCaption("Registro 0400 - Natureza de Operacao");
    TRegistro0400& n = b0.Registro0400New();
    const std::string cd = qr1->FieldByName("cd_natope").AsString();
    const std::string nm = qr1->FieldByName("nm_natope").AsString();
    n.COD_NAT = loja + cd;
    n.DESCR_NAT = nm.empty() ? cd : nm;
  }

  // 0450
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select * from nfent,nfentantec", "where", "nfent.nr_nfent = nfentantec.nr_nfent", "and"})
    qr1->Add(l);
  qr1->Add("nfent.dt_entrada >= \"" + DataSQL(opcoes_.DataInicial) + "\"");
  qr1->Add("and");
  qr1->Add("nfent.dt_entrada <= \"" + DataSQL(opcoes_.DataFinal) + "\"");
  qr1->Open();
  if (!qr1->IsEmpty()) {
    SetCaption("Registro 0450 - Tabela de Informação Complementar do Documento Fiscal");
    TRegistro0450& inf = b0.Registro0450New();
    inf.COD_INF = "000001";
    inf.TXT = "DOCUMENTO REFERENTE";
  }

  // 0500
  qr1->Close();
  qr1->Clear();
  qr1->Add("select * from contascontabeis");
  qr1->Add("where");
  qr1->Add("cnpj_est = \"" + db0.Escape(Empresa("nr_cgc")) + "\"");
  qr1->Add("order by cod_cta");
  qr1->Open();
  for (qr1->First(); !qr1->Eof(); qr1->Next()) {
    TRegistro0500& c = b0.Registro0500New();
    c.DT_ALT = qr1->FieldByName("dt_alt").AsDate();
    c.COD_NAT_CC = NaturezaContaDeTexto(qr1->FieldByName("COD_NAT_CC").AsString());
    c.IND_CTA = IndCTADeTexto(qr1->FieldByName("IND_CTA").AsString());
    c.NIVEL = qr1->FieldByName("nivel").AsString();
    c.COD_CTA = qr1->FieldByName("cod_cta").AsString();
    c.NOME_CTA = qr1->FieldByName("nome_cta").AsString();
    c.COD_CTA_REF = qr1->FieldByName("cod_cta_ref").AsString();
    c.CNPJ_EST = qr1->FieldByName("cnpj_est").AsString();
  }
  qr1->Close();
}
