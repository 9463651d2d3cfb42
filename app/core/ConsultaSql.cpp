#include "ConsultaSql.h"

#include <charconv>
#include <chrono>
#include <fstream>

#include "DbScript.h"
#include "Funcoes.h"

namespace {

// The eight statements behind the block M figures, for the period d1 to d2.
std::vector<std::string> Predefinidos(const std::string& d1, const std::string& d2) {
  return {
      // comando1
      std::string("select nfent.dt_entrada as data_entrada,nfent.nr_nf as nf,nfentit.cd_prod as codprod,(nfent.vl_desc / nfent.vl_prod) as txdesc,(nfentit.qt_prod*nfentit.vl_compra) as totalitem,((nfentit.qt_prod * nfentit.vl_compra) * (1-(nfent.vl_desc / nfent.vl_prod))) as totalitemliquido,if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",produto.cd_pis2,nfentit.cd_pis) as cd_pis,if(TRIM(ifnull(nfentit.cd_pis,\"\"))=\"\",produto.tx_pis2,nfentit.tx_pis) as tx_pis,produto.cd_tpcred as codcredito,empresa.sn_lojaestoque from nfentit left join nfent on nfent.nr_nfent = nfentit.nr_nfent left join produto on produto.cd_prod = nfentit.cd_prod left join empresa on empresa.cd_loja = nfent.nr_loja where nfent.dt_entrada >= \"" + d1 + "\" and nfent.dt_entrada <= \"" + d2 + "\"" + "and nfent.status = \"1\" and nfent.sn_canc = \"0\" and nfent.sn_nf = \"1\" and produto.cd_tpcred<>\"\"" + "and empresa.sn_lojaestoque = \"1\";"),
      // comando2
      std::string("select nfent.dt_entrada as data_entrada,nfent.nr_nf as nf,nfent.vl_desc,nfent.vl_nota,nfent.cd_pis2,nfent.tx_pis2,nfent.cd_tpcred as codcredito,empresa.nm_emp from nfent left join empresa on empresa.cd_loja = nfent.nr_loja where nfent.dt_entrada >= \"" + d1 + "\" and nfent.dt_entrada <= \"" + d2 + "\"" + "and nfent.status = \"1\" and nfent.sn_canc = \"0\" and (nfent.sn_nf = \"2\" or nfent.sn_nf = \"3\" or nfent.sn_nf = \"4\") " + "and empresa.sn_lojaestoque = \"1\";"),
      // comando3
      std::string("select nfitem.cd_prod,(nf.vl_desc / nf.vl_prod) as txdesc,((nfitem.tt_item) * (1-(nf.vl_desc / nf.vl_prod)))as ttitem,if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",produto.cd_pis2,nfitem.cd_pis) as cd_pis,if(TRIM(ifnull(nfitem.cd_pis,\"\"))=\"\",produto.tx_pis2,nfitem.tx_pis) as tx_pis,produto.cd_tpcred, empresa.sn_lojavenda from nfitem left join nf on (nf.nr_nf=nfitem.nr_nf and nf.nr_loja=nfitem.nr_loja) left join produto on produto.cd_prod = nfitem.cd_prod left join empresa on empresa.cd_loja = nf.nr_loja where nf.dt_saida >= \"" + d1 + "\" and nf.dt_saida <= \"" + d2 + "\" and " + "nf.sn_transmitida = \"1\" and nf.sn_inutil = \"0\" and nf.sn_canc = \"0\" and nf.tp_es = \"0\" and produto.cd_tpcred<>\"\" " + "and empresa.sn_lojaestoque = \"1\";"),
      // comando4
      std::string("select nf.dt_saida as datasaida, nf.nr_nf as nf, nfitem.cd_prod as codprod,(nf.vl_desc / nf.vl_prod) as txdesc, (nfitem.tt_item) as totalitem,((nfitem.tt_item) * (1-(nf.vl_desc / nf.vl_prod))) as totalitemliquido,if(TRIM(ifnull(nfitem.tx_pis,\"\"))=\"\",produto.tx_pis,nfitem.tx_pis) as tx_pis,empresa.sn_lojavenda from nfitem left join nf on (nf.nr_nf=nfitem.nr_nf and nf.nr_loja=nfitem.nr_loja) left join produto on produto.cd_prod = nfitem.cd_prod left join empresa on empresa.cd_loja = nf.nr_loja where nf.dt_saida >= \"" + d1 + "\" and nf.dt_saida <= \"" + d2 + "\" and nf.sn_transmitida = \"1\" " + "and nf.sn_inutil = \"0\" and nf.sn_canc = \"0\" and nf.tp_es = \"1\" and nfitem.tx_pis>0 and empresa.sn_lojaestoque = \"1\";"),
      // comando5
      std::string("select ze15.nr_coo,ze15.dt_mov,ze15.cd_prod,(ze14.vl_liquido/ze14.vl_subtotal) as txdesc,(ze15.vl_total) as totalitem,(ze15.vl_total * (ze14.vl_liquido/ze14.vl_subtotal)) as totalitemliquido,produto.cd_pis,produto.tx_pis,empresa.sn_lojavenda from ze15 left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov) left join produto on produto.cd_prod = ze15.cd_prod left join empresa on empresa.cd_loja = ze14.nr_loja where ze15.dt_mov >= \"" + d1 + "\" and ze15.dt_mov <= \"" + d2 + "\" and ze15.cd_prod <> \"\" and " + "ze14.sn_canc = \"N\" and ze15.sn_canc = \"N\" and produto.tx_pis>0;"),
      // comando6
      std::string("select nfitem.nr_nf,nf.dt_saida,nfitem.cd_prod,produto.nat_rec,nfitem.cd_pis,nfitem.tx_pis,nfitem.cd_cofins,nfitem.tx_cofins,nfitem.tt_item from nfitem left join nf on (nf.nr_nf=nfitem.nr_nf and nf.nr_loja=nfitem.nr_loja) left join produto on produto.cd_prod = nfitem.cd_prod left join empresa on empresa.cd_loja=nf.nr_loja where nf.dt_saida >= \"" + d1 + "\" and nf.dt_saida <= \"" + d2 + "\" " + "and nf.sn_transmitida = \"1\" and nf.sn_inutil = \"0\" and nf.sn_canc = \"0\" and nf.tp_es = \"0\" " + "and empresa.sn_lojavenda = \"1\" and nfitem.tx_pis=0;"),
      // comando7
      std::string("select nf.nr_nf,nf.dt_saida,nfitem.cd_prod,produto.nat_rec,nfitem.cd_pis,nfitem.tx_pis,nfitem.cd_cofins,nfitem.tx_cofins,nfitem.tt_item from nfitem left join nf on (nf.nr_nf=nfitem.nr_nf and nf.nr_loja=nfitem.nr_loja) left join cfop on cfop.cd_cfop=nf.cd_cfop left join produto on produto.cd_prod = nfitem.cd_prod left join empresa on empresa.cd_loja=nf.nr_loja where nf.dt_saida >= \"" + d1 + "\" and nf.dt_saida <= \"" + d2 + "\" " + "and nf.sn_transmitida = \"1\" and nf.sn_inutil = \"0\" and nf.sn_canc = \"0\" and nf.tp_es = \"1\" " + "and empresa.sn_lojavenda = \"1\" and nfitem.tx_pis=0 and (cfop.nr_cfop<>\"5202\" and cfop.nr_cfop<>\"6202\");"),
      // comando8
      std::string("select ze15.nr_nf,ze15.dt_mov,ze15.cd_prod,produto.nat_rec,produto.cd_pis,produto.tx_pis,produto.cd_cofins,produto.tx_cofins,ze15.vl_total from ze15 left join produto on produto.cd_prod = ze15.cd_prod left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov) left join empresa on empresa.cd_loja=ze15.nr_loja where ze15.dt_mov >= \"" + d1 + "\" and ze15.dt_mov <= \"" + d2 + "\" " + "and ze15.sn_canc = \"N\" and ze14.sn_canc = \"N\" and empresa.sn_lojavenda = \"1\" and produto.tx_pis=0;"),
  };
}

// The documents behind each M100 and M105 line of the run: the PIS credit rows of m100500 that
// block M sums (rate above zero, a base code), each with its credit, followed by one total row
// per M105 (credit type, base code, CST) and per M100 (credit type).
const char* const kM100Completo =
    "select registro,cd_tpcred,cd_bccredito,cst,nr_nf,dt_entrada,cd_prod,vl_bc,aliquota,vl_credito from ("
    "select 1 as ordem,\"Documento\" as registro,cd_tpcred,cd_bccredito,cd_cod as cst,nr_nf,dt_entrada,cd_prod,"
    "vl_item as vl_bc,tx_cod as aliquota,round(vl_item*tx_cod/100,4) as vl_credito "
    "from m100500 where tp_piscofins=\"1\" and tx_cod>0 and cd_bccredito<>\"\" "
    "union all "
    "select 2,\"M105\",cd_tpcred,cd_bccredito,cd_cod,null,null,null,sum(vl_item),"
    "if(min(tx_cod)=max(tx_cod),min(tx_cod),null),round(sum(vl_item*tx_cod)/100,4) "
    "from m100500 where tp_piscofins=\"1\" and tx_cod>0 and cd_bccredito<>\"\" "
    "group by cd_tpcred,cd_bccredito,cd_cod "
    "union all "
    "select 3,\"M100\",cd_tpcred,null,null,null,null,null,sum(vl_item),"
    "if(min(tx_cod)=max(tx_cod),min(tx_cod),null),round(sum(vl_item*tx_cod)/100,4) "
    "from m100500 where tp_piscofins=\"1\" and tx_cod>0 and cd_bccredito<>\"\" "
    "group by cd_tpcred"
    ") as m100 order by cd_tpcred,ordem=3,cd_bccredito,cst,ordem,dt_entrada,nr_nf";

std::string EmSegundos(double s) {
  char buf[32];
  auto [p, ec] = std::to_chars(buf, buf + sizeof buf, s, std::chars_format::fixed, 3);
  std::string t(buf, p);
  for (char& c : t)
    if (c == '.') c = ',';
  return t;
}

// A value as a spreadsheet cell: the decimal comma for numbers, quotes where the separator,
// a quote or a line break would split it.
std::string Celula(const std::optional<std::string>& valor, bool numerico, char separador) {
  if (!valor) return {};
  std::string v = *valor;
  if (numerico) {
    for (char& c : v)
      if (c == '.') c = ',';
    return v;
  }
  if (v.find_first_of(std::string(1, separador) + "\"\r\n") == std::string::npos) return v;
  std::string q = "\"";
  for (char c : v) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

}  // namespace

// ---- the rows of one statement ----

void TConsultaDados::Open(const std::string& sql) {
  Close();
  const auto inicio = std::chrono::steady_clock::now();
  cursor_.Open(sql);
  sql_ = sql;
  nomes_ = cursor_.FieldNames();
  numericos_ = cursor_.NumericFields();
  FetchMore();
  segundos_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  atual_ = linhas_.empty() ? -1 : 0;
}

void TConsultaDados::Close() {
  cursor_.Close();
  sql_.clear();
  nomes_.clear();
  numericos_.clear();
  linhas_.clear();
  atual_ = -1;
  segundos_ = 0;
}

std::size_t TConsultaDados::FetchMore(std::size_t count) {
  if (!HasMore()) return 0;
  return cursor_.Fetch(count, linhas_);
}

void TConsultaDados::First() { atual_ = linhas_.empty() ? -1 : 0; }

void TConsultaDados::Prior() {
  if (atual_ > 0) --atual_;
}

void TConsultaDados::Next() {
  if (atual_ + 1 >= static_cast<long>(linhas_.size())) FetchMore();
  if (atual_ + 1 < static_cast<long>(linhas_.size())) ++atual_;
}

void TConsultaDados::Last() {
  while (FetchMore() > 0) {
  }
  atual_ = static_cast<long>(linhas_.size()) - 1;
}

std::string TConsultaDados::Situacao() const {
  if (!Active()) return {};
  const std::size_t n = linhas_.size();
  std::string s = std::to_string(n) + (n == 1 ? " linha" : " linhas");
  if (HasMore()) s += " ou mais";
  return s + " em " + EmSegundos(segundos_) + " s";
}

// ---- spreadsheet forms ----

std::string TextoTabulado(const TConsultaDados& dados, std::size_t primeiraLinha, std::size_t ultimaLinha,
                          std::size_t primeiraColuna, std::size_t ultimaColuna) {
  std::string texto;
  const auto& linhas = dados.Rows();
  for (std::size_t l = primeiraLinha; l <= ultimaLinha && l < linhas.size(); ++l) {
    for (std::size_t c = primeiraColuna; c <= ultimaColuna && c < linhas[l].size(); ++c) {
      if (c > primeiraColuna) texto += '\t';
      texto += Celula(linhas[l][c], dados.NumericFields()[c], '\t');
    }
    texto += '\n';
  }
  return texto;
}

std::size_t GravaCsv(TDbConnection& db, const std::string& sql, std::ostream& out) {
  TDbCursor cursor(db);
  cursor.Open(sql);
  const auto& nomes = cursor.FieldNames();
  out << "\xEF\xBB\xBF";
  for (std::size_t c = 0; c < nomes.size(); ++c) out << (c ? ";" : "") << Celula(nomes[c], false, ';');
  out << "\r\n";
  std::size_t total = 0;
  std::vector<TDbCursor::Row> pagina;
  while (cursor.Fetch(TConsultaDados::kPagina, pagina) > 0) {
    for (const auto& linha : pagina) {
      for (std::size_t c = 0; c < linha.size(); ++c)
        out << (c ? ";" : "") << Celula(linha[c], cursor.NumericFields()[c], ';');
      out << "\r\n";
    }
    total += pagina.size();
    pagina.clear();
  }
  if (!out) throw std::runtime_error("Não foi possível gravar o arquivo CSV");
  return total;
}

// ---- the window ----

TfrQuery::TfrQuery(TDbConnection& db, IWindowHost& host)
    : qropen(db), qrteste(db), DBGrid1(&qropen), db_(db), host_(host) {
  Memo1.Label = "&Query";
  RadioGroup1.Caption = "Escolha";
  RadioGroup1.Items = {"Nenhum",
                       "Notas Fiscais de Entrada Terceiros - (M100",
                       "Notas de Despesas (CT, Telefones, Energia Eletrica, Serviços) - M100",
                       "Notas Fiscais de Emissão Própria de Entrada - M100",
                       "Notas Fiscais de Emissão Própria de Saida  - M200",
                       "Cupons Fiscais (M200)",
                       "Notas Fiscais de Emissão Própria de Entrada - M400",
                       "Notas Fiscais de Emissão Própria de Saida  - M400",
                       "Cupons Fiscais (M400)",
                       "M100 Completo"};
  RadioGroup1.ItemIndex = 0;
  Button1.Caption = "&Open";
  Button2.Caption = "&Execute";
  SpeedButton1.Caption = "M100500";
  SpeedButton2.Caption = "M200600";
  SpeedButton3.Caption = "M400800";
}

void TfrQuery::FormShow() {
  const std::vector<std::string> c = Predefinidos(DataSQL(dt1), DataSQL(dt2));
  for (std::size_t i = 0; i < c.size(); ++i) comando[i + 1] = c[i];
  comando[9] = kM100Completo;
}

void TfrQuery::Button1Click() {
  qropen.Close();
  DBGrid1 = &qropen;
  const int i = RadioGroup1.ItemIndex;
  if (i >= 1 && i <= 9) Memo1.Lines = {comando[i]};
  std::string sql;
  for (std::size_t l = 0; l < Memo1.Lines.size(); ++l) sql += (l ? "\n" : "") + Memo1.Lines[l];
  qropen.Open(sql);
}

void TfrQuery::Button2Click() {
  TDbScript z1(db_);
  z1.Script() = Memo1.Lines;
  z1.Execute();
  host_.ShowMessage("Query Executada");
}

void TfrQuery::AbreTabela(const std::string& sql) {
  DBGrid1 = &qrteste;
  qrteste.Close();
  qrteste.Open(sql);
}

void TfrQuery::SpeedButton1Click() { AbreTabela("select * from m100500 where tp_piscofins=1 and cd_bccredito=\"01\""); }
void TfrQuery::SpeedButton2Click() { AbreTabela("select * from m200600"); }
void TfrQuery::SpeedButton3Click() { AbreTabela("select * from m400800 order by cd_cod,nat_rec"); }

void TfrQuery::DBNavigator1Click(TNavigateBtn button) {
  switch (button) {
    case TNavigateBtn::nbFirst: DBGrid1->First(); break;
    case TNavigateBtn::nbPrior: DBGrid1->Prior(); break;
    case TNavigateBtn::nbNext: DBGrid1->Next(); break;
    case TNavigateBtn::nbLast: DBGrid1->Last(); break;
  }
}

// Both results are closed: a cursor left open would hold server resources after the window.
void TfrQuery::FormClose() {
  qropen.Close();
  qrteste.Close();
}

std::size_t TfrQuery::SalvaCsv(const std::string& path) {
  if (!DBGrid1->Active()) throw std::runtime_error("Nenhum resultado para salvar");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("Não foi possível criar o arquivo " + path);
  return GravaCsv(db_, DBGrid1->Sql(), out);
}
