#!/usr/bin/env bash
# Fills the private ERP server (scripts/erp-server) with one company month of a chosen size for
# the end-to-end benchmark: the test fixture's company, then March 2024 grown to the profile
# and N earlier months of history, with the indexes a real ERP keeps on its date columns.
#
#   bench/mes_erp_gera.sh [loja|supermercado] [MESES_ANTERIORES]
#
# Profiles: "loja" 3,000 NFC-e of 5 items, 100 purchases of 20 items, the rest of the fixture
# month x2; "supermercado" 300,000 NFC-e of 5 items, 3,000 purchases of 20 items, the rest x10.
# Databases: ${BENCH_BANCO}_kivo (catalogue, company "001") and ${BENCH_BANCO}_empresa, BENCH_BANCO
# being "bench" unless set.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
perfil=${1:-loja}
meses=${2:-2}
banco=${BENCH_BANCO:-bench}
case "$perfil" in
  loja) nfce=3000 entradas=100 copias=2 produtos=300 ;;
  supermercado) nfce=300000 entradas=3000 copias=10 produtos=5000 ;;
  *) echo "perfil desconhecido: $perfil (loja ou supermercado)" >&2; exit 2 ;;
esac
env_file=${VUDI_ERP_DIR:-$root/build/erp-server}/connection.env
[ -f "$env_file" ] || { echo "servidor privado parado: VUDI_ERP_PORT=... scripts/erp-server start" >&2; exit 1; }
# shellcheck disable=SC1090
. "$env_file"
sql() { mariadb --no-defaults --socket="$VUDI_TEST_DB_SOCKET" --user="$VUDI_TEST_DB_USER" \
          --password="$VUDI_TEST_DB_PASSWORD" "$@"; }

inicio=$(date +%s)
fixture=$root/tests/fixtures/erp
sql <<SQL
DROP DATABASE IF EXISTS ${banco}_kivo;
DROP DATABASE IF EXISTS ${banco}_empresa;
CREATE DATABASE ${banco}_kivo CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
CREATE DATABASE ${banco}_empresa CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
SQL
sql ${banco}_kivo <"$fixture/catalog.sql"
sql ${banco}_kivo -e "INSERT INTO kivo_empresa (cd_empresa, nm_empresa, nm_db) VALUES ('001', 'BENCH', '"${banco}"_empresa')"
sql ${banco}_empresa <"$fixture/company.sql"
sql ${banco}_empresa <"$fixture/seed.sql"

# Products: copies of four fixture products (taxed, zero-rated, single-phase, taxed at 18 %).
sql ${banco}_empresa <<SQL
CREATE TEMPORARY TABLE molde AS SELECT * FROM material WHERE cd_mat IN ('000101','000102','000103','000106');
ALTER TABLE molde ADD COLUMN ordem INT;
UPDATE molde SET ordem = FIELD(cd_mat, '000101','000102','000103','000106') - 1;
CREATE TEMPORARY TABLE novos AS
  SELECT m.*, s.seq AS n FROM seq_1_to_${produtos} s JOIN molde m ON m.ordem = s.seq % 4;
UPDATE novos SET cd_mat = CONCAT('9', LPAD(n, 5, '0')), nm_mat = CONCAT(nm_mat, ' ', n);
ALTER TABLE novos DROP COLUMN n, DROP COLUMN ordem;
INSERT INTO material SELECT * FROM novos;
INSERT INTO produto (cd_prod, nm_prod, cd_cfiscal, cd_ipi, cd_cfop, cd_tpcred, nat_rec, cd_pis, tx_pis,
                     cd_cofins, tx_cofins, cd_pis2, tx_pis2, cd_cofins2, tx_cofins2)
  SELECT cd_mat, nm_mat, cd_class, cd_ipi, IF(cd_pis = '04', '204', '201'), cd_tpcred, nat_rec, cd_pis,
         tx_pis, cd_cofins, tx_cofins, cd_pis2, tx_pis2, cd_cofins2, tx_cofins2
  FROM material WHERE cd_mat LIKE '9%';
SQL

# NFC-e of store 001 spread over the month, 5 items each; one in 50 with a discount.
sql ${banco}_empresa <<SQL
INSERT INTO nfce (cd_fil, nr_serie, nr_nfce, nr_loja, dt_emis, dt_saida, cd_cli, cd_cfop, sn_transmitida,
                  sn_inutil, sn_canc, cd_sitdoc, cd_modelo, nr_chave, vl_nf, vl_desc, vl_prod, vl_bc, vl_icms,
                  vl_pis, vl_cofins)
  SELECT '001', '7', seq, '001', '2024-03-01' + INTERVAL (seq % 31) DAY, '2024-03-01' + INTERVAL (seq % 31) DAY,
         IF(seq % 20 = 0, '12345678909', ''), '201', '1', '0', '0', '00', '65',
         CONCAT('352403123456780001956500700', LPAD(seq, 9, '0'), '10000000'),
         0, IF(seq % 50 = 0, 1.00, 0), 0, 0, 0, 0, 0
  FROM seq_1_to_${nfce};
