#!/usr/bin/env bash
# The schedule window read through the accessibility bus (AT-SPI) under a virtual display, as
# a screen reader reads it: every cell of the example's schedule has its text.
# usage: trv_atspi.sh TRV READER EXAMPLE WORKDIR
set -euo pipefail
trv=$1 leser=$2 beispiel=$3 work=$4
for tool in xvfb-run xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool (see scripts/setup-debian.sh)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi (see scripts/setup-debian.sh)"; exit 1; }
rm -rf "$work"; mkdir -p "$work"
cp "$beispiel" "$work/projekt.TRV"
export XDG_RUNTIME_DIR="$work/run"; mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cat > "$work/ablauf.sh" <<SCRIPT
set -eu
"$trv" "$work/projekt.TRV" > "$work/trv.log" 2>&1 &
pid=\$!
for i in \$(seq 1 100); do
  fenster=\$(xdotool search --onlyvisible --name "Varnel - TRV" 2>/dev/null | head -1 || true)
  [ -n "\$fenster" ] && break
  sleep 0.1
done
[ -n "\$fenster" ] || { echo "the start window did not appear"; kill \$pid; exit 1; }
sleep 1
xdotool windowfocus --sync "\$fenster"
xdotool key Return
status=0
timeout 60 /usr/bin/python3 "$leser" > "$work/gelesen.txt" || status=\$?
kill \$pid
wait \$pid 2>/dev/null || true
exit \$status
SCRIPT
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/ablauf.sh" 2> "$work/fehler.log" \
  || { echo "reading through AT-SPI failed"; tail -20 "$work/gelesen.txt" "$work/fehler.log" "$work/trv.log"; exit 1; }
cat "$work/gelesen.txt"
erwartet=(
  "row 0 checked|Single connector at column corner|6|1|TRV 30|6"
  "row 1 checked|Slab to slab, 6 m, constant load|2|5|TRV 22|10"
  "row 2 checked|Slab to wall, 4.5 m, linear load|1|4|TRV 18|4"
  "row 3 checked|Slab to slab, 12 m, load profile|3|11|TRV 18|33"
)
for zeile in "${erwartet[@]}"; do
  grep -qxF -- "$zeile" "$work/gelesen.txt" || { echo "not read: $zeile"; exit 1; }
done
[ "$(grep -c '^row ' "$work/gelesen.txt")" -eq 4 ] || { echo "not four rows"; exit 1; }
grep -qE '^status 0 (Active|Aktiv)$' "$work/gelesen.txt" || { echo "the check cell has no status text"; exit 1; }
echo "ok: the schedule's cells read through AT-SPI"
