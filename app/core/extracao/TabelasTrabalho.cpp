// The working tables rebuilt at every "Inicio" from the period's documents.
#include "TabelasTrabalho.h"
#include "SqlLinhas.h"

namespace {
const std::string kSitDocNf =
    "(nf.cd_sitdoc<>\"02\" and nf.cd_sitdoc<>\"03\" and nf.cd_sitdoc<>\"04\" and nf.cd_sitdoc<>\"05\")";
const std::string kSitDocNfce =
    "(nfce.cd_sitdoc<>\"02\" and nfce.cd_sitdoc<>\"03\" and nfce.cd_sitdoc<>\"04\" and nfce.cd_sitdoc<>\"05\")";

// The documents each block writes, so that block 0 lists exactly the codes they use: purchases
// only under the real-profit taxation, as block C reads them; own NF-e by issue date, transmitted
// and not disabled; service invoices of the stock stores, as block A reads them.
struct Documentos {
  bool compras;  // block C reads purchase invoices
  bool nfce;
  bool cupons;
};

void Unidade(TSqlLinhas& s, const Documentos& d) {
  s({"create temporary table if not exists unidade(", "cd_prod varchar(60) default \"\",",
     "un_prod varchar(60) default \"\")"}).Fim();
  s("delete from unidade").Fim();
  // The unit of a purchase item is its own, else its product's (as C170 writes it).
  if (d.compras)
    s({"insert into unidade select nfentit.cd_mat,if(TRIM(ifnull(nfentit.un_prod,\"\"))=\"\",material.nm_unid,nfentit.un_prod) from nfentit",
       "left join nfent on nfent.nr_nfent=nfentit.nr_nfent",
       "left join material on material.cd_mat = nfentit.cd_mat",
       "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
        .Where({s.Periodo1("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"1\""},
                {"nfent.sn_canc = \"0\""}, {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""},
                {"(nfent.cd_sitdoc<>\"02\" and nfent.cd_sitdoc<>\"03\" and nfent.cd_sitdoc<>\"04\" and nfent.cd_sitdoc<>\"05\")"}})
        .Fim();
  s({"insert into unidade select nfentsv.cd_serv,nfentsv.un_prod from nfentsv",
     "left join nfent on nfent.nr_nfent=nfentsv.nr_nfent",
     "left join material on material.cd_mat = nfentsv.cd_serv",
     "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
      .Where({s.Periodo1("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"6\""},
              {"nfent.sn_canc = \"0\""}, {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
  s({"insert into unidade select nfitem.cd_mat,nfitem.nm_unid from nfitem",
     "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
     "left join material on material.cd_mat = nfitem.cd_mat", "left join filial on filial.cd_fil=nf.cd_fil",
     "left join cfop on cfop.cd_cfop=nf.cd_cfop"})
      .Where({s.Periodo1("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""},
              {"nf.sn_canc = \"0\""}, {"filial.sn_lojavenda = \"1\""}, {kSitDocNf}, {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
  s({"insert into unidade select nfseitem.cd_serv, material.nm_unid from nfseitem",
     "left join nfse on nfse.cd_fil = nfseitem.cd_fil and nfse.nr_rps = nfseitem.nr_rps",
     "left join material on material.cd_mat = nfseitem.cd_serv", "left join filial on filial.cd_fil = nfse.cd_fil"})
      .Where({s.Entre("nfse.dt_emis"), {"nfse.cd_situacao = 4"}, {"nfse.sn_enc = 1"}, {"filial.sn_lojaestoque = 1"}})
      .Fim();
  if (!d.cupons) return;
  s({"insert into unidade select ze15.cd_prod,material.nm_unid from ze15",
     "left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov)",
     "left join ze12 on (ze12.nr_fab=ze15.nr_fab and ze12.dt_mov=ze15.dt_mov)",
     "left join empresa on empresa.cd_loja = ze12.nr_loja", "left join material on material.cd_mat = ze15.cd_prod"})
      .Where({s.Periodo1("ze15.dt_mov"), {"ze15.cd_prod <> \"\""}, {"ze14.sn_canc = \"N\""}, {"ze15.sn_canc = \"N\""},
              {"empresa.sn_lojavenda = \"1\""}})
      .Fim();
}

// The natures of the C170 lines: the item's CFOP, of documents chosen by their header's CFOP.
// NFC-e lines (C175) carry no nature.
void Natope(TSqlLinhas& s, bool individual, const Documentos& d) {
  s({"create temporary table if not exists natope (", "cd_natope varchar(60) default \"\",",
     "nm_natope varchar(100) default \"\",", "nr_nf varchar(60) default \"\",", "dt_natope date)"})
      .Fim();
  s("delete from natope;");
  if (!individual) return;
  if (d.compras)
    s({"insert into natope select nfentit.nr_cfop,SUBSTRING(ifnull(cfopit.nm_cfop,cfop.nm_cfop),1,30),SUBSTRING(nfent.nr_nf,1,6),nfent.dt_entrada from nfentit",
       "left join nfent on nfent.nr_nfent = nfentit.nr_nfent", "left join cfop on cfop.nr_cfop = nfent.nr_cfop",
       "left join cfop cfopit on cfopit.nr_cfop = nfentit.nr_cfop",
       "left join filial on filial.cd_fil = nfent.cd_fil"})
        .Where({s.Periodo2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_nf = \"1\""},
                {"nfent.sn_canc = \"0\""}, {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib = \"0\""},
                {"(nfent.cd_sitdoc<>\"02\" and nfent.cd_sitdoc<>\"03\" and nfent.cd_sitdoc<>\"04\" and nfent.cd_sitdoc<>\"05\")"}})
        ("group by nfentit.nr_cfop")
        .Fim();
  s({"insert into natope select cfop.nr_cfop,SUBSTRING(cfop.nm_cfop,1,30),SUBSTRING(nf.nr_nf,1,6),nf.dt_emis from nfitem",
     "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
     "left join cfop on cfop.cd_cfop = nfitem.cd_cfop", "left join cfop cfopnf on cfopnf.cd_cfop = nf.cd_cfop",
     "left join filial on filial.cd_fil=nf.cd_fil"})
      .Where({s.Periodo2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""},
              {"nf.sn_canc = \"0\""}, {"filial.sn_lojavenda = \"1\""}, {kSitDocNf}, {"cfopnf.sn_efdcontrib = \"0\""}})
      ("group by cfop.nr_cfop")
      .Fim();
}

void C490(TSqlLinhas& s) {
  s("drop table if exists c490").Fim();
  s({"create temporary table if not exists c490 (", "nr_coo varchar(60) default \"\",",
     "cd_prod varchar(60) default \"\",", "vl_total decimal(13,2) default 0,", "sn_canc varchar(60) default \"\",",
     "tx_icms decimal(6,2) default 0,", "sit_b varchar(60) default \"\",", "nr_cfop varchar(60) default \"\")"})
      .Fim();
}

void M400800(TSqlLinhas& s, bool nfce) {
  s({"create temporary table if not exists m400800 (", "tp_doc int(1) default 0,", "cd_prod varchar(60) default \"\",",
     "nat_rec varchar(60) default \"\",", "cd_cod varchar(60) default \"\",", "tx_cod decimal(6,2) default 0,",
     "vl_cod decimal(13,2) default 0,", "nr_doc varchar(60) default \"\",", "tx_desc decimal(12,4) default 0)"})
      .Fim();
  s("delete from m400800;");
  // Private to the run's connection: two runs on one company never see each other's rows.
  s("drop temporary table if exists m400800temp;");
  s({"create temporary table if not exists m400800temp (", "id int(11) not null auto_increment primary key,",
     "tp_doc tinyint(1) default 0,", "nat_rec varchar(60) default \"\",", "cd_cod varchar(60) default \"\",",
     "cd_prod varchar(60) default \"\",", "vl_cod decimal(13,2) default 0)"})
      .Fim();
  s("delete from m400800temp;");
  s({"insert into m400800 select 1,nfitem.cd_mat,material.nat_rec,nfitem.cd_pis,nfitem.tx_pis,nfitem.vl_totalnf,nf.nr_nf,1 from nfitem",
     "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)", "left join cfop on cfop.cd_cfop=nf.cd_cfop",
     "left join material on material.cd_mat = nfitem.cd_mat", "left join filial on filial.cd_fil=nf.cd_fil"})
      .Where({s.Periodo1("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""},
              {"nf.sn_canc = \"0\""}, {"nf.tp_nf = \"1\""}, {"nf.cd_sitdoc = \"00\""}, {"filial.sn_lojavenda = \"1\""},
              {"(nfitem.cd_pis=\"04\" or nfitem.cd_pis=\"05\" or nfitem.cd_pis=\"06\" or nfitem.cd_pis=\"07\" or nfitem.cd_pis=\"08\" or nfitem.cd_pis=\"09\")"},
              {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
  if (!nfce) return;
  // "ignore": an NFC-e with a zero total would otherwise stop the script at its division.
  s({"insert ignore into m400800 select 3,nfceitem.cd_mat,material.nat_rec,material.cd_pis,material.tx_pis,nfceitem.tt_item,nfce.nr_nfce,round(((nfce.vl_nf-nfce.vl_desc)/nfce.vl_nf)) from nfceitem",
     "left join nfce on (nfce.nr_nfce=nfceitem.nr_nfce and nfce.cd_fil=nfceitem.cd_fil and nfce.nr_serie=nfceitem.nr_serie)",
     "left join cfop on cfop.cd_cfop=nfce.cd_cfop", "left join material on material.cd_mat = nfceitem.cd_mat",
     "left join filial on filial.cd_fil = nfce.cd_fil"})
      .Where({s.Periodo1("nfce.dt_emis"), {"nfce.sn_transmitida = \"1\""}, {"nfce.sn_inutil = \"0\""},
              {"nfce.sn_canc = \"0\""}, {"nfce.cd_sitdoc = \"00\""}, {"filial.sn_lojavenda = \"1\""},
              {"(material.cd_pis=\"04\" or material.cd_pis=\"05\" or material.cd_pis=\"06\" or material.cd_pis=\"07\" or material.cd_pis=\"08\" or material.cd_pis=\"09\")"},
              {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
}

// One "insert ignore into m100500" statement of each form, PIS or COFINS.
struct Tributo {
  bool pis;
  const char* tipo() const { return pis ? "\"1\"" : "\"2\""; }
};

void M100500(TSqlLinhas& s) {
  s({"create temporary table if not exists m100500 (", "nr_nf varchar(60) default \"\",", "dt_entrada date,",
     "cd_prod varchar(60) default \"\",", "tx_desc decimal(13,2) default 0,", "vl_bruto decimal(13,2) default 0,",
     "vl_item decimal(13,2) default 0,", "cd_cod varchar(60) default \"\",", "tx_cod decimal(6,2) default 0,",
     "cd_tpcred varchar(60) default \"\",", "cd_bccredito varchar(60) default \"\",", "nr_cfop varchar(60) default \"\",",
     "sn_lojaestoque tinyint(1) default 0,", "tp_piscofins tinyint(1) default 0)"})
      .Fim();
  s("delete from m100500;");

  // Form A: entry items.
  for (Tributo t : {Tributo{true}, Tributo{false}}) {
    const std::string c = t.pis ? "pis" : "cofins";
    s({"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "nfentit.cd_mat,",
       "(nfentit.tx_desc/100) as txdesc,", "(nfentit.qt_prod * nfentit.vl_compra) as vlbruto,",
       "((nfentit.qt_prod * nfentit.vl_compra) * (1-(nfentit.tx_desc/100))) as ttitem,",
       "if(TRIM(ifnull(nfentit.cd_" + c + ",\"\"))=\"\",material.cd_" + c + "2,nfentit.cd_" + c + ") as cd_" + c + ",",
       "if(TRIM(ifnull(nfentit.cd_" + c + ",\"\"))=\"\",material.tx_" + c + "2,nfentit.tx_" + c + ") as tx_" + c + ",",
       "if(nfentit.tx_pis>0,\"101\",\"201\"),", "if(nfentit.cd_" + c + "=\"50\",\"\",\"\"),", "nfentit.nr_cfop,",
       "filial.sn_lojaestoque,", t.tipo(), "from nfentit", "left join nfent on nfent.nr_nfent = nfentit.nr_nfent",
       "left join material on material.cd_mat = nfentit.cd_mat", "left join filial on filial.cd_fil = nfent.cd_fil",
       "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
        .Where({s.Periodo2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""},
                {"nfent.sn_nf = \"1\""}, {"material.cd_tpcred<>\"\""}, {"filial.sn_lojaestoque = \"1\""},
                {"cfop.sn_efdcontrib=\"0\""}, {"nfentit.cd_pis=\"50\""}})
        ("group by nfentit.nr_nfent,nfentit.item")
        .Fim();
  }

  // Form B: entry headers of freight, energy and other invoice types.
  struct FormaB { const char* snNf; const char* base; const char* valor; const char* item; };
  const char* itemNota = "(nfent.vl_nota * (1-(nfent.vl_desc / nfent.vl_prod)))as ttitem,";
  for (FormaB f : {FormaB{"nfent.sn_nf = \"2\"", "\"03\",", "nfent.vl_nota,", itemNota},
                   FormaB{"nfent.sn_nf = \"3\"", "\"14\",", "nfent.vl_nota,", itemNota},
                   FormaB{"nfent.sn_nf = \"5\"", "\"04\",", "nfent.vl_prod,",
                          "(nfent.vl_prod * (1-(nfent.vl_desc / nfent.vl_prod))) as ttitem,"}}) {
    for (Tributo t : {Tributo{true}, Tributo{false}}) {
      s({"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "\"\",",
         "(nfent.vl_desc / nfent.vl_prod) as txdesc,", f.valor, f.item, t.pis ? "nfent.cd_pis2," : "nfent.cd_cofins2,",
         t.pis ? "nfent.tx_pis2," : "nfent.tx_cofins2,", "if(nfent.tx_pis2>0,\"101\",\"201\"),", f.base,
         "nfent.nr_cfop,", "filial.sn_lojaestoque,", t.tipo(), "from nfent",
         "left join filial on filial.cd_fil = nfent.cd_fil", "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
          .Where({s.Periodo2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""}, {f.snNf},
                  {"filial.sn_lojaestoque = \"1\""}, {"cfop.sn_efdcontrib=\"0\""}, {"nfent.cd_pis2=\"50\""}})
          .Fim();
    }
  }

  // Form C: entry service items.
  for (Tributo t : {Tributo{true}, Tributo{false}}) {
    const std::string c = t.pis ? "pis" : "cofins";
    s({"insert ignore into m100500", "select", "nfent.nr_nf,", "nfent.dt_entrada,", "nfentsv.cd_serv,",
       "(nfent.vl_desc / nfent.vl_prod) as txdesc,", "nfentsv.tt_item,",
       "((nfentsv.tt_item) * (1-(nfent.vl_desc / nfent.vl_prod))) as ttitem,",
       "material.cd_" + c + "2 as cd_" + c + ",", "material.tx_" + c + "2 as tx_" + c + ",", "material.cd_tpcred,",
       "if(material.cd_" + c + "2=\"50\",\"\",\"\"),", "nfent.nr_cfop,", "filial.sn_lojaestoque,", t.tipo(),
       "from nfentsv", "left join nfent on nfent.nr_nfent = nfentsv.nr_nfent",
       "left join material on material.cd_mat = nfentsv.cd_serv", "left join filial on filial.cd_fil = nfent.cd_fil",
       "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
        .Where({s.Periodo2("nfent.dt_entrada"), {"nfent.sn_enc = \"1\""}, {"nfent.sn_canc = \"0\""},
                {"nfent.sn_nf = \"6\""}, {"material.cd_tpcred<>\"\""}, {"filial.sn_lojaestoque = \"1\""},
                {"cfop.sn_efdcontrib=\"0\""}, {"material.cd_pis2=\"50\""}})
        ("group by nfentsv.nr_nfent")
        .Fim();
  }

  // Form D: own invoices of type entry.
  for (Tributo t : {Tributo{true}, Tributo{false}}) {
    const std::string c = t.pis ? "pis" : "cofins";
    s({"insert ignore into m100500", "select", "nf.nr_nf,", "nf.dt_saida,", "nfitem.cd_mat,",
       "(nf.vl_desc / nf.vl_prod) as txdesc,", "nfitem.vl_totalnf,",
       "((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod)))as ttitem,",
       "if(TRIM(ifnull(nfitem.cd_" + c + ",\"\"))=\"\",material.cd_" + c + "2,nfitem.cd_" + c + ") as cd_" + c + ",",
       "if(TRIM(ifnull(nfitem.cd_" + c + ",\"\"))=\"\",material.tx_" + c + "2,nfitem.tx_" + c + ") as tx_" + c + ",",
       "if((nfitem.tx_" + c + ">0 and cliente.tp_cli=\"J\"),\"101\",\"201\"),",
       "if((nfitem.cd_" + c + "=\"50\" and cliente.tp_cli=\"J\"),\"\",\"\"),", "cfop.nr_cfop,", "filial.sn_lojavenda,",
       t.tipo(), "from nfitem", "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
       "left join cliente on cliente.cd_cli = nf.cd_cli", "left join material on material.cd_mat = nfitem.cd_mat",
       "left join cfop on cfop.cd_cfop = nf.cd_cfop", "left join filial on filial.cd_fil = nf.cd_fil"})
        .Where({s.Periodo2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""},
                {"nf.sn_canc = \"0\""}, {"nf.tp_nf = \"0\""}, {"material.cd_tpcred<>\"\""},
                {"filial.sn_lojaestoque = \"1\""}, {kSitDocNf}, {"cfop.sn_efdcontrib=\"0\""}, {"nfitem.cd_pis=\"50\""}})
        ("group by nfitem.nr_nf,nfitem.nr_item")
        .Fim();
  }
}

void M200600(TSqlLinhas& s, bool nfce) {
  s("drop temporary table if exists m200600temp;");
  s({"create temporary table m200600temp(", "tp_doc int(1) default 0,", "cd_prod varchar(60) default \"\",",
     "vl_icms decimal(10,2) default 0,", "vl_bc decimal(15,2) default 0,", "tx_cod decimal(6,2) default 0,",
     "tp_piscofins tinyint(1) default 0)"})
      .Fim();
  s("delete from m200600temp;");
  s("drop temporary table if exists m200600;");
  s({"create temporary table if not exists m200600 (", "tp_doc int(1) default 0,", "nr_nf varchar(60) default \"\",",
     "dt_nf date,", "cd_prod varchar(60) default \"\",", "tx_desc decimal(10,4) default 0,",
     "vl_icms decimal(10,2) default 0,", "vl_item decimal(15,2) default 0,", "vl_bc decimal(15,2) default 0,",
     "cd_codrec varchar(60) default \"\",", "cd_codcont varchar(60) default \"\",", "cd_cod varchar(60) default \"\",",
     "tx_cod decimal(6,2) default 0,", "sn_lojaestoque tinyint(1) default 0,", "tp_piscofins tinyint(1) default 0)"})
      .Fim();
  s("delete from m200600").Fim();

  for (Tributo t : {Tributo{true}, Tributo{false}}) {
    const std::string c = t.pis ? "pis" : "cofins";
    s({"insert ignore into m200600", "select", "1,", "nf.nr_nf,", "nf.dt_emis,", "nfitem.cd_mat,",
       "(nf.vl_desc / nf.vl_prod) as txdesc,",
       "round((nfitem.vl_totalnf * (nfitem.tx_icms/100) * (1-(nf.vl_desc / nf.vl_prod)) * ((100-cfop.tx_cfop)/100)),2) as vlicms,",
       "nfitem.vl_totalnf,",
       t.pis ? "round(((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod))),2) as ttitem,"
             : "round((((nfitem.vl_totalnf) * (1-(nf.vl_desc / nf.vl_prod)))),2) as ttitem,",
       "\"08\",", "\"01\",", "nfitem.cd_" + c + ",",
       "if(TRIM(ifnull(nfitem.tx_" + c + ",\"\"))=\"\",material.tx_" + c + ",nfitem.tx_" + c + ") as tx_" + c + ",",
       "filial.sn_lojavenda,", t.tipo(), "from nfitem", "left join nf on (nf.nr_nf=nfitem.nr_nf and nf.cd_fil=nfitem.cd_fil)",
       "left join material on material.cd_mat = nfitem.cd_mat", "left join filial on filial.cd_fil = nf.cd_fil",
       "left join cfop on cfop.cd_cfop = nf.cd_cfop"})
        .Where({s.Periodo2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""},
                {"nf.sn_canc = \"0\""}, {"nf.tp_nf = \"1\""}, {"nfitem.cd_" + c + "=\"01\""}, {"nfitem.tx_" + c + ">0"},
                {"filial.sn_lojaestoque = \"1\""}, {kSitDocNf}, {"cfop.sn_efdcontrib = \"0\""}})
        .Fim();
  }
  if (!nfce) return;
  for (Tributo t : {Tributo{true}, Tributo{false}}) {
    s({"insert ignore into m200600", "select", "3,", "nfce.nr_nfce,", "nfce.dt_emis,", "nfceitem.cd_mat,",
       t.pis ? "round((nfce.vl_desc / nfce.vl_prod),4) as txdesc," : "(nfce.vl_desc / nfce.vl_prod) as txdesc,",
       "round((nfceitem.tt_item * (material.tx_icms/100) * (1-(nfce.vl_desc / nfce.vl_prod)) * ((100-cfop.tx_cfop)/100)),2) as vlicms,",
       t.pis ? "round(nfceitem.tt_item,2)," : "nfceitem.tt_item,",
       "round(((nfceitem.tt_item) * (1-(nfce.vl_desc / nfce.vl_prod))),2) as ttitem,", "\"08\",", "\"01\",",
       t.pis ? "material.cd_pis," : "material.cd_cofins,",
       t.pis ? "round(material.tx_pis,2) as tx_pis," : "material.tx_cofins as tx_cofins,", "filial.sn_lojavenda,",
       t.tipo(), "from nfceitem",
       "left join nfce on (nfce.nr_nfce=nfceitem.nr_nfce and nfce.cd_fil=nfceitem.cd_fil and nfce.nr_serie=nfceitem.nr_serie)",
       "left join material on material.cd_mat = nfceitem.cd_mat", "left join filial on filial.cd_fil = nfce.cd_fil",
       "left join cfop on cfop.cd_cfop = nfce.cd_cfop"})
        .Where({s.Periodo2("nfce.dt_emis"), {"nfce.sn_transmitida = \"1\""}, {"nfce.sn_inutil = \"0\""},
                {"nfce.sn_canc = \"0\""}, {t.pis ? "material.cd_pis=\"01\"" : "material.cd_cofins=\"01\""},
                {t.pis ? "material.tx_pis>0" : "material.tx_cofins>0"}, {"filial.sn_lojaestoque = \"1\""},
                {kSitDocNfce}, {"cfop.sn_efdcontrib = \"0\""}})
        .Fim();
  }
}

const char* kClienteCampos[] = {
    "cliente.cd_cli,cliente.nm_cli,cliente.cd_pais,if(cliente.tp_cli=\"J\",cliente.cd_cli,\"\"),",
    "if(cliente.tp_cli=\"F\",cliente.cd_cli,\"\"),cliente.nr_ie,cliente.cd_cid,cliente.nr_suframa,",
    "cliente.nm_end,cliente.nr_nro,\"\",cliente.nm_bai from cliente"};

// The participants of A100, C100, C500, D100 and D500, from the same documents those registers
// come from.
void Participantes(TSqlLinhas& s, const Documentos& d) {
  s({"create temporary table if not exists participantes (", "cd_part varchar(60) default \"\",",
     "nm_part varchar(100) default \"\",", "cd_pais varchar(60) default \"\",", "nr_cnpj varchar(60) default \"\",",
     "nr_cpf varchar(60) default \"\",", "nr_ie varchar(60) default \"\",", "cd_cid varchar(60) default \"\",",
     "nr_suframa varchar(60) default \"\",", "nm_end varchar(100) default \"\",", "nr_nro varchar(60) default \"\",",
     "nm_compl varchar(100) default \"\",", "nm_bai varchar(100) default \"\")"})
      .Fim();
  s("delete from participantes").Fim();
  // Entries: goods (block C), communication (D500), transport (D100), utility bills (C500), services (A100).
  s({"insert ignore into participantes select",
     "forn.cd_forn,forn.nm_forn,forn.cd_pais,if(forn.tp_forn=\"J\",forn.cd_forn,\"\"),if(forn.tp_forn=\"F\",forn.cd_forn,\"\"),",
     "forn.nr_ie,forn.cd_cid,forn.nr_suframa,forn.nm_end,forn.nr_nro,\"\",forn.nm_bai from forn",
     "left join nfent on nfent.cd_forn = forn.cd_forn", "left join filial on filial.cd_fil = nfent.cd_fil",
     "left join cfop on cfop.nr_cfop = nfent.nr_cfop"})
      .Where({s.Periodo2("nfent.dt_entrada"), {"filial.sn_lojaestoque = \"1\""}, {"nfent.sn_enc = \"1\""},
              {"nfent.sn_canc = \"0\""}, {"cfop.sn_efdcontrib = \"0\""},
              {d.compras ? "nfent.sn_nf in (\"1\",\"2\",\"3\",\"5\",\"6\")" : "nfent.sn_nf in (\"2\",\"3\",\"5\",\"6\")"},
              {"(nfent.sn_nf <> \"2\" or nfent.cd_pis2 in (\"50\",\"51\",\"52\",\"53\",\"54\",\"55\",\"56\"))"}})
      .Fim();
  auto clientes = [&](const char* insert) {
    s(insert);
    for (const char* l : kClienteCampos) s(l);
  };
  clientes("insert ignore into participantes select");
  s({"left join nf on nf.cd_cli = cliente.cd_cli", "left join filial on filial.cd_fil = nf.cd_fil",
     "left join cfop on cfop.cd_cfop = nf.cd_cfop"})
      .Where({s.Periodo2("nf.dt_emis"), {"nf.sn_transmitida = \"1\""}, {"nf.sn_inutil = \"0\""}, {kSitDocNf},
              {"nf.sn_canc = \"0\""}, {"filial.sn_lojavenda = \"1\""}, {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
  clientes("insert into participantes select");
  s({"left join nfse on nfse.cd_cli = cliente.cd_cli", "left join filial on filial.cd_fil = nfse.cd_fil"});
  s("where ");
  for (const auto& l : s.Entre("nfse.dt_emis")) s(l);
  s({"and", "nfse.sn_enc = 1", "and", "nfse.cd_situacao = 4", "and", "filial.sn_lojaestoque = 1"}).Fim();
  if (!d.nfce) return;
  const std::string nfceLida = "(nfce.sn_transmitida=\"1\" or nfce.sn_inutil=\"1\" or nfce.sn_canc=\"1\")";
  clientes("insert ignore into participantes select");
  s({"left join nfce on nfce.cd_cli = cliente.cd_cli", "left join filial on filial.cd_fil = nfce.cd_fil",
     "left join cfop on cfop.cd_cfop = nfce.cd_cfop"})
      .Where({s.Periodo2("nfce.dt_emis"), {nfceLida}, {"filial.sn_lojavenda = \"1\""}, {kSitDocNfce},
              {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
  s({"insert ignore into participantes select",
     "nfce.cd_cli,if(nfce.nm_cli=\"\",\"CONSUMIDOR FINAL\",nfce.nm_cli),\"1058\",if(length(nfce.cd_cli)=14,nfce.cd_cli,\"\"),",
     "if(length(nfce.cd_cli)=11,nfce.cd_cli,\"\"),\"\",\"2408003\",\"\",",
     "if(nfce.nm_end=\"\",\"ENDERECO\",nfce.nm_end),if(nfce.nr_nro=\"\",\"SN\",nfce.nr_nro),\"\",if(nfce.nm_bairro=\"\",\"BAIRRO\",nfce.nm_bairro) from nfce",
     "left join filial on filial.cd_fil = nfce.cd_fil", "left join cfop on cfop.cd_cfop = nfce.cd_cfop"})
      .Where({s.Periodo2("nfce.dt_emis"), {nfceLida}, {"filial.sn_lojavenda = \"1\""}, {kSitDocNfce},
              {"nfce.cd_cli<>\"\""}, {"cfop.sn_efdcontrib = \"0\""}})
      .Fim();
}
}  // namespace

void TTabelasTrabalho::Executa() {
  const TDateTime ini = opcoes_.DataInicial, fin = opcoes_.DataFinal;
  const bool individual = opcoes_.Apuracao == 1;
  const bool nfce = opcoes_.IncluiNfce;
  bool real = false;
  try {
    real = EmpresaInt("tp_tributacao") == 2;
  } catch (const std::exception&) {
  }
  const Documentos docs{real, nfce, opcoes_.IncluiCupomFiscal};
  auto roda = [&](const char* caption, auto build) {
    SetCaption(caption);
    TSqlLinhas s(ini, fin);
    build(s);
    z1->Clear();
    for (const auto& l : s.Linhas()) z1->Add(l);
    z1->Add("commit;");
    z1->Execute();
  };
  roda("Aguarde... Criando Arquivo Temporario Unidade", [&](TSqlLinhas& s) { Unidade(s, docs); });
  roda("Aguarde... Criando Arquivo Temporario NatOpe", [&](TSqlLinhas& s) { Natope(s, individual, docs); });
  roda("Aguarde... Criando Arquivo Temporario C490", [](TSqlLinhas& s) { C490(s); });
  try {
    roda("Aguarde... Criando Arquivo Temporario M400 e M800", [&](TSqlLinhas& s) { M400800(s, nfce); });
  } catch (const EDatabaseError& e) {
    geracao_.Aviso(e.what());
    geracao_.Script(z1->Text());
    geracao_.Falha(e.what());
  }
  roda("Aguarde... Criando Arquivo Temporario M100 e M500", [](TSqlLinhas& s) { M100500(s); });
  roda("Aguarde... Criando Arquivo Temporario M200 e M600", [&](TSqlLinhas& s) { M200600(s, nfce); });
  qr1->Close();
  qr1->Clear();
  for (const char* l : {"select", "tp_doc,", "nr_nf,", "dt_nf,", "cd_prod,", "tx_desc,", "vl_icms,", "vl_item,",
                        "vl_bc,", "cd_codrec,", "cd_codcont,", "tx_cod,", "sn_lojaestoque,", "tp_piscofins",
                        "from m200600", "where", "tp_piscofins = \"1\"", "order by cd_prod"})
    qr1->Add(l);
  qr1->Open();
  try {
    roda("Aguarde... Criando Arquivo Temporario Participantes", [&](TSqlLinhas& s) { Participantes(s, docs); });
  } catch (const EDatabaseError& e) {
    geracao_.Script(z1->Text());
    geracao_.Aviso(e.what());
    geracao_.Falha(e.what());
  }
}
