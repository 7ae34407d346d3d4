#!/usr/bin/env bash
# trv-cli catalog prints one row per connector type with the catalog values.
set -euo pipefail
cli=$1
scratch=$2
mkdir -p "$scratch"
out=$scratch/catalog.txt
"$cli" catalog >"$out"

fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }

rows=$(grep -cE '^(TRV|ZEDE) [0-9]+ ' "$out") || true
[ "$rows" = 14 ] || fail "expected 14 connector rows, got $rows"

# Row of a type, split into its columns.
row() { grep -E "^$1 +" "$out" | sed -E 's/^([A-Z]+) ([0-9]+)/\1_\2/'; }
read -r -a trv22 <<<"$(row 'TRV 22')"
[ "${trv22[1]}" = 22 ] || fail "TRV 22 dowel ${trv22[1]}"
[ "${trv22[2]}" = 180 ] || fail "TRV 22 d min ${trv22[2]}"
[ "${trv22[3]}" = 270 ] || fail "TRV 22 spacing ${trv22[3]}"
[ "${trv22[11]}" = 8xT10 ] || fail "TRV 22 y bars ${trv22[11]}"
[ "${trv22[13]}" = 115.3 ] || fail "TRV 22 FRd at 0 mm ${trv22[13]}"
read -r -a zede52 <<<"$(row 'ZEDE 52')"
[ "${zede52[6]}" = 252x196 ] || fail "ZEDE 52 sleeve ${zede52[6]}"
[ "${zede52[7]}" = 70x54 ] || fail "ZEDE 52 opening ${zede52[7]}"
[ "${zede52[19]}" = 357 ] || fail "ZEDE 52 FRd at 60 mm ${zede52[19]}"
read -r -a trv18 <<<"$(row 'TRV 18')"
[ "${trv18[18]}" = "(28.2)" ] || fail "TRV 18 at 50 mm must be marked not permitted: ${trv18[18]}"
[ "${trv18[12]}" = 2.5 ] || fail "TRV 18 sheet ${trv18[12]}"

# No arguments are taken.
set +e
"$cli" catalog extra >/dev/null 2>&1
rc=$?
set -e
[ "$rc" = 64 ] || fail "an extra argument must be a usage error, got $rc"
echo ok
