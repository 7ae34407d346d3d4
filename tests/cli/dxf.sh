#!/usr/bin/env bash
# trv-cli dxf writes the reinforcement drawing of the selected connector type: for every one
# of the 14 types (selected in copies of a calculated project) the file is read back and
# audited by ezdxf; bad calls, unreadable input and unwritable output fail cleanly.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
checker=$(dirname "$0")/../tools/dxf_pruefen.py
python=/usr/bin/python3
rm -rf "$scratch"
mkdir -p "$scratch/drawings"

source "$(dirname "$0")/../tools/cli_helfer.sh"

# A missing reader must fail, not skip.
[ -x "$python" ] || fail "$python is missing (install python3-ezdxf)"
"$python" -c "import ezdxf" 2>/dev/null || fail "ezdxf cannot be imported by $python (install python3-ezdxf)"

names=("TRV 18" "TRV 22" "TRV 24" "TRV 30" "TRV 35" "TRV 42" "TRV 52"
       "ZEDE 18" "ZEDE 22" "ZEDE 24" "ZEDE 30" "ZEDE 35" "ZEDE 42" "ZEDE 52")
for typ in $(seq 0 13); do
  project=$scratch/typ$typ.TRV
  sed -E "s|<TAktDorn>[0-9]+<|<TAktDorn>$typ<|" "$data/platte-platte.TRV" >"$project"
  out=$scratch/drawings/typ$typ.dxf
  "$cli" dxf "$project" -o "$out" >"$scratch/out.txt" 2>"$scratch/err.txt" ||
    fail "type $typ: exit $? $(cat "$scratch/err.txt")"
  grep -q "${names[$typ]}" "$scratch/out.txt" || fail "type $typ: $(cat "$scratch/out.txt")"
  echo "name ${names[$typ]}" >"$scratch/drawings/typ$typ.txt"
done

# --position picks a position other than the current one.
for nr in 1 2 3; do
  "$cli" dxf "$data/drei-positionen.TRV" --position $nr -o "$scratch/drawings/pos$nr.dxf" >/dev/null
  sel=$(grep -o '<TAktDorn>[0-9]*<' "$data/drei-positionen.TRV" | sed -n "${nr}p" | tr -dc 0-9)
  echo "name ${names[$sel]}" >"$scratch/drawings/pos$nr.txt"
done
"$python" "$checker" "$scratch/drawings" 17 || fail "ezdxf found faults"

expect_rc() {
  local want=$1
  shift
  set +e
  "$@" >"$scratch/out.txt" 2>"$scratch/err.txt"
  local rc=$?
  set -e
  [ "$rc" = "$want" ] || fail "'$*' exited $rc, expected $want: $(cat "$scratch/err.txt")"
}

"$cli" dxf --help | grep -q "usage: trv-cli dxf IN.TRV -o OUT.dxf" || fail "--help"
expect_rc 64 "$cli" dxf "$data/einzeldorn.TRV" -o "$scratch/x.dxf" --colour red
grep -q "usage: trv-cli dxf" "$scratch/err.txt" || fail "unknown option without usage line"
expect_rc 64 "$cli" dxf "$data/einzeldorn.TRV"
expect_rc 64 "$cli" dxf "$data/einzeldorn.TRV" -o "$scratch/x.dxf" --position 2
[ ! -e "$scratch/x.dxf" ] || fail "a usage error wrote a file"
expect_rc 2 "$cli" dxf "$scratch/missing.TRV" -o "$scratch/x.dxf"
[ -s "$scratch/err.txt" ] || fail "no message for a missing project"
[ ! -e "$scratch/x.dxf" ] || fail "a missing project wrote a file"

# Output into a folder that does not exist: exit 1 and a message naming the file.
expect_rc 1 "$cli" dxf "$data/einzeldorn.TRV" -o "$scratch/nofolder/x.dxf"
grep -q "x.dxf" "$scratch/err.txt" || fail "write failure without the file's name"
[ ! -e "$scratch/nofolder" ] || fail "a failed write left something behind"

# An uncalculated position is refused and an existing drawing stays as it was.
cp "$scratch/drawings/typ0.dxf" "$scratch/keep.dxf"
sed -E "s|<TBerechnet>1<|<TBerechnet>0<|" "$data/einzeldorn.TRV" >"$scratch/uncalculated.TRV"
expect_rc 1 "$cli" dxf "$scratch/uncalculated.TRV" -o "$scratch/keep.dxf"
grep -qi "calculated" "$scratch/err.txt" || fail "no message for an uncalculated position"
cmp -s "$scratch/keep.dxf" "$scratch/drawings/typ0.dxf" || fail "a refused drawing changed the file"
echo ok
