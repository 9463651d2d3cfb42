#!/usr/bin/env bash
# Times the command-line program over the month that bench/mes_erp_gera.sh loaded, per step of
# the run: wall time and server statements ("Questions") of each step, then the whole run's
# wall time, program CPU, statements, peak resident memory, lines and lines per second.
#
#   bench/mes_erp_mede.sh [ARQUIVO_SAIDA] [opções extras do programa]
#
# BENCH_BANCO names the databases as for the generator; VUDI_CLI another build of the program.
#
# The file is written to ARQUIVO_SAIDA (default build/bench/efd-bench.txt); compare two runs'
# files with cmp to see that a change keeps the output byte for byte.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
saida=${1:-$root/build/bench/efd-bench.txt}
shift || true
cli=${VUDI_CLI:-$root/build/app/cli/vudirozazezav-cli}
env_file=${VUDI_ERP_DIR:-$root/build/erp-server}/connection.env
[ -f "$env_file" ] || { echo "servidor privado parado: VUDI_ERP_PORT=... scripts/erp-server start" >&2; exit 1; }
# shellcheck disable=SC1090
. "$env_file"
mkdir -p "$(dirname "$saida")"
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
export VUDI_TEST_DB_SOCKET VUDI_TEST_DB_USER VUDI_TEST_DB_PASSWORD

# Each stderr line with the time it arrived; at every new position of the run (one per step)
# the server's statement counter is read, so each step gets its own figures.
marca='
  use strict; use Time::HiRes qw(time);
  $| = 1;
  sub questions {
    my $q = `mariadb --no-defaults --socket="$ENV{VUDI_TEST_DB_SOCKET}" --user="$ENV{VUDI_TEST_DB_USER}" --password="$ENV{VUDI_TEST_DB_PASSWORD}" -N -e "show global status like \x27Questions\x27"`;
    return (split /\s+/, $q)[1];
  }
  my $pos = ""; my $linhas = 0;
  printf "P inicio %.6f %s\n", time, questions();
  while (my $l = <STDIN>) {
    $linhas++;
    if ($l =~ /^\[\s*(\d+)%\]/ && $1 ne $pos) { $pos = $1; printf "P %s %.6f %s\n", $pos, time, questions(); }
    print "L $l" if $l !~ /^\[/;
  }
  printf "P fim %.6f %s\n", time, questions();
  printf "N %d\n", $linhas;
'
set +e
printf '%s\n%s\n' kivo123 "$VUDI_TEST_DB_PASSWORD" |
  /usr/bin/time -f '%e %U %S %M' -o "$trabalho/tempo" "$cli" \
    --socket "$VUDI_TEST_DB_SOCKET" --banco "${BENCH_BANCO:-bench}_kivo" --usuario-banco "$VUDI_TEST_DB_USER" \
    --senha-banco-stdin --empresa 001 --usuario operador --senha-stdin \
    --loja 001 --periodo 2024-03 --arquivo "$saida" "$@" \
    2> >(perl -e "$marca" >"$trabalho/passos") >"$trabalho/saida"
rc=$?
set -e
sleep 0.5  # the stderr reader ends after the program
[ $rc -eq 0 ] || { echo "o programa terminou com $rc:"; cat "$trabalho/saida"; grep '^L ' "$trabalho/passos" | tail -5; }

nomes=([10]="Inicio (tabelas)" [20]="Bloco 0" [30]="Bloco A" [40]="Bloco C" [50]="Bloco D" [60]="Bloco F"
       [70]="Bloco M" [80]="Bloco 1" [90]="Bloco 9" [100]="Gerar TXT")
echo "passo                      s   instruções"
awk -v nomes="$(for k in "${!nomes[@]}"; do printf '%s=%s;' "$k" "${nomes[$k]}"; done)" '
  BEGIN { n = split(nomes, a, ";"); for (i = 1; i <= n; i++) { split(a[i], kv, "="); nome[kv[1]] = kv[2] } }
  /^P / { if (ant != "") printf "  %-20s %8.2f %10d\n", (ant in nome ? nome[ant] : ant), $3 - t, $4 - q - 1;
          ant = $2; t = $3; q = $4 }
' "$trabalho/passos"
read -r wall user sys rss <"$trabalho/tempo"
q0=$(awk '$1 == "P" && $2 == "inicio" { print $4 }' "$trabalho/passos")
q1=$(awk '$1 == "P" && $2 == "fim" { print $4 }' "$trabalho/passos")
passos=$(grep -c '^P ' "$trabalho/passos")
instrucoes=$((q1 - q0 - (passos - 1)))
linhas=$( [ -f "$saida" ] && wc -l <"$saida" || echo 0)
avisos=$(awk '$1 == "N" { print $2 }' "$trabalho/passos")
awk -v w="$wall" -v u="$user" -v s="$sys" -v r="$rss" -v q="$instrucoes" -v l="$linhas" -v e="$avisos" 'BEGIN {
  printf "total: %.2f s, CPU do programa %.2f s (usuário %.2f, sistema %.2f), %d instruções no servidor,\n", w, u + s, u, s, q
  printf "       pico de memória %.1f MB, %d linhas, %.0f linhas/s, %d linhas de andamento no stderr\n", r / 1024, l, (w > 0 ? l / w : 0), e }'
echo "arquivo: $saida"
