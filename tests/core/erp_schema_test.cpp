// The ERP fixture against the statements the program sends: the store list and the scripts
// that build the working tables run on it unchanged, and the seed gives each of them rows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "DateTime.h"
#include "DbQuery.h"
#include "DbScript.h"
#include "Funcoes.h"
#include "support/ErpDatabase.h"

namespace {

using Lines = std::vector<std::string>;

const std::string D1 = DataSQL(EncodeDate(2024, 3, 1));
const std::string D2 = DataSQL(EncodeDate(2024, 3, 31));

// Column >= start / "and" / column <= end.
Lines Period2(const std::string& column) {
  return {column + " >= \"" + D1 + "\"", "and", column + " <= \"" + D2 + "\""};
}
// Both comparisons on one line.
Lines Period1(const std::string& column) {
  return {column + " >= \"" + D1 + "\" and " + column + " <= \"" + D2 + "\""};
}
Lines Between(const std::string& column) { return {column + " between \"" + D1 + "\" and \"" + D2 + "\""}; }

// A statement: its head lines, "where", the conditions joined by lines "and", its tail lines.
Lines Stmt(Lines head, std::vector<Lines> conditions, Lines tail = {}, const std::string& where = "where") {
  Lines out = std::move(head);
  if (!conditions.empty()) out.push_back(where);
  for (std::size_t i = 0; i < conditions.size(); ++i) {
    if (i) out.push_back("and");
    out.insert(out.end(), conditions[i].begin(), conditions[i].end());
  }
  out.insert(out.end(), tail.begin(), tail.end());
  return out;
}

// The script runner's text: each statement followed by ";".
Lines Script(std::vector<Lines> statements) {
  Lines out;
  for (Lines& s : statements) {
    out.insert(out.end(), s.begin(), s.end());
    if (out.back().empty() || out.back().back() != ';') out.push_back(";");
  }
  return out;
}

const Lines kSitdocExclusion = {
    "(nf.cd_sitdoc<>\"02\" and nf.cd_sitdoc<>\"03\" and nf.cd_sitdoc<>\"04\" and nf.cd_sitdoc<>\"05\")"};
const Lines kNfceSitdocExclusion = {
    "(nfce.cd_sitdoc<>\"02\" and nfce.cd_sitdoc<>\"03\" and nfce.cd_sitdoc<>\"04\" and nfce.cd_sitdoc<>\"05\")"};

Lines UnidadeScript() {
  return Script({
      {"create temporary table if not exists unidade(", "cd_prod varchar(6) default \"\",",
       "un_prod char(6) default \"\")"},
      {"delete from unidade"},
      Stmt({"insert into unidade select nfentit.cd_mat,nfentit.un_prod from nfentit",
            "left join nfent on nfent.nr_nfent=nfentit.nr_nfent",
            "left join material on material.cd_mat = nfentit.cd_mat",
            "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
           {Period1("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"1\""}, {"nfent.sn_canc = \"0\""},
            {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt({"insert into unidade select nfentsv.cd_serv,nfentsv.un_prod from nfentsv",
            "left join nfent on nfent.nr_nfent=nfentsv.nr_nfent",
            "left join material on material.cd_mat = nfentsv.cd_serv",
            "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
           {Period1("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"6\""}, {"nfent.sn_canc = \"0\""},
            {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt({"insert into unidade select nfitem.cd_mat,nfitem.nm_unid from nfitem",
            "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
            "left join material on material.cd_mat = nfitem.cd_mat", "left join filial on filial.cd_fil=nf.cd_fil",
            "left join cfop on cfop.cd_cfop=nf.cd_cfop"},
           {Period1("nf.dt_saida"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {"nf.sn_canc = \"0\""},
            {"filial.sn_lojavenda = \"1\""}, kSitdocExclusion, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt({"insert into unidade select nfseitem.cd_serv, material.nm_unid from nfseitem",
            "left join nfse on nfse.cd_fil = nfseitem.cd_fil and nfse.nr_rps = nfseitem.nr_rps",
            "left join material on material.cd_mat = nfseitem.cd_serv",
            "left join filial on filial.cd_fil = nfse.cd_fil"},
           {Between("nfse.dt_emis"), {"nfse.cd_situacao = 4"}, {"nfse.sn_enc = 1"}, {"nfse.sn_canc = 0"},
            {"filial.sn_lojavenda = 1"}}),
  });
}

Lines NatopeScript() {
  return Script({
      {"create temporary table if not exists natope (", "cd_natope varchar(4) default \"\",",
       "nm_natope varchar(30) default \"\",", "nr_nf varchar(6) default \"\",", "dt_natope date)"},
      {"delete from natope;"},
      Stmt({"insert into natope select nfentit.nr_cfop,SUBSTRING(cfop.nm_cfop,1,30),SUBSTRING(nfent.nr_nf,1,6),"
            "nfent.dt_entrada from nfentit",
            "left join nfent on nfent.nr_nfent = nfentit.nr_nfent", "left join cfop on cfop.nr_cfop = nfent.nr_cfop",
            "left join filial on filial.cd_fil = nfent.cd_fil"},
           {Period2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"1\""}, {"nfent.sn_canc = \"0\""},
            {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}},
           {"group by nfentit.nr_cfop"}),
      Stmt({"insert into natope select cfop.nr_cfop,SUBSTRING(cfop.nm_cfop,1,30),SUBSTRING(nf.nr_nf,1,6),nf.dt_emis "
            "from nfitem",
            "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
            "left join cfop on cfop.cd_cfop = nfitem.cd_cfop", "left join filial on filial.cd_fil=nf.cd_fil"},
           {Period2("nf.dt_saida"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {"nf.sn_canc = \"0\""},
            {"filial.sn_lojavenda = \"1\""}, kSitdocExclusion, {"cfop.sn_efdcontrib = \"0\""}},
           {"group by cfop.nr_cfop"}),
      Stmt({"insert into natope select cfop.nr_cfop,SUBSTRING(cfop.nm_cfop,1,30),SUBSTRING(nfceitem.nr_nfce,1,6),"
            "nfce.dt_emis from nfceitem",
            "left join nfce on (nfce.nr_nfce=nfceitem.nr_nfce and nfce.cd_fil=nfceitem.cd_fil and "
            "nfce.nr_serie=nfceitem.nr_serie)",
            "left join cfop on cfop.cd_cfop = nfceitem.cd_cfop", "left join filial on filial.cd_fil=nfce.cd_fil"},
           {Period2("nfce.dt_emis"), {"nfce.sn_transmitida = \"1\""}, {"filial.sn_lojavenda = \"1\""}},
           {"group by cfop.nr_cfop"}),
  });
}

Lines C490Script() {
  return Script({
      {"drop table if exists c490"},
      {"create temporary table if not exists c490 (", "nr_coo varchar(6) default \"\",",
       "cd_prod varchar(14) default \"\",", "vl_total decimal(13,2) default 0,", "sn_canc char(1) default \"\",",
       "tx_icms decimal(6,2) default 0,", "sit_b char(2) default \"\",", "nr_cfop varchar(5) default \"\")"},
  });
}

Lines M400800Script() {
  const Lines cstList = {
      "(nfitem.cd_pis=\"04\" or nfitem.cd_pis=\"05\" or nfitem.cd_pis=\"06\" or nfitem.cd_pis=\"07\" or "
      "nfitem.cd_pis=\"08\" or nfitem.cd_pis=\"09\")"};
  const Lines materialCstList = {
      "(material.cd_pis=\"04\" or material.cd_pis=\"05\" or material.cd_pis=\"06\" or material.cd_pis=\"07\" or "
      "material.cd_pis=\"08\" or material.cd_pis=\"09\")"};
  return Script({
      {"create temporary table if not exists m400800 (", "tp_doc int(1) default 0,", "cd_prod varchar(6) default \"\",",
       "nat_rec char(3) default \"\",", "cd_cod char(2) default \"\",", "tx_cod decimal(6,2) default 0,",
       "vl_cod decimal(13,2) default 0,", "nr_doc varchar(10) default \"\",", "tx_desc decimal(12,4) default 0)"},
      {"delete from m400800;"},
      {"drop table if exists m400800temp;"},
      {"create table if not exists m400800temp (", "id int(11) auto_increment primary key,",
       "tp_doc tinyint(1) default 0,", "nat_rec char(3) default \"\",", "cd_cod char(2) default \"\",",
       "cd_prod varchar(6) default \"\",", "vl_cod decimal(13,2) default 0)"},
      {"delete from m400800temp;"},
      Stmt({"insert into m400800 select 1,nfitem.cd_mat,material.nat_rec,nfitem.cd_pis,nfitem.tx_pis,"
            "nfitem.vl_totalnf,nf.nr_nf,1 from nfitem",
            "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
            "left join cfop on cfop.cd_cfop=nf.cd_cfop", "left join material on material.cd_mat = nfitem.cd_mat",
            "left join filial on filial.cd_fil=nf.cd_fil"},
           {Period1("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {"nf.sn_canc = \"0\""},
            {"nf.tp_nf = \"1\""}, {"nf.cd_sitdoc = \"00\""}, {"filial.sn_lojavenda = \"1\""}, cstList,
            {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt({"insert into m400800 select 3,nfceitem.cd_mat,material.nat_rec,material.cd_pis,material.tx_pis,"
            "nfceitem.tt_item,nfce.nr_nfce,round(((nfce.vl_nf-nfce.vl_desc)/nfce.vl_nf)) from nfceitem",
            "left join nfce on (nfce.nr_nfce=nfceitem.nr_nfce and nfce.cd_fil=nfceitem.cd_fil and "
            "nfce.nr_serie=nfceitem.nr_serie)",
            "left join cfop on cfop.cd_cfop=nfce.cd_cfop", "left join material on material.cd_mat = nfceitem.cd_mat",
            "left join filial on filial.cd_fil = nfce.cd_fil"},
           {Period1("nfce.dt_emis"), {"nfce.sn_transmitida = \"1\""}, {"nfce.sn_inutil = \"0\""},
            {"nfce.sn_canc = \"0\""}, {"nfce.cd_sitdoc = \"00\""}, {"filial.sn_lojavenda = \"1\""}, materialCstList,
            {"cfop.sn_efdcontrib = \"0\""}}),
  });
}

Lines M100500Script() {
  std::vector<Lines> statements = {
      {"create temporary table if not exists m100500 (", "nr_nf varchar(10) default \"\",", "dt_entrada date,",
       "cd_prod varchar(6) default \"\",", "tx_desc decimal(13,2) default 0,", "vl_bruto decimal(13,2) default 0,",
       "vl_item decimal(13,2) default 0,", "cd_cod char(2) default \"\",", "tx_cod decimal(6,2) default 0,",
       "cd_tpcred char(3) default \"\",", "cd_bccredito char(2) default \"\",", "nr_cfop varchar(4) default \"\",",
       "sn_lojaestoque tinyint(1) default 0,", "tp_piscofins tinyint(1) default 0)"},
      {"delete from m100500;"},
  };
  // Form A: entry items.
  for (const char* tax : {"pis", "cofins"}) {
    const std::string t = tax;
    const std::string type = t == "pis" ? "\"1\"" : "\"2\"";
    statements.push_back(Stmt(
        {"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "nfentit.cd_mat,",
         "(nfentit.tx_desc/100) as txdesc,", "(nfentit.qt_prod * nfentit.vl_compra) as vlbruto,",
         "((nfentit.qt_prod * nfentit.vl_compra) * (1-(nfentit.tx_desc/100))) as ttitem,",
         "if(TRIM(ifnull(nfentit.cd_" + t + ",\"\"))=\"\",material.cd_" + t + "2,nfentit.cd_" + t + ") as cd_" + t + ",",
         "if(TRIM(ifnull(nfentit.cd_" + t + ",\"\"))=\"\",material.tx_" + t + "2,nfentit.tx_" + t + ") as tx_" + t + ",",
         "if(nfentit.tx_pis>0,\"101\",\"201\"),", "if(nfentit.cd_" + t + "=\"50\",\"\",\"\"),", "nfentit.nr_cfop,",
         "filial.sn_lojaestoque,", type, "from nfentit", "left join nfent on nfent.nr_nfent = nfentit.nr_nfent",
         "left join material on material.cd_mat = nfentit.cd_mat", "left join filial on filial.cd_fil = nfent.cd_fil",
         "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
        {Period2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""}, {"nfent.sn_nf = \"1\""},
         {"material.cd_tpcred<>\"\""}, {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib=\"0\""},
         {"nfentit.cd_pis=\"50\""}},
        {"group by nfentit.nr_nfent,nfentit.item"}));
  }
  // Form B: entry headers of communication (2), transport (3) and utility (5) documents.
  struct FormB { const char* snNf; const char* base; const char* value; const char* item; };
  const FormB forms[] = {
      {"2", "\"03\",", "nfent.vl_nota,", "(nfent.vl_nota * (1-(nfent.vl_desc / nfent.vl_prod)))as ttitem,"},
      {"3", "\"14\",", "nfent.vl_nota,", "(nfent.vl_nota * (1-(nfent.vl_desc / nfent.vl_prod)))as ttitem,"},
      {"5", "\"04\",", "nfent.vl_prod,", "(nfent.vl_prod * (1-(nfent.vl_desc / nfent.vl_prod))) as ttitem,"},
  };
  for (const FormB& f : forms) {
    for (const char* tax : {"pis", "cofins"}) {
      const std::string t = tax;
      statements.push_back(Stmt(
          {"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "\"\",",
           "(nfent.vl_desc / nfent.vl_prod) as txdesc,", f.value, f.item, "nfent.cd_" + t + "2,",
           "nfent.tx_" + t + "2,", "if(nfent.tx_pis2>0,\"101\",\"201\"),", f.base, "nfent.nr_cfop,",
           "filial.sn_lojaestoque,", t == "pis" ? "\"1\"" : "\"2\"", "from nfent",
           "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
          {Period2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""},
           {std::string("nfent.sn_nf = \"") + f.snNf + "\""}, {"filial.sn_lojaestoque = \"1\""},
           {"cfop.sn_efdcontrib=\"0\""}, {"nfent.cd_pis2=\"50\""}}));
    }
  }
  // Form C: entry service items.
  for (const char* tax : {"pis", "cofins"}) {
    const std::string t = tax;
    statements.push_back(Stmt(
        {"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "nfentsv.cd_serv,",
         "(nfent.vl_desc / nfent.vl_prod) as txdesc,", "nfentsv.tt_item,",
         "((nfentsv.tt_item) * (1-(nfent.vl_desc / nfent.vl_prod))) as ttitem,",
         "material.cd_" + t + "2 as cd_" + t + ",", "material.tx_" + t + "2 as tx_" + t + ",", "material.cd_tpcred,",
         "if(material.cd_" + t + "2=\"50\",\"\",\"\"),", "nfent.nr_cfop,", "filial.sn_lojaestoque,",
         t == "pis" ? "\"1\"" : "\"2\"", "from nfentsv", "left join nfent on nfent.nr_nfent = nfentsv.nr_nfent",
         "left join material on material.cd_mat = nfentsv.cd_serv", "left join filial on filial.cd_fil = nfent.cd_fil",
         "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
        {Period2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""}, {"nfent.sn_nf = \"6\""},
         {"material.cd_tpcred<>\"\""}, {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib=\"0\""},
         {"material.cd_pis2=\"50\""}},
        {"group by nfentsv.nr_nfent"}));
  }
  // Form D: own invoices of type entry.
  for (const char* tax : {"pis", "cofins"}) {
    const std::string t = tax;
    statements.push_back(Stmt(
        {"insert ignore into m100500", "select", "nf.nr_nf,", "nf.dt_saida,", "nfitem.cd_mat,",
         "(nf.vl_desc / nf.vl_prod) as txdesc,", "nfitem.vl_totalnf,",
         "((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod)))as ttitem,",
         "if(TRIM(ifnull(nfitem.cd_" + t + ",\"\"))=\"\",material.cd_" + t + "2,nfitem.cd_" + t + ") as cd_" + t + ",",
         "if(TRIM(ifnull(nfitem.cd_" + t + ",\"\"))=\"\",material.tx_" + t + "2,nfitem.tx_" + t + ") as tx_" + t + ",",
         "if((nfitem.tx_" + t + ">0 and cliente.tp_cli=\"J\"),\"101\",\"201\"),",
         "if((nfitem.cd_" + t + "=\"50\" and cliente.tp_cli=\"J\"),\"\",\"\"),", "cfop.nr_cfop,",
         "filial.sn_lojavenda,", t == "pis" ? "\"1\"" : "\"2\"", "from nfitem",
         "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
         "left join cliente on cliente.cd_cli = nf.cd_cli", "left join material on material.cd_mat = nfitem.cd_mat",
         "left join cfop on cfop.cd_cfop = nf.cd_cfop", "left join filial on filial.cd_fil = nf.cd_fil"},
        {Period2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {"nf.sn_canc = \"0\""},
         {"nf.tp_nf = \"0\""}, {"material.cd_tpcred<>\"\""}, {"filial.sn_lojaestoque = \"1\""}, kSitdocExclusion,
         {"cfop.sn_efdcontrib=\"0\""}, {"nfitem.cd_pis=\"50\""}},
        {"group by nfitem.nr_nf,nfitem.nr_item"}));
  }
  return Script(statements);
}

Lines M200600Script() {
  const Lines columns = {"tp_doc int(1) default 0,", "nr_nf varchar(10) default \"\",", "dt_nf date,",
                         "cd_prod varchar(14) default \"\",", "tx_desc decimal(10,4) default 0,",
                         "vl_icms decimal(10,2) default 0,", "vl_item decimal(15,2) default 0,",
                         "vl_bc decimal(15,2) default 0,", "cd_codrec varchar(6) default \"\",",
                         "cd_codcont char(2) default \"\",", "cd_cod char(2) default \"\",",
                         "tx_cod decimal(6,2) default 0,", "sn_lojaestoque tinyint(1) default 0,",
                         "tp_piscofins tinyint(1) default 0"};
  Lines createTemp = {"create table m200600temp(", "tp_doc int(1) default 0,", "cd_prod varchar(14) default \"\",",
                      "vl_icms decimal(10,2) default 0,", "vl_bc decimal(15,2) default 0,",
                      "tx_cod decimal(6,2) default 0,", "tp_piscofins tinyint(1) default 0", ");"};
  Lines create = {"create table if not exists m200600 ("};
  create.insert(create.end(), columns.begin(), columns.end());
  create.push_back(");");

  std::vector<Lines> statements = {{"drop table if exists m200600temp;"}, createTemp, {"delete from m200600temp;"},
                                   {"drop table if exists m200600;"},      create,     {"delete from m200600"}};
  for (const char* tax : {"pis", "cofins"}) {
    const std::string t = tax;
    statements.push_back(Stmt(
        {"insert ignore into m200600", "select", "1,", "nf.nr_nf,", "nf.dt_emis,", "nfitem.cd_mat,",
         "(nf.vl_desc / nf.vl_prod) as txdesc,",
         "round((nfitem.vl_totalnf * (nfitem.tx_icms / 100) * (1-(nf.vl_desc / nf.vl_prod)) * "
         "((100 - cfop.tx_cfop)/100)),2) as vlicms,",
         "nfitem.vl_totalnf,",
         t == "pis" ? "round(((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod))),2) as ttitem,"
                    : "round((((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod)))),2) as ttitem,",
         "\"08\",", "\"01\",", "nfitem.cd_" + t + ",",
         "if(TRIM(ifnull(nfitem.tx_" + t + ",\"\"))=\"\",material.tx_" + t + ",nfitem.tx_" + t + ") as tx_" + t + ",",
         "filial.sn_lojavenda,", t == "pis" ? "\"1\"" : "\"2\"", "from nfitem",
         "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
         "left join material on material.cd_mat = nfitem.cd_mat", "left join filial on filial.cd_fil = nf.cd_fil",
         "left join cfop on cfop.cd_cfop = nf.cd_cfop"},
        {Period2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {"nf.sn_canc = \"0\""},
         {"nf.tp_nf = \"1\""}, {"nfitem.cd_" + t + "=\"01\""}, {"nfitem.tx_" + t + ">0"},
         {"filial.sn_lojaestoque = \"1\""}, kSitdocExclusion, {"cfop.sn_efdcontrib = \"0\""}}));
  }
  for (const char* tax : {"pis", "cofins"}) {
    const std::string t = tax;
    const bool pis = t == "pis";
    statements.push_back(Stmt(
        {"insert ignore into m200600", "select", "3,", "nfce.nr_nfce,", "nfce.dt_emis,", "nfceitem.cd_mat,",
         pis ? "round((nfce.vl_desc / nfce.vl_prod),4) as txdesc," : "(nfce.vl_desc / nfce.vl_prod) as txdesc,",
         "round((nfceitem.tt_item * (material.tx_icms / 100) * (1-(nfce.vl_desc / nfce.vl_prod)) * "
         "((100 - cfop.tx_cfop)/100)),2) as vlicms,",
         pis ? "round(nfceitem.tt_item,2)," : "nfceitem.tt_item,",
         "round(((nfceitem.tt_item) * (1-(nfce.vl_desc / nfce.vl_prod))),2) as ttitem,", "\"08\",", "\"01\",",
         "material.cd_" + t + ",", pis ? "round(material.tx_pis,2) as tx_pis," : "material.tx_cofins as tx_cofins,",
         "filial.sn_lojavenda,", pis ? "\"1\"" : "\"2\"", "from nfceitem",
         "left join nfce on (nfce.nr_nfce=nfceitem.nr_nfce and nfce.cd_fil=nfceitem.cd_fil and "
         "nfce.nr_serie=nfceitem.nr_serie)",
         "left join material on material.cd_mat = nfceitem.cd_mat", "left join filial on filial.cd_fil = nfce.cd_fil",
         "left join cfop on cfop.cd_cfop = nfce.cd_cfop"},
        {Period2("nfce.dt_emis"), {"nfce.sn_transmitida = \"1\""}, {"nfce.sn_inutil = \"0\""},
         {"nfce.sn_canc = \"0\""}, {"material.cd_" + t + "=\"01\""}, {"material.tx_" + t + ">0"},
         {"filial.sn_lojaestoque = \"1\""}, kNfceSitdocExclusion, {"cfop.sn_efdcontrib = \"0\""}}));
  }
  return Script(statements);
}

Lines ParticipantesScript() {
  const Lines customer = {
      "cliente.cd_cli,cliente.nm_cli,cliente.cd_pais,if(cliente.tp_cli=\"J\",cliente.cd_cli,\"\"),",
      "if(cliente.tp_cli=\"F\",cliente.cd_cli,\"\"),cliente.nr_ie,cliente.cd_cid,cliente.nr_suframa,",
      "cliente.nm_end,cliente.nr_nro,\"\",cliente.nm_bai from cliente"};
  auto withCustomer = [&](const std::string& insert, Lines joins) {
    Lines head = {insert};
    head.insert(head.end(), customer.begin(), customer.end());
    head.insert(head.end(), joins.begin(), joins.end());
    return head;
  };
  return Script({
      {"create temporary table if not exists participantes (", "cd_part varchar(14) default \"\",",
       "nm_part varchar(60) default \"\",", "cd_pais varchar(4) default \"\",", "nr_cnpj varchar(14) default \"\",",
       "nr_cpf varchar(14) default \"\",", "nr_ie varchar(30) default \"\",", "cd_cid varchar(8) default \"\",",
       "nr_suframa varchar(20) default \"\",", "nm_end varchar(60) default \"\",", "nr_nro varchar(10) default \"\",",
       "nm_compl varchar(20) default \"\",", "nm_bai varchar(30) default \"\")"},
      {"delete from participantes"},
      Stmt({"insert ignore into participantes select",
            "forn.cd_forn,forn.nm_forn,forn.cd_pais,if(forn.tp_forn=\"J\",forn.cd_forn,\"\"),"
            "if(forn.tp_forn=\"F\",forn.cd_forn,\"\"),",
            "forn.nr_ie,forn.cd_cid,forn.nr_suframa,forn.nm_end,forn.nr_nro,\"\",forn.nm_bai from forn",
            "left join nfent on nfent.cd_forn = forn.cd_forn", "left join filial on filial.cd_fil = nfent.cd_fil",
            "left join cfop on cfop.nr_cfop = nfent.nr_cfop"},
           {Period2("nfent.dt_entrada"), {"filial.sn_lojaestoque = \"1\""}, {"nfent.sn_enc = \"1\""},
            {"nfent.sn_canc = \"0\""}, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt(withCustomer("insert ignore into participantes select",
                        {"left join nf on nf.cd_cli = cliente.cd_cli", "left join filial on filial.cd_fil = nf.cd_fil",
                         "left join cfop on cfop.cd_cfop = nf.cd_cfop"}),
           {Period2("nf.dt_saida"), {"nf.sn_ok = \"1\""}, kSitdocExclusion, {"nf.sn_canc = \"0\""},
            {"filial.sn_lojavenda = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt(withCustomer("insert into participantes select",
                        {"left join nfse on nfse.nr_cpf_cnpj_tom = cliente.cd_cli",
                         "left join filial on filial.cd_fil = nfse.cd_fil"}),
           {Between("nfse.dt_emis"), {"nfse.sn_enc = 1"}, {"nfse.sn_canc = 0"}, {"filial.sn_lojavenda = 1"}}, {},
           "where "),
      Stmt(withCustomer("insert ignore into participantes select",
                        {"left join conhec on conhec.cd_tomador = cliente.cd_cli",
                         "left join filial on filial.cd_fil = conhec.cd_fil",
                         "left join cfop on cfop.cd_cfop = conhec.cd_cfop"}),
           {Period2("conhec.dt_emis"), {"conhec.sn_enc = \"1\""}, {"conhec.cd_sitdoc <> \"05\""},
            {"conhec.sn_canc = \"0\""}, {"filial.sn_lojavenda = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt(withCustomer("insert ignore into participantes select",
                        {"left join nfce on nfce.cd_cli = cliente.cd_cli",
                         "left join filial on filial.cd_fil = nfce.cd_fil",
                         "left join cfop on cfop.cd_cfop = nfce.cd_cfop"}),
           {Period2("nfce.dt_emis"), {"filial.sn_lojavenda = \"1\""}, kNfceSitdocExclusion,
            {"cfop.sn_efdcontrib = \"0\""}}),
      Stmt({"insert ignore into participantes select",
            "nfce.cd_cli,if(nfce.nm_cli=\"\",\"CONSUMIDOR FINAL\",nfce.nm_cli),\"1058\","
            "if(length(nfce.cd_cli)=14,nfce.cd_cli,\"\"),",
            "if(length(nfce.cd_cli)=11,nfce.cd_cli,\"\"),\"\",\"2408003\",\"\",",
            "if(nfce.nm_end=\"\",\"ENDERECO\",nfce.nm_end),if(nfce.nr_nro=\"\",\"SN\",nfce.nr_nro),\"\","
            "if(nfce.nm_bairro=\"\",\"BAIRRO\",nfce.nm_bairro) from nfce",
            "left join filial on filial.cd_fil = nfce.cd_fil", "left join cfop on cfop.cd_cfop = nfce.cd_cfop"},
           {Period2("nfce.dt_emis"), {"filial.sn_lojavenda = \"1\""}, kNfceSitdocExclusion, {"nfce.cd_cli<>\"\""},
            {"cfop.sn_efdcontrib = \"0\""}}),
  });
}

int64_t Count(TDbConnection& db, const std::string& sql) {
  TDbQuery q(db);
  q.Add(sql);
  q.Open();
  return q.FieldByName("n").AsInteger();
}

void RunScript(TDbConnection& db, const Lines& lines) {
  TDbScript z(db);
  z.Script() = lines;
  z.Execute();
}

}  // namespace

// Every table and column some statement of the program reads or writes.
TEST(ErpSchema, HasEveryTableAndColumnTheStatementsUse) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp(ErpContent::Schema);
  const std::map<std::string, std::string> expected = {
      {"sec_users", "login pswd name"},
      {"filial",
       "cd_fil cd_loja nm_fil nr_cgc nr_ie nr_cep nm_end nr_nro nm_bai nr_fon nr_fax nm_uf cd_cid sn_substituto "
       "tp_regime vl_apuracaoicmsst sn_lojaestoque sn_lojavenda"},
      {"empresa",
       "cd_loja nm_emp nr_cgc cd_icmsantec tp_ativ tp_perfil tx_icmsvenda tp_tributacao tp_inctrib tp_metodoaprop "
       "tp_contribapurada tp_ativvudirozazezav sn_liminarbcpis sn_lojaestoque sn_lojavenda"},
      {"contador",
       "nm_contador nr_cpf nr_crc nr_cnpj nr_cep nm_end nr_nro nm_compl nm_bairro nr_fone nr_fax nm_email "
       "cd_municipio"},
      {"material",
       "cd_mat nm_mat nm_unid cd_class tx_icms tp_item cd_gen cd_lst nat_rec cd_tpcred cd_ipi cd_ipi2 cd_pis tx_pis "
       "cd_cofins tx_cofins cd_pis2 tx_pis2 cd_cofins2 tx_cofins2"},
      {"produto",
       "cd_prod nm_prod cd_cfiscal cd_ipi cd_cfop cd_tpcred nat_rec cd_pis tx_pis cd_cofins tx_cofins cd_pis2 "
       "tx_pis2 cd_cofins2 tx_cofins2"},
      {"prodze", "cd_prod cd_cfop"},
      {"grade", "cd_mat cd_similar"},
      {"cfop", "cd_cfop nr_cfop nm_cfop tx_cfop sn_transest sn_efdcontrib tipo"},
      {"forn",
       "cd_forn nm_forn tp_forn nr_cgc cd_pais nr_ie cd_cid nr_suframa nm_end nr_nro nm_bai sn_freteipi sn_reticms "
       "tp_crt"},
      {"cliente", "cd_cli nm_cli tp_cli cd_pais nr_ie cd_cid nr_suframa nm_end nr_nro nm_bai"},
      {"condpag", "cd_pag"},
      {"nf",
       "nr_nf cd_fil nr_loja cd_cli cd_cfop cd_pagnf dt_emis dt_saida sn_transmitida sn_inutil sn_canc sn_ok tp_nf "
       "tp_es tp_finalidade cd_sitdoc cd_modelo cd_serie nr_chavenfe vl_nf vl_desc vl_prod vl_frete vl_seguro "
       "vl_outros vl_bc vl_icms vl_bcst vl_icmsst vl_ipi vl_pis vl_cofins"},
      {"nfitem",
       "nr_nf cd_fil nr_loja nr_item cd_mat cd_prod qt_prod nm_unid vl_nf vl_totalnf tt_item cd_sita cd_sitb tx_icms "
       "tx_ipi cd_cfop cd_pis tx_pis cd_cofins tx_cofins"},
      {"nfent",
       "nr_nfent nr_nf cd_fil nr_loja cd_forn cd_sitdoc cd_modelo cd_serie cd_subserie nr_chave dt_emis dt_entrada "
       "nr_cfop vl_prod vl_desc vl_frete vl_seguro vl_outras vl_ipi vl_bcicms vl_icms vl_bcicmssub vl_icmssub vl_pis "
       "vl_cofins vl_nota vl_retpis vl_retcofins vl_iss sn_outbc ind_pgto sn_dev sn_enc sn_canc sn_nf status cd_pis2 "
       "tx_pis2 cd_cofins2 tx_cofins2 cd_tpcred tp_frete cd_cstnf tx_icms tx_bscalcCT tp_assinante"},
      {"nfentit",
       "nr_nfent item cd_mat cd_prod nr_cfop qt_prod vl_compra un_prod cd_cst tx_desc tx_frete tx_outdesp tx_seguro "
       "tx_icmsag tx_icmscred tx_bscalc tx_icmsvenda tx_ipi cd_pis tx_pis cd_cofins tx_cofins"},
      {"nfentsv", "nr_nfent cd_serv un_prod tt_item"},
      {"nfentantec", "nr_nfent"},
      {"nfentimp", "nr_nfent tp_doc nr_doc vl_pis vl_cofins nr_acdraw"},
      {"nfce",
       "nr_nfce cd_fil nr_loja nr_serie dt_emis dt_saida cd_cli nm_cli nm_end nr_nro nm_bairro cd_cfop "
       "sn_transmitida sn_inutil sn_canc cd_sitdoc cd_modelo nr_chave vl_nf vl_desc vl_prod vl_seguro vl_outras vl_bc "
       "vl_icms vl_bcst vl_icmsst vl_pis vl_cofins"},
      {"nfceitem",
       "nr_nfce cd_fil nr_loja nr_serie cd_mat cd_prod un_prod sit_a sit_b cd_cfop tx_bscalc tx_icms qt_prod vl_unit "
       "tt_item tx_tva cd_pis tx_pis cd_cofins tx_cofins sn_oferta"},
      {"nfse",
       "cd_fil nr_rps nr_loja nr_nfse nr_serie cd_cli nr_cpf_cnpj_tom cd_status cd_verificacao cd_situacao dt_emis "
       "dt_prestacao sn_enc sn_canc vl_liquido vl_descincondicional vl_pis vl_cofins vl_iss"},
      {"nfseitem", "cd_fil nr_rps cd_serv cd_servico qt_serv vl_unit cd_pis tx_pis cd_cofins tx_cofins"},
      {"conhec", "cd_tomador cd_fil cd_cfop dt_emis sn_enc cd_sitdoc sn_canc"},
      {"ze01", "nr_fab tp_ecf"},
      {"ze02", "nr_fab dt_mov vl_gt"},
      {"ze12", "nr_loja dt_mov nr_fab nr_ecf nr_cro nr_crz nr_coo vl_vendabruta"},
      {"ze14", "nr_coo nr_fab dt_mov nr_loja vl_liquido vl_subtotal sn_canc"},
      {"ze15", "nr_coo nr_fab dt_mov nr_ecf nr_loja nr_nf cd_prod vl_total sn_canc"},
      {"pat001",
       "nr_loja cd_natbccred cd_ativoimob cd_origem_bem cd_utiliza_bem cd_pis tx_pis cd_cofins tx_cofins "
       "vl_deprec_mensal dt_inicio_deprec dt_final_deprec situacao"},
      {"ajustesBCpiscofins",
       "nr_loja dt_ref cd_apropriacao cd_tipoajuste vl_ajuste cd_ajuste nr_documento nm_descricao cd_contacontabil "
       "nr_cnpjestabelecimento nm_infocomplementares"},
      {"contascontabeis", "cnpj_est cod_cta dt_alt cod_nat_cc ind_cta nivel nome_cta cod_cta_ref tp_mov tp_fp"},
      {"contascontabeisreg", "cod_reg cod_cta"},
  };
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TDbQuery q(db);
  q.Add("select table_name as t, lower(column_name) as c from information_schema.columns");
  q.Add("where table_schema = :db");
  q.ParamByName("db").AsString(erp.CompanyName());
  q.Open();
  std::map<std::string, std::set<std::string>> actual;
  for (; !q.Eof(); q.Next()) actual[q.FieldByName("t").AsString()].insert(q.FieldByName("c").AsString());
  for (const auto& [table, columns] : expected) {
    ASSERT_TRUE(actual.count(table)) << "missing table " << table;
    std::istringstream in(columns);
    for (std::string column; in >> column;) {
      for (char& ch : column) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      EXPECT_TRUE(actual[table].count(column)) << table << "." << column;
    }
  }

  TDbConnection catalogue(erp.CatalogSettings());
  catalogue.Connect();
  TDbQuery k(catalogue);
  k.Add("select nm_db from kivo_empresa where cd_empresa = \"001\"");
  k.Open();
  EXPECT_EQ(k.FieldByName("nm_db").AsString(), erp.CompanyName());
}

TEST(ErpSchema, StoreQueryListsTheSeededStores) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  TDbQuery q(db);
  q.SQL() = {"select", "filial.cd_fil as cd_loja,", "filial.nm_fil as nm_emp,",
             "concat(filial.cd_fil,\" \",filial.nm_fil) as nmemp,", "empresa.cd_icmsantec,", "filial.tp_regime,",
             "empresa.tp_ativ,", "empresa.tp_perfil,", "0 as sn_ciap,", "empresa.tx_icmsvenda,",
             "filial.vl_apuracaoicmsst,", "filial.nr_cep,", "filial.nm_end,", "filial.nr_nro,", "filial.nr_ie,",
             "filial.nm_bai as nm_bairro,", "filial.nr_fon,", "filial.nr_fax,", "filial.nr_cgc,", "filial.nm_uf,",
             "filial.cd_cid as cd_cidade,", "filial.sn_substituto,", "empresa.tp_tributacao,", "empresa.tp_inctrib,",
             "empresa.tp_metodoaprop,", "empresa.tp_contribapurada,", "empresa.tp_ativvudirozazezav", "from filial",
             "left join empresa on filial.cd_loja = empresa.cd_loja", "order by filial.cd_fil"};
  q.Open();
  std::vector<std::string> stores;
  for (; !q.Eof(); q.Next()) stores.push_back(q.FieldByName("nmemp").AsString());
  EXPECT_EQ(stores, (std::vector<std::string>{"001 LOJA CENTRO", "002 DEPOSITO CENTRAL", "003 LOJA RIO"}));
  q.First();
  EXPECT_EQ(q.FieldByName("nr_cgc").AsString(), "12345678000195");
  EXPECT_EQ(q.FieldByName("cd_cidade").AsInteger(), 3550308);
  EXPECT_EQ(q.FieldByName("tp_tributacao").AsInteger(), 2);
  EXPECT_EQ(q.FieldByName("tp_inctrib").AsInteger(), 1);
}

// The working-table scripts, with both options on (individual documents, NFC-e included), run
// on the seed, and every table that the documents fill gets rows.
TEST(ErpSchema, WorkingTableScriptsRunAndFindRows) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TDbConnection db(erp.CompanySettings());
  db.Connect();
  struct Step { const char* name; Lines script; const char* count; };
  const Step steps[] = {
      {"unidade", UnidadeScript(), "select count(*) as n from unidade"},
      {"natope", NatopeScript(), "select count(*) as n from natope"},
      {"c490", C490Script(), nullptr},
      {"m400800", M400800Script(), "select count(*) as n from m400800"},
      {"m100500", M100500Script(), "select count(*) as n from m100500"},
      {"m200600", M200600Script(), "select count(*) as n from m200600"},
      {"participantes", ParticipantesScript(), "select count(*) as n from participantes"},
  };
  for (int run = 0; run < 2; ++run) {  // a second run empties and refills the same tables
    for (const Step& s : steps) {
      SCOPED_TRACE(s.name);
      ASSERT_NO_THROW(RunScript(db, s.script));
      if (s.count) {
        EXPECT_GT(Count(db, s.count), 0);
      }
    }
  }
  db.Commit();

  // The paths the seed is there to exercise.
  EXPECT_EQ(Count(db, "select count(*) as n from unidade where cd_prod = \"000105\""), 1);  // variant only
  EXPECT_EQ(Count(db, "select count(*) as n from unidade where un_prod = \"KG\""), 2);  // two items, one unit
  EXPECT_EQ(Count(db, "select count(*) as n from m400800 where tp_doc = 3"), 2);  // NFC-e
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where cd_bccredito = \"03\""), 4);  // incl. vl_prod 0
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where cd_bccredito = \"14\""), 2);
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where cd_bccredito = \"04\""), 2);
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where cd_prod = \"000900\""), 2);  // services
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where nr_nf = \"1003\""), 2);  // own entry
  EXPECT_EQ(Count(db, "select count(*) as n from m200600 where tp_doc = 3"), 4);
  EXPECT_EQ(Count(db, "select count(*) as n from participantes where cd_part = \"EX0001\" and cd_pais = \"0639\""),
            1);
  EXPECT_EQ(Count(db, "select count(*) as n from participantes where nm_part = \"CONSUMIDOR FINAL\" and "
                      "nr_cpf = \"12345678909\" and nm_bai = \"BAIRRO\""),
            1);
  EXPECT_EQ(Count(db, "select count(*) as n from participantes where nm_part = 'BAR \"O PONTO\" LTDA' and "
                      "nr_cnpj = \"10203040000194\""),
            3);  // own entry invoice, NFC-e customer, NFC-e buyer
  EXPECT_EQ(Count(db, "select count(*) as n from participantes where nm_part = \"COMERCIO D'OESTE LTDA\""), 1);
  // Cancelled documents reach none of the tables.
  EXPECT_EQ(Count(db, "select count(*) as n from m100500 where nr_nf in (\"12399\", \"1004\")"), 0);
  EXPECT_EQ(Count(db, "select count(*) as n from m400800 where nr_doc = \"5003\""), 0);
}
