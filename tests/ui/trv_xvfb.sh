#!/usr/bin/env bash
# The real program under a virtual X display, used as a user would: started with a project on
# the command line, the start window passed with Enter, calculated with F9, saved with Ctrl+S.
# The saved file must then hold the calculated position.
# usage: trv_xvfb.sh TRV TRV-CLI EXAMPLE WORKDIR
set -euo pipefail
trv=$1 cli=$2 beispiel=$3 work=$4
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool (see scripts/setup-debian.sh)"; exit 1; }
done
rm -rf "$work"; mkdir -p "$work"
projekt="$work/projekt.TRV"
# The example without its results: the program must calculate it.
sed 's|<TBerechnet>1</TBerechnet>|<TBerechnet>0</TBerechnet>|' "$beispiel" > "$projekt"
"$cli" report --json "$projekt" | grep -q '"calculated": false'

export XDG_RUNTIME_DIR="$work/run"; mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
cat > "$work/ablauf.sh" <<SCRIPT
set -eu
"$trv" "$projekt" > "$work/trv.log" 2>&1 &
pid=\$!
warten() { # window title pattern
  for i in \$(seq 1 100); do
    fenster=\$(xdotool search --onlyvisible --name "\$1" 2>/dev/null | head -1 || true)
    [ -n "\$fenster" ] && return 0
    sleep 0.1
  done
  echo "window '\$1' did not appear"; kill \$pid; exit 1
}
warten "Varnel - TRV"
sleep 1
import -window root "$work/start.png"
xdotool windowfocus --sync "\$fenster"
xdotool key Return
warten "projekt"
sleep 1
xdotool windowfocus --sync "\$fenster"
xdotool key F9
sleep 1.5
import -window root "$work/berechnet.png"
xdotool key ctrl+s
sleep 1.5
kill \$pid
wait \$pid 2>/dev/null || true
SCRIPT
xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/ablauf.sh"
bericht=$("$cli" report --json "$projekt")
echo "$bericht" | grep -q '"calculated": true' || { echo "saved project is not calculated"; cat "$work/trv.log"; exit 1; }
echo "$bericht" | grep -q '"selected_connector"' || { echo "no selected connector"; exit 1; }
echo "ok: calculated and saved through the window"
