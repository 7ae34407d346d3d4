#!/usr/bin/env bash
# trv-cli sheet: the result sheet of a calculated position as PDF pages and as page-1 pictures,
# checked with poppler's pdfinfo and pdftotext against the results stored in the project.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
rm -rf "$scratch"
mkdir -p "$scratch"
for tool in pdfinfo pdftotext /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool (poppler-utils, python3) is missing" >&2; exit 1; }
done

source "$(dirname "$0")/../tools/cli_helfer.sh"

# "Selected: n * type" of a position as the project file stores it (the current position
# when no number is given), read with Python's own XML parser.
selected() {
    /usr/bin/python3 - "$1" "${2:-}" <<'PY'
import sys, xml.etree.ElementTree as ET
namen = [f"{s} {g}" for s in ("TRV", "ZEDE") for g in (18, 22, 24, 30, 35, 42, 52)]
projekt = ET.parse(sys.argv[1]).getroot().find("Projekt")
nr = sys.argv[2] or projekt.findtext("TAktAnwendung")
erg = projekt.find(f"Position_{nr}").find(".//TAktDorn/..")
typ = int(erg.findtext("TAktDorn"))
anzahl = erg.findtext("TAnzDorn_" + namen[typ].replace(" ", "_"))
print(f"Selected: {anzahl} * {namen[typ]}")
PY
}

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

sheet_pdf() { # sheet_pdf PROJECT PAGES CASE-TITLE LOAD-TITLE
    local in=$data/$1 pdf=$scratch/${1%.TRV}.pdf
    run 0 sheet "$in" -o "$pdf"
    [ "$(pages "$pdf")" = "$2" ] || fail "$1: $(pages "$pdf") pages, expected $2"
    pdfinfo "$pdf" | grep '^Page size:.*(A4)' >/dev/null || fail "$1: not A4: $(pdfinfo "$pdf" | grep 'Page size')"
    pdftotext -layout -f 1 -l 1 "$pdf" "$scratch/p1.txt"
    local want
    want=$(selected "$in")
    grep -qF "$want" "$scratch/p1.txt" || fail "$1: no '$want' on page 1"
    for t in "$3" "$4" "Input" "Results" "Calculation for ${want##* \* }" "Connector design capacity"; do
        grep -qF "$t" "$scratch/p1.txt" || fail "$1: no '$t' on page 1"
    done
    pdftotext -layout -f "$2" -l "$2" "$pdf" "$scratch/last.txt"
    grep -qF "Calculation for" "$scratch/last.txt" || fail "$1: the last page has no frame"
    if grep -qF "Results" "$scratch/last.txt"; then fail "$1: results on the sketch page"; fi
}

sheet_pdf einzeldorn.TRV 2 "Single shear connector loaded with point load" "Single load to connector"
grep -qF "Given edge distance" "$scratch/p1.txt" || fail "single connector without edge distances"
grep -qF "Actual connector spacing" "$scratch/p1.txt" && fail "single connector with spacings"
sheet_pdf platte-platte.TRV 2 "Row of shear connectors - connection slab to slab" "Joint length"
sheet_pdf platte-wand-beliebig.TRV 3 "Row of shear connectors - connection slab to wall" "Varying distributed load"
grep -qF "see next page" "$scratch/p1.txt" || fail "arbitrary profile without 'see next page'"
grep -qF "Wall thickness" "$scratch/p1.txt" || fail "slab to wall without wall thickness"
pdftotext -layout -f 2 -l 2 "$scratch/platte-wand-beliebig.pdf" "$scratch/p2.txt"
grep -qE 'x += *0 *m' "$scratch/p2.txt" || fail "the load page does not list the profile"
[ -z "$(find "$scratch" -name '.*' -type f)" ] || fail "temporary files left: $(find "$scratch" -name '.*')"