INSERT INTO nfceitem (cd_fil, nr_serie, nr_nfce, nr_item, nr_loja, cd_mat, cd_prod, un_prod, sit_a, sit_b, cd_cfop,
                      tx_icms, qt_prod, vl_unit, tt_item, cd_pis, tx_pis, cd_cofins, tx_cofins)
  SELECT '001', '7', n.seq, i.seq, '001', m.cd_mat, m.cd_mat, m.nm_unid, '0', IF(m.cd_pis = '04', '60', '00'),
         IF(m.cd_pis = '04', '202', '201'), m.tx_icms, 1 + i.seq, 1.00 + (n.seq * 7 + i.seq) % 50,
         (1 + i.seq) * (1.00 + (n.seq * 7 + i.seq) % 50), m.cd_pis, m.tx_pis, m.cd_cofins, m.tx_cofins
  FROM seq_1_to_${nfce} n JOIN seq_1_to_5 i
  JOIN material m ON m.cd_mat = CONCAT('9', LPAD(1 + (n.seq * 5 + i.seq) % ${produtos}, 5, '0'));
UPDATE nfce JOIN (SELECT nr_nfce, SUM(tt_item) AS total FROM nfceitem WHERE nr_serie = '7' GROUP BY nr_nfce) t
  ON nfce.nr_serie = '7' AND nfce.nr_nfce = t.nr_nfce
  SET nfce.vl_prod = t.total, nfce.vl_nf = t.total - nfce.vl_desc, nfce.vl_bc = t.total;
SQL

# Purchases of store 001 from the fixture's supplier, 20 items each.
sql ${banco}_empresa <<SQL
INSERT INTO nfent (nr_nfent, nr_nf, cd_fil, nr_loja, cd_forn, cd_sitdoc, cd_modelo, cd_serie, nr_chave, dt_emis,
                   dt_entrada, nr_cfop, vl_prod, vl_desc, vl_frete, vl_bcicms, vl_icms, vl_nota, ind_pgto, sn_enc,
                   sn_canc, sn_nf, cd_pis2, tx_pis2, cd_cofins2, tx_cofins2, cd_tpcred, tx_icms)
  SELECT 100000 + seq, 200000 + seq, '001', '001', '11122233000183', '00', '55', '1',
         CONCAT('3524031112223300018355001', LPAD(200000 + seq, 9, '0'), '1000000000'),
         '2024-03-01' + INTERVAL (seq % 28) DAY, '2024-03-02' + INTERVAL (seq % 28) DAY, '1102',
         0, 0, 0, 0, 0, 0, 1, '1', '0', '1', '50', 1.65, '50', 7.60, '101', 18
  FROM seq_1_to_${entradas};
INSERT INTO nfentit (nr_nfent, item, cd_mat, cd_prod, nr_cfop, qt_prod, vl_compra, un_prod, cd_cst, tx_icmscred,
                     tx_icmsvenda, cd_pis, tx_pis, cd_cofins, tx_cofins)
  SELECT 100000 + e.seq, i.seq, m.cd_mat, m.cd_mat, '1102', 10 + i.seq, 2.00 + (e.seq + i.seq) % 40, m.nm_unid,
         IF(i.seq % 5 = 0, '060', '000'), 18, 18, m.cd_pis2, m.tx_pis2, m.cd_cofins2, m.tx_cofins2
  FROM seq_1_to_${entradas} e JOIN seq_1_to_20 i
  JOIN material m ON m.cd_mat = CONCAT('9', LPAD(1 + (e.seq * 20 + i.seq) % ${produtos}, 5, '0'));
UPDATE nfent JOIN (SELECT nr_nfent, SUM(qt_prod * vl_compra) AS total FROM nfentit WHERE nr_nfent > 100000
                   GROUP BY nr_nfent) t ON nfent.nr_nfent = t.nr_nfent
  SET nfent.vl_prod = t.total, nfent.vl_nota = t.total, nfent.vl_bcicms = t.total,
      nfent.vl_icms = ROUND(t.total * 0.18, 2);
SQL

