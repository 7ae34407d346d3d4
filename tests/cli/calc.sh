#!/usr/bin/env bash
# trv-cli calc: calculates every plausible position of a project and saves it.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
rm -rf "$scratch"
mkdir -p "$scratch"
command -v xmllint >/dev/null || { echo "FAIL: xmllint (libxml2-utils) is missing" >&2; exit 1; }

source "$(dirname "$0")/../tools/cli_helfer.sh"

# An uncalculated copy of a calculated project: every result marked as not calculated.
sed 's|<TBerechnet>1</TBerechnet>|<TBerechnet>0</TBerechnet>|g' "$data/drei-positionen.TRV" >"$scratch/in.TRV"
grep -q '<TBerechnet>1</TBerechnet>' "$scratch/in.TRV" && fail "input still calculated"
run 0 calc "$scratch/in.TRV" -o "$scratch/out.TRV"
xmllint --noout "$scratch/out.TRV" || fail "output is not well-formed XML"
n=$(grep -c '<TBerechnet>1</TBerechnet>' "$scratch/out.TRV") || true
[ "$n" = 3 ] || fail "expected 3 calculated positions, got $n"
grep -q '<TFRd>[1-9]' "$scratch/out.TRV" || fail "no resistances in the output"
[ "$(grep -c ': calculated, proposed ' "$scratch/out.txt")" = 3 ] || fail "summary: $(cat "$scratch/out.txt")"
# The output is the program's own file: calculating it again changes nothing.
run 0 calc "$scratch/out.TRV" -o "$scratch/out2.TRV"
cmp -s <(grep -v 'FileName=' "$scratch/out.TRV") <(grep -v 'FileName=' "$scratch/out2.TRV") \
    || fail "second calculation changed the project"

# A position whose slab is thinner than its covers is left uncalculated, with its messages.
awk 'BEGIN{p=0} /<Position_2>/{p=1} p && /<TPlatteDicke>/ && !done {sub(/<TPlatteDicke>[^<]*/, "<TPlatteDicke>40"); done=1} {print}' \
    "$scratch/in.TRV" >"$scratch/duenn.TRV"
run 0 calc "$scratch/duenn.TRV" -o "$scratch/duenn-out.TRV"
grep -q 'position 2 .*: not calculated' "$scratch/out.txt" || fail "position 2 was calculated"
grep -q '^position 2 ' "$scratch/err.txt" || fail "no plausibility message for position 2"
n=$(grep -c '<TBerechnet>1</TBerechnet>' "$scratch/duenn-out.TRV") || true
[ "$n" = 2 ] || fail "expected 2 calculated positions, got $n"

# Every file the program wrote is accepted by an independent XML reader.
for f in "$data"/*.TRV "$scratch"/duenn-out.TRV "$scratch"/out2.TRV; do
    xmllint --noout "$f" || fail "xmllint refuses $f"
done

# Unreadable input: the program's message, exit 2, no output file.
run 2 calc "$scratch/missing.TRV" -o "$scratch/none.TRV"
grep -q 'Error during opening the data file - unable to read project data' "$scratch/err.txt" \
    || fail "missing file: $(cat "$scratch/err.txt")"
[ ! -e "$scratch/none.TRV" ] || fail "output written for a missing input"
printf 'garbage\x00\x01<<<' >"$scratch/garbage.TRV"
run 2 calc "$scratch/garbage.TRV" -o "$scratch/none.TRV"
[ ! -e "$scratch/none.TRV" ] || fail "output written for a garbage input"
printf '<TRV_1.0><Program Name="x"/></TRV_1.0>' >"$scratch/foreign.TRV"
run 2 calc "$scratch/foreign.TRV" -o "$scratch/none.TRV"
grep -q 'The file is not a valid Varnel - TRV File' "$scratch/err.txt" || fail "foreign file message"
[ ! -e "$scratch/none.TRV" ] || fail "output written for a foreign input"

# Usage errors.
run 64 calc "$scratch/in.TRV" -o "$scratch/x.TRV" --bogus
grep -q 'usage: trv-cli calc' "$scratch/err.txt" || fail "no usage line"
run 64 calc "$scratch/in.TRV"
run 64 calc -o "$scratch/x.TRV"
run 0 calc --help
grep -q 'usage: trv-cli calc' "$scratch/out.txt" || fail "help text"

# An output that cannot be written: exit 1, a clear message, nothing left behind.
run 1 calc "$scratch/in.TRV" -o "$scratch/no-such-folder/out.TRV"
grep -q 'Error during saving the data' "$scratch/err.txt" || fail "save error: $(cat "$scratch/err.txt")"
[ ! -e "$scratch/no-such-folder" ] || fail "folder created"
echo "calc: all checks passed"