# A selected type that cannot be used: its reasons head every page.
sed 's|<TAktDorn>1</TAktDorn>|<TAktDorn>0</TAktDorn>|' "$data/einzeldorn.TRV" >"$scratch/fehler.TRV"
/usr/bin/python3 - "$scratch/fehler.TRV" <<'PY' || fail "test project: TRV 18 has no error codes"
import sys, xml.etree.ElementTree as ET
r = ET.parse(sys.argv[1]).getroot()
sys.exit(0 if list(r.iter("cDornErgebnis_TRV_18"))[0].find("Fehler").find("TMeldungen_1") is not None else 1)
PY
run 0 sheet "$scratch/fehler.TRV" -o "$scratch/fehler.pdf"
for p in 1 2; do
    pdftotext -layout -f $p -l $p "$scratch/fehler.pdf" - |
        grep -F >/dev/null "The use of the connector is not possible for the following reasons:" ||
        fail "page $p of an unusable type without the reasons"
done
pdftotext -f 1 -l 1 "$scratch/fehler.pdf" - | grep -F >/dev/null "$(selected "$scratch/fehler.TRV")" ||
    fail "reasons sheet: wrong selection"
pdftotext "$scratch/platte-platte.pdf" - | grep -F >/dev/null "not possible" && fail "reasons for a usable type"

# --position picks another position of a project with several.
run 0 sheet "$data/drei-positionen.TRV" -o "$scratch/pos3.pdf" --position 3
pdftotext -f 1 -l 1 "$scratch/pos3.pdf" - | grep -F >/dev/null "$(selected "$data/drei-positionen.TRV" 3)" ||
    fail "--position 3 does not show position 3"
run 64 sheet "$data/drei-positionen.TRV" -o "$scratch/pos9.pdf" --position 9
[ ! -e "$scratch/pos9.pdf" ] || fail "output written for a wrong position"

# Page 1 as pictures: a PNG of one A4 page at 96 dpi, an SVG whose head names the position.
run 0 sheet "$data/platte-platte.TRV" -o "$scratch/seite1.png"
/usr/bin/python3 - "$scratch/seite1.png" <<'PY' || fail "PNG is not one A4 page at 96 dpi"
import struct, sys
kopf = open(sys.argv[1], "rb").read(24)
assert kopf[:8] == b"\x89PNG\r\n\x1a\n"
b, h = struct.unpack(">II", kopf[16:24])
# The printable area of an A4 page (its unprintable borders cut off) at 96 dpi.
assert 740 <= b <= 794 and 1060 <= h <= 1123 and 1.38 < h / b < 1.46, (b, h)
PY
run 0 sheet "$data/platte-platte.TRV" -o "$scratch/seite1.svg"
grep -q '<svg' "$scratch/seite1.svg" || fail "SVG is no SVG"
grep -qF 'Position: ' "$scratch/seite1.svg" || fail "SVG head without the position line"

# Usage and file errors.
run 64 sheet "$data/platte-platte.TRV" -o "$scratch/x.doc"
run 64 sheet "$data/platte-platte.TRV"
run 64 sheet "$data/platte-platte.TRV" -o "$scratch/x.pdf" --colour red
run 2 sheet "$scratch/missing.TRV" -o "$scratch/none.pdf"
[ ! -e "$scratch/none.pdf" ] || fail "output written for a missing input"
run 1 sheet "$data/platte-platte.TRV" -o "$scratch/no/such/folder/x.pdf"
[ -s "$scratch/err.txt" ] || fail "no message for an unwritable output"
# A failed write keeps an existing file as it was.
echo old >"$scratch/keep.pdf"
chmod a-w "$scratch"
code=0
"$cli" sheet "$data/platte-platte.TRV" -o "$scratch/keep.pdf" 2>/dev/null || code=$?
chmod u+w "$scratch"
if [ "$(id -u)" != 0 ]; then
    [ "$code" = 1 ] || fail "write into a read-only folder exited $code"
    [ "$(cat "$scratch/keep.pdf")" = old ] || fail "existing file changed by a failed write"
fi
echo ok
