#include "LinhaLoja.h"

#include <charconv>

#include "DbQuery.h"
#include "Erro.h"
#include "TextUtil.h"

std::string TLinhaLoja::Texto(const std::string& campo) const {
  for (const auto& [nome, valor] : Campos)
    if (nome == campo) return valor;
  return {};
}

int64_t TLinhaLoja::Inteiro(const std::string& campo) const {
  const std::string text = TrimControl(Texto(campo));
  int64_t v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size())
    throw Erro("\"" + text + "\" não é um valor inteiro válido (campo " + campo + " da loja)");
  return v;
}

std::vector<TLinhaLoja> LeLojas(TDbConnection& db) {
  TDbQuery q(db);
  for (const char* line :
       {"select", "filial.cd_fil as cd_loja,", "filial.nm_fil as nm_emp,",
        "concat(filial.cd_fil,\" \",filial.nm_fil) as nmemp,", "empresa.cd_icmsantec,", "filial.tp_regime,",
        "empresa.tp_ativ,", "empresa.tp_perfil,", "0 as sn_ciap,", "empresa.tx_icmsvenda,",
        "filial.vl_apuracaoicmsst,", "filial.nr_cep,", "filial.nm_end,", "filial.nr_nro,", "filial.nr_ie,",
        "filial.nm_bai as nm_bairro,", "filial.nr_fon,", "filial.nr_fax,", "filial.nr_cgc,", "filial.nm_uf,",
        "filial.cd_cid as cd_cidade,", "filial.sn_substituto,", "empresa.tp_tributacao,", "empresa.tp_inctrib,",
        "empresa.tp_metodoaprop,", "empresa.tp_contribapurada,", "empresa.tp_ativvudirozazezav", "from filial",
        "left join empresa on filial.cd_loja = empresa.cd_loja", "order by filial.cd_fil"})
    q.Add(line);
  q.Open();
  std::vector<TLinhaLoja> lojas;
  const std::vector<std::string> campos = q.FieldNames();
  for (q.First(); !q.Eof(); q.Next()) {
    TLinhaLoja row;
    for (const std::string& f : campos) row.Campos.emplace_back(f, q.FieldByName(f).AsString());
    lojas.push_back(std::move(row));
  }
  q.Close();
  return lojas;
}

TPadraoLoja PadraoDaLoja(const TLinhaLoja& loja) {
  int64_t tributacao = 0;
  try {
    tributacao = loja.Inteiro("tp_tributacao");
  } catch (const Erro&) {
    tributacao = 0;  // an empty or odd regime leaves the defaults as they are
  }
  if (tributacao == 1) return {"810902", "c:\\vudirozazezav\\VudiRozAzezavPresumido.txt", "Lucro Presumido"};
  if (tributacao == 2) return {"691201", "c:\\vudirozazezav\\VudiRozAzezav.txt", "Lucro Real"};
  return {};
}

int DetalhamentoDaLoja(const TLinhaLoja& loja, int itens) {
  int64_t inctrib = -1;
  try {
    inctrib = loja.Inteiro("tp_inctrib") - 1;
  } catch (const Erro&) {
    inctrib = -1;  // a store without company settings selects nothing
  }
  const int last = itens - 1;
  return static_cast<int>(inctrib > last ? last : inctrib < -1 ? -1 : inctrib);
}
