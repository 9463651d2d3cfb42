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
#include "FrmVUDIRozAzezav.h"
#include "support/ErpDatabase.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace {

using Lines = std::vector<std::string>;

int64_t Count(TDbConnection& db, const std::string& sql) {
  TDbQuery q(db);
  q.Add(sql);
  q.Open();
  return q.FieldByName("n").AsInteger();
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

// The program's working-table scripts, with both options on (individual documents, NFC-e
// included), run on the seed twice, and every table that the documents fill gets rows.
TEST(ErpSchema, WorkingTableScriptsRunAndFindRows) {
  REQUIRE_ERP_SERVER();
  ErpDatabase erp;
  TempDir dir;
  FakeHost host;
  TAppSettings settings;
  settings.Conexao = erp.CatalogSettings();
  settings.PastaUsuario = dir.path().string();
  TFrmVUDIRozAzezav frm(host, settings);
  ASSERT_TRUE(frm.FormCreate());
  frm.FormShow();  // the first store chosen: its taxation says whether purchases are read
  frm.DateEdit1.Date = EncodeDate(2024, 3, 1);
  frm.DateEdit2.Date = EncodeDate(2024, 3, 31);
  TDbConnection& db = frm.db0;  // the temporary tables live on the window's connection
  for (int run = 0; run < 2; ++run) {  // a second run empties and refills the same tables
    ASSERT_NO_THROW(frm.CriandoTabelas());
    EXPECT_TRUE(host.inputBoxes.empty());
    for (const char* table : {"unidade", "natope", "m400800", "m100500", "m200600", "participantes"})
      EXPECT_GT(Count(db, std::string("select count(*) as n from ") + table), 0) << table;
    EXPECT_EQ(Count(db, "select count(*) as n from c490"), 0);
  }

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
