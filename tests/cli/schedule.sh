#!/usr/bin/env bash
# trv-cli schedule: the connector schedule as fixed-column text and as printed PDF pages.
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

# projekt N OUT: a project with N schedule entries; entry 2 is not active, entry N has 12
# identical positions of 12 connectors (144) and a fire protection sleeve.
projekt() {
    /usr/bin/python3 - "$data/drei-positionen.TRV" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
baum = ET.parse(sys.argv[1])
letzter = int(sys.argv[2])
liste = baum.getroot().find("Projekt").find("Stueckliste")
for e in [c for c in liste if c.tag.startswith("TEintrag_")]:
    liste.remove(e)
for n in range(1, letzter + 1):
    e = ET.SubElement(liste, f"TEintrag_{n}")
    werte = [f"Axis {n}", "1", "3", "TRV 22", "3", "Active", str(n), "", "100.8", "3"]
    if n == 2:
        werte[5] = "Not active"
    if n == letzter:
        werte[1:5] = ["12", "12", "ZEDE 30", "144"]
        werte[7] = "FS 90"
    for i, w in enumerate(werte, 1):
        ET.SubElement(e, f"String_{i}").text = w
baum.write(sys.argv[3], encoding="UTF-8", xml_declaration=True)
PY
}
projekt 13 "$scratch/lang.TRV"
projekt 8 "$scratch/zwei.TRV"

# Text export: CR LF everywhere, only active entries, numbered 1..12 (entry 13 is the 12th
# active one), fixed columns.
run 0 schedule "$scratch/lang.TRV" -o "$scratch/liste.txt"
/usr/bin/python3 - "$scratch/liste.txt" <<'PY' || fail "text export layout"
import sys
roh = open(sys.argv[1], "rb").read()
assert roh.count(b"\r\n") == roh.count(b"\n") and roh.endswith(b"\r\n"), "line ends"
z = roh.decode("utf-8").split("\r\n")[:-1]
assert z[0] == "Varnel - TRV / ZEDE Shear Connector" and z[1] == "Connector Schedule", z[:2]
assert z[2] == " " * 80
assert z[3].startswith("Company: "), z[3]
kopf = [i for i, l in enumerate(z) if l.startswith("Mat.-Pos quantity denomination")]
assert len(kopf) == 1 and len(z[kopf[0]]) == 80 and z[kopf[0] + 1] == "-" * 80
nummern = [l[:5] for l in z if l[5:19] == " " * 14 and "Shear connectors to transverse" in l]
assert nummern == [f"{j:>5}" for j in range(1, 13)], nummern
assert "Axis 2" not in "\n".join(z), "inactive entry exported"
typ = [l for l in z if l.endswith("Type: ZEDE 30")]
assert len(typ) == 1 and typ[0][12:15] == "144" and typ[0][15:19] == "    ", typ
assert typ[0].index("Type: ") == 19
assert any(l.endswith("Type: FS 90") and l[12:15] == "144" for l in z), "sleeve line"
assert z[-1] == "-" * 80
PY

# Printed: two A4 pages, each with the frame; no entry lost or doubled at the break.
run 0 schedule "$scratch/zwei.TRV" -o "$scratch/liste.pdf"
[ "$(pdfinfo "$scratch/liste.pdf" | sed -n 's/^Pages: *//p')" = 2 ] || fail "expected 2 pages"
pdfinfo "$scratch/liste.pdf" | grep -q '^Page size:.*(A4)' || fail "not A4"
for p in 1 2; do
    pdftotext -layout -f $p -l $p "$scratch/liste.pdf" "$scratch/p$p.txt"
    grep -qF "Connector Schedule" "$scratch/p$p.txt" || fail "page $p without its frame"
    grep -qF "Parkhaus Süd" "$scratch/p$p.txt" || fail "page $p without the project"
done
grep -qF "Mat.-Pos" "$scratch/p1.txt" || fail "no column header"
grep -qF "Lieferung bis März" "$scratch/p1.txt" || fail "no remark"
cat "$scratch/p1.txt" "$scratch/p2.txt" >"$scratch/alle.txt"
for n in 1 3 4 5 6 7 8; do
    c=$(grep -cE "Position\(s\): +Axis $n\$" "$scratch/alle.txt") || true
    [ "$c" = 1 ] || fail "entry $n printed $c times"
done
grep -qE "Axis 2\$" "$scratch/alle.txt" && fail "inactive entry printed"
grep -qF "and fire protection sleeve" "$scratch/p2.txt" || fail "no sleeve item"
grep -qF "not possible" "$scratch/alle.txt" && fail "the schedule head lists reasons"

# An empty schedule: frame, column header and nothing else.
run 0 schedule "$data/einzeldorn.TRV" -o "$scratch/leer.pdf"
[ "$(pdfinfo "$scratch/leer.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "empty schedule pages"
run 0 schedule "$data/einzeldorn.TRV" -o "$scratch/leer.txt"
tail -c 84 "$scratch/leer.txt" | head -c 82 | grep -qE '^-{80}' || fail "empty text export end"

# Usage and file errors; nothing half-written.
run 64 schedule "$scratch/lang.TRV" -o "$scratch/x.emf"
run 64 schedule "$scratch/lang.TRV"
run 64 schedule "$scratch/lang.TRV" -o "$scratch/x.txt" --position 1
run 2 schedule "$scratch/missing.TRV" -o "$scratch/none.txt"
[ ! -e "$scratch/none.txt" ] || fail "output written for a missing input"
run 1 schedule "$scratch/lang.TRV" -o "$scratch/no/such/x.txt"
grep -qF "the connector schedule could not be exported" "$scratch/err.txt" || fail "text export message"
run 1 schedule "$scratch/zwei.TRV" -o "$scratch/no/such/x.pdf"
[ -z "$(find "$scratch" -name '.*' -type f)" ] || fail "temporary files left: $(find "$scratch" -name '.*')"
echo ok