# The rest of the fixture month, copied with new document numbers (the copy k gets the prefix k).
copia() {  # tabela, coluna do número
  local t=$1 col=$2 k
  sql ${banco}_empresa -e "DROP TABLE IF EXISTS o_$t; CREATE TABLE o_$t AS SELECT * FROM $t;"
  for ((k = 1; k < copias; k++)); do
    sql ${banco}_empresa -e "
      CREATE TEMPORARY TABLE c AS SELECT * FROM o_$t;
      UPDATE c SET $col = CONCAT('$k', $col);
      INSERT INTO $t SELECT * FROM c;"
  done
  sql ${banco}_empresa -e "DROP TABLE o_$t"
}
copia nf nr_nf
copia nfitem nr_nf
copia nfse nr_rps
copia nfseitem nr_rps
copia conhec nr_conhec
for ((k = 1; k < copias; k++)); do
  sql ${banco}_empresa -e "
    CREATE TEMPORARY TABLE c AS SELECT * FROM nfent WHERE nr_nfent < 1000;
    UPDATE c SET nr_nfent = nr_nfent + 1000 * $k, nr_nf = CONCAT('$k', nr_nf);
    INSERT INTO nfent SELECT * FROM c;
    CREATE TEMPORARY TABLE ci AS SELECT * FROM nfentit WHERE nr_nfent < 1000;
    UPDATE ci SET nr_nfent = nr_nfent + 1000 * $k; INSERT INTO nfentit SELECT * FROM ci;
    CREATE TEMPORARY TABLE cs AS SELECT * FROM nfentsv WHERE nr_nfent < 1000;
    UPDATE cs SET nr_nfent = nr_nfent + 1000 * $k; INSERT INTO nfentsv SELECT * FROM cs;
    CREATE TEMPORARY TABLE cm AS SELECT * FROM nfentimp WHERE nr_nfent < 1000;
    UPDATE cm SET nr_nfent = nr_nfent + 1000 * $k; INSERT INTO nfentimp SELECT * FROM cm;
    CREATE TEMPORARY TABLE ca AS SELECT * FROM nfentantec WHERE nr_nfent < 1000;
    UPDATE ca SET nr_nfent = nr_nfent + 1000 * $k; INSERT INTO nfentantec SELECT * FROM ca;"
done

# Earlier months: the month's NFC-e, purchases and own invoices again, m months back.
for ((m = 1; m <= meses; m++)); do
  sql ${banco}_empresa -e "
    CREATE TEMPORARY TABLE h AS SELECT * FROM nfce WHERE dt_emis >= '2024-03-01';
    UPDATE h SET nr_serie = CONCAT('$m', nr_serie), dt_emis = dt_emis - INTERVAL $m MONTH,
                 dt_saida = dt_saida - INTERVAL $m MONTH;
    INSERT INTO nfce SELECT * FROM h;
    CREATE TEMPORARY TABLE hi AS SELECT i.* FROM nfceitem i JOIN nfce n ON n.cd_fil = i.cd_fil
      AND n.nr_serie = i.nr_serie AND n.nr_nfce = i.nr_nfce WHERE n.dt_emis >= '2024-03-01';
    UPDATE hi SET nr_serie = CONCAT('$m', nr_serie); INSERT INTO nfceitem SELECT * FROM hi;
    CREATE TEMPORARY TABLE he AS SELECT * FROM nfent WHERE nr_nfent > 100000 AND dt_entrada >= '2024-03-01';
    UPDATE he SET nr_nfent = nr_nfent + 100000 * $m, dt_emis = dt_emis - INTERVAL $m MONTH,
                  dt_entrada = dt_entrada - INTERVAL $m MONTH;
    INSERT INTO nfent SELECT * FROM he;
    CREATE TEMPORARY TABLE hei AS SELECT * FROM nfentit WHERE nr_nfent > 100000 AND nr_nfent < 200000;
    UPDATE hei SET nr_nfent = nr_nfent + 100000 * $m; INSERT INTO nfentit SELECT * FROM hei;
    CREATE TEMPORARY TABLE hn AS SELECT * FROM nf WHERE dt_emis >= '2024-03-01';
    UPDATE hn SET nr_nf = CONCAT('H$m', nr_nf), dt_emis = dt_emis - INTERVAL $m MONTH,
                  dt_saida = dt_saida - INTERVAL $m MONTH;
    INSERT INTO nf SELECT * FROM hn;"
done

# The indexes a real ERP keeps for its period reports.
sql ${banco}_empresa >/dev/null <<'SQL'
CREATE INDEX nfce_dt_emis ON nfce (dt_emis);
CREATE INDEX nfent_dt_entrada ON nfent (dt_entrada);
CREATE INDEX nf_dt_emis ON nf (dt_emis);
CREATE INDEX nf_dt_saida ON nf (dt_saida);
CREATE INDEX nfse_dt_emis ON nfse (dt_emis);
CREATE INDEX conhec_dt_emis ON conhec (dt_emis);
ANALYZE TABLE nfce, nfceitem, nfent, nfentit, nf, nfitem, material, produto;
SQL

echo "mes_erp_gera: perfil $perfil, $meses meses anteriores, $(( $(date +%s) - inicio )) s"
sql ${banco}_empresa -e "SELECT (SELECT COUNT(*) FROM nfce) nfce, (SELECT COUNT(*) FROM nfceitem) nfceitem,
  (SELECT COUNT(*) FROM nfent) nfent, (SELECT COUNT(*) FROM nfentit) nfentit, (SELECT COUNT(*) FROM nf) nf"
