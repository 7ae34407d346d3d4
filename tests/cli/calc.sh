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

# A position whose slab is thinner than its covers is left uncalculated, with its messages;
# the project is saved all the same and the exit code tells that not everything was calculated.
awk 'BEGIN{p=0} /<Position_2>/{p=1} p && /<TPlatteDicke>/ && !done {sub(/<TPlatteDicke>[^<]*/, "<TPlatteDicke>40"); done=1} {print}' \
    "$scratch/in.TRV" >"$scratch/duenn.TRV"
run 1 calc "$scratch/duenn.TRV" -o "$scratch/duenn-out.TRV"
grep -q 'position 2 .*: not calculated' "$scratch/out.txt" || fail "position 2 was calculated"
grep -q '^position 2 ' "$scratch/err.txt" || fail "no plausibility message for position 2"
grep -q '1 of 3 positions not calculated' "$scratch/err.txt" || fail "no summary: $(cat "$scratch/err.txt")"
n=$(grep -c '<TBerechnet>1</TBerechnet>' "$scratch/duenn-out.TRV") || true
[ "$n" = 2 ] || fail "expected 2 calculated positions, got $n"

# Stale results: a calculated project whose covers (200 + 200 mm) no longer fit its 300 mm
# slab. The position is saved as not calculated without its old results, and neither the
# sheet nor the drawing is made from it; the edited inputs are kept.
/usr/bin/python3 - "$data/drei-positionen.TRV" "$scratch/stale.TRV" <<'PY'
import sys
text = open(sys.argv[1], encoding="utf-8").read()
kopf, rest = text.split("<Position_2>", 1)
pos, nach = rest.split("</Position_2>", 1)
geo, hinter = pos.split("</cGeometrie>", 1)
for name, wert in (("TPlatteDicke", "300"), ("TBetondeckungOben", "200"), ("TBetondeckungUnten", "200")):
    a = geo.index("<" + name + ">") + len(name) + 2
    geo = geo[:a] + wert + geo[geo.index("<", a):]
open(sys.argv[2], "w", encoding="utf-8").write(kopf + "<Position_2>" + geo + "</cGeometrie>" + hinter + "</Position_2>" + nach)
PY
grep -c '<TBerechnet>1</TBerechnet>' "$scratch/stale.TRV" | grep -qx 3 || fail "stale input not calculated"
run 1 calc "$scratch/stale.TRV" -o "$scratch/stale-out.TRV"
grep -q 'position 2 .*: not calculated' "$scratch/out.txt" || fail "stale position 2 was calculated"
grep -q 'The sum of the concrete cover is greater than' "$scratch/err.txt" || fail "no cover message: $(cat "$scratch/err.txt")"
xmllint --noout "$scratch/stale-out.TRV" || fail "stale output is not well-formed XML"
/usr/bin/python3 - "$scratch/stale-out.TRV" <<'PY' || fail "stale results were saved"
import sys, xml.etree.ElementTree as ET
projekt = ET.parse(sys.argv[1]).getroot().find("Projekt")
pos = projekt.find("Position_2")
assert pos.find("cGeometrie").findtext("TPlatteDicke") == "300", "input lost"
assert pos.find("cGeometrie").findtext("TBetondeckungOben") == "200", "input lost"
erg = pos.find(".//TBerechnet/..")
assert erg.findtext("TBerechnet") == "0", "still marked calculated"
frd = [float(e.text.replace(",", ".")) for e in erg.iter("TFRd")]
assert frd and all(v == 0 for v in frd), f"old resistances kept: {frd}"
for andere in ("Position_1", "Position_3"):
    assert projekt.find(andere).find(".//TBerechnet").text == "1", andere
PY
run 1 sheet "$scratch/stale-out.TRV" -o "$scratch/stale.pdf" --position 2
grep -q 'position 2 has no results' "$scratch/err.txt" || fail "sheet message: $(cat "$scratch/err.txt")"
[ ! -e "$scratch/stale.pdf" ] || fail "a sheet was printed for an uncalculated position"
run 1 dxf "$scratch/stale-out.TRV" -o "$scratch/stale.dxf" --position 2
run 0 sheet "$scratch/stale-out.TRV" -o "$scratch/pos1.pdf" --position 1

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
