#!/usr/bin/env bash
# --language CODE: the texts of the sheets and reports in the client's language; an unknown
# code is a usage error, a module that is not there a failed job.
set -euo pipefail
cli=$1
scratch=$2
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch/prog"
source "$(dirname "$0")/../tools/cli_helfer.sh"
command -v pdftotext >/dev/null || fail "pdftotext (poppler-utils) is missing"
project="$examples/slab-to-wall-linear.TRV"

run 0 report "$project" --language des
grep -q 'Anschluss Platte an Wand' "$scratch/out.txt" || fail "report: no German application case"
run 0 report "$project"
grep -q 'connection slab to wall' "$scratch/out.txt" || fail "report: English is the default"

run 0 sheet "$project" -o "$scratch/blatt.pdf" --language des
pdftotext "$scratch/blatt.pdf" "$scratch/blatt.txt"
grep -q 'Berechnung für' "$scratch/blatt.txt" || fail "sheet: no German title"
grep -q 'Calculation for' "$scratch/blatt.txt" && fail "sheet: English title in the German sheet"

run 0 schedule "$examples/several-positions-with-schedule.TRV" -o "$scratch/liste.txt" --language fra
run 0 schedule "$examples/several-positions-with-schedule.TRV" -o "$scratch/liste-en.txt"
grep -q 'Connector Schedule' "$scratch/liste-en.txt" || fail "schedule: no English title"
grep -q 'Connector Schedule' "$scratch/liste.txt" && fail "schedule: English title in French"

run 64 report "$project" --language deu
grep -q 'des, eng, fra, ita, nld, esp' "$scratch/err.txt" || fail "the usage error names no codes"
[ ! -s "$scratch/out.txt" ] || fail "a usage error printed a report"

# A program folder without modules.
cp "$cli" "$scratch/prog/trv-cli"
cli="$scratch/prog/trv-cli"
run 1 sheet "$project" -o "$scratch/ohne.pdf" --language ita
grep -q 'Selected language not available!' "$scratch/err.txt" || fail "no missing-module message"
[ ! -e "$scratch/ohne.pdf" ] || fail "a sheet was written without its module"
echo "ok"
