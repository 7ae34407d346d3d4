#!/usr/bin/env bash
# trv-cli sheet --all: the sheets of every calculated position in position order and then the
# connector schedule in one PDF; uncalculated positions named and left out.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
examples=$data/../../examples
rm -rf "$scratch"
mkdir -p "$scratch"
for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool (poppler-utils) is missing" >&2; exit 1; }
done
source "$(dirname "$0")/../tools/cli_helfer.sh"

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
page_has() { local t; t=$(pdftotext -layout -f "$2" -l "$2" "$1" -); grep -qF "$3" <<<"$t" || fail "page $2 of $1 lacks '$3'"; }

pdf=$scratch/project.pdf
run 0 sheet "$examples/several-positions-with-schedule.TRV" --all -o "$pdf"
[ "$(pages "$pdf")" = 10 ] || fail "$(pages "$pdf") pages, expected 2 + 2 + 2 + 3 sheets and the schedule"
pdfinfo "$pdf" | grep -q '^Page size:.*(A4)' || fail "not A4"
page_has "$pdf" 1 "Single shear connector loaded with point load"
page_has "$pdf" 3 "Row of shear connectors - connection slab to slab"
page_has "$pdf" 5 "Row of shear connectors - connection slab to wall"
page_has "$pdf" 7 "see next page"
page_has "$pdf" 10 "Connector Schedule"
[ ! -s "$scratch/err.txt" ] || fail "warnings for a fully calculated project: $(cat "$scratch/err.txt")"

# A position without valid results is named on stderr and never printed.
sed '0,/<TBerechnet>1/s//<TBerechnet>0/' "$data/drei-positionen.TRV" >"$scratch/teil.TRV"
run 0 sheet "$scratch/teil.TRV" --all -o "$scratch/teil.pdf"
grep -q "position 1 .*not calculated" "$scratch/err.txt" || fail "position 1 not named: $(cat "$scratch/err.txt")"
teil=$(pages "$scratch/teil.pdf")
run 0 sheet "$data/drei-positionen.TRV" --all -o "$scratch/alle.pdf"
[ $((teil + 2)) = "$(pages "$scratch/alle.pdf")" ] || fail "the uncalculated position was printed ($teil pages)"

# --all writes one PDF only and takes no position.
run 64 sheet "$data/drei-positionen.TRV" --all -o "$scratch/x.png"
run 64 sheet "$data/drei-positionen.TRV" --all --position 2 -o "$scratch/x.pdf"
[ ! -e "$scratch/x.png" ] && [ ! -e "$scratch/x.pdf" ] || fail "a file was written after a usage error"
[ -z "$(find "$scratch" -name '.*' -type f)" ] || fail "temporary files left"
echo ok
