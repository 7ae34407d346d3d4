#!/usr/bin/env bash
# trv-cli report on every example project, as text and as JSON read by a real JSON parser.
set -euo pipefail
cli=$1
scratch=$2
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
[ -x /usr/bin/python3 ] || { echo "FAIL: /usr/bin/python3 is missing" >&2; exit 1; }

source "$(dirname "$0")/../tools/cli_helfer.sh"

count=0
for project in "$examples"/*.TRV; do
    count=$((count + 1))
    name=$(basename "$project" .TRV)
    "$cli" report "$project" >"$scratch/$name.txt" || fail "report $name exited $?"
    positions=$(grep -c '^Position [0-9]*: ' "$scratch/$name.txt") || true
    [ "$positions" -ge 1 ] || fail "$name: no position in the report"
    # Every calculated position lists the 14 types and marks exactly the selected one.
    rows=$(grep -cE '^[* ] (TRV|ZEDE) [0-9]+ ' "$scratch/$name.txt") || true
    [ "$rows" = $((14 * positions)) ] || fail "$name: $rows result rows for $positions positions"
    marked=$(grep -cE '^\* (TRV|ZEDE) ' "$scratch/$name.txt") || true
    [ "$marked" = "$positions" ] || fail "$name: $marked marked rows for $positions positions"
    while read -r selected; do
        grep -qE "^\* $selected " "$scratch/$name.txt" || fail "$name: '$selected' is not the marked row"
    done < <(sed -n 's/^  Selected: //p' "$scratch/$name.txt")

    "$cli" report --json "$project" >"$scratch/$name.json" || fail "report --json $name exited $?"
    /usr/bin/python3 -m json.tool "$scratch/$name.json" >/dev/null || fail "$name: invalid JSON"
    /usr/bin/python3 - "$scratch/$name.json" "$positions" <<'PY' || fail "$name: JSON content"
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
positions = doc["positions"]
assert len(positions) == int(sys.argv[2]), len(positions)
for p in positions:
    assert p["calculated"] is True
    types = p["types"]
    assert [t["type"] for t in types] == list(range(14))
    selected = [t["type"] for t in types if t["selected"]]
    assert selected == [p["selected_type"]], (selected, p["selected_type"])
    chosen = types[p["selected_type"]]
    assert chosen["connector"] == p["selected_connector"]
    # A proposed type that passed every check carries its load.
    if chosen["status"] == 0:
        assert 0 <= chosen["usage"] < 1 and chosen["frd_kn"] > 0 and chosen["connectors"] >= 1
PY
done
[ "$count" -ge 5 ] || fail "expected at least 5 example projects, found $count"

# A position without results says so, in both forms.
sed 's|<TBerechnet>1</TBerechnet>|<TBerechnet>0</TBerechnet>|' "$examples/slab-to-slab-6m-constant.TRV" >"$scratch/open.TRV"
"$cli" report "$scratch/open.TRV" >"$scratch/open.txt"
grep -q 'not calculated' "$scratch/open.txt" || fail "uncalculated position not reported: $(cat "$scratch/open.txt")"
"$cli" report --json "$scratch/open.TRV" | /usr/bin/python3 -c '
import json, sys
p = json.load(sys.stdin)["positions"][0]
assert p["calculated"] is False and "types" not in p' || fail "uncalculated position in JSON"
echo ok
