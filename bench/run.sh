#!/usr/bin/env bash
# Scaling and output benchmarks of the whole chain, with public tools only:
#   bash bench/run.sh [BUILD_DIR]      (default build/, a release build)
# Needs /usr/bin/time (package time) and xmllint (libxml2-utils). Prints one line per run with
# the wall time and the peak memory, then the ratios that bench/README.md states as targets.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/trv-cli
gen=$build/examples/trv_projekte
for tool in "$cli" "$gen" /usr/bin/time xmllint; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure NAME CMD...: runs CMD once, records "seconds kilobytes" under NAME.
measure() {
  local name=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || {
    echo "failed: $*" >&2; cat "$work/stderr" >&2; exit 1; }
  read -r secs kb <"$work/time"
  printf '%-34s %9.2f s %10d KB\n' "$name" "$secs" "$kb"
  echo "$secs $kb" >"$work/m.$name"
}
secs() { cut -d' ' -f1 "$work/m.$1"; }
kb() { cut -d' ' -f2 "$work/m.$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "== open, calculate and save; report"
for n in 1 100 1000 10000; do
  "$gen" mixed "$n" "$work/mixed-$n.TRV"
  measure "calc-$n" "$cli" calc "$work/mixed-$n.TRV" -o "$work/calc-$n.TRV"
  measure "report-$n" "$cli" report "$work/calc-$n.TRV"
done
printf 'file of 1000 calculated positions: %s bytes\n' "$(stat -c %s "$work/calc-1000.TRV")"

echo "== the calculated 1000-position file beside xmllint"
measure "open+save-1000" "$gen" resave "$work/calc-1000.TRV" "$work/resaved.TRV"
measure "xmllint-format-1000" xmllint --format "$work/calc-1000.TRV" -o "$work/formatted.xml"
measure "xmllint-noout-1000" xmllint --noout "$work/calc-1000.TRV"

echo "== outputs of one position"
one=$work/calc-1.TRV
measure "dxf" "$cli" dxf "$one" -o "$work/one.dxf"
measure "sketch-view" "$cli" sketch "$one" --view view -o "$work/one.png"
measure "sheet-pdf" "$cli" sheet "$one" -o "$work/one.pdf"

echo "== ratios (targets in bench/README.md)"
echo "calc 10000 / calc 1000 time:            $(ratio "$(secs calc-10000)" "$(secs calc-1000)")  (at most 12)"
echo "open+save / xmllint --format time:      $(ratio "$(secs open+save-1000)" "$(secs xmllint-format-1000)")  (at most 3)"
echo "calc peak / xmllint --noout peak memory: $(ratio "$(kb calc-1000)" "$(kb xmllint-noout-1000)")  (at most 1.5)"
