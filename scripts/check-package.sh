#!/usr/bin/env bash
# Builds the Debian package from the release build, checks its contents and metadata, installs
# it and runs the installed programs as an ordinary user with a fresh home directory.
# Needs root (or sudo) for the installation; scripts/setup-debian.sh installs the checkers.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
build=build
work=$build/paket-pruefung
rm -rf "$work"; mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== package"
(cd "$build" && rm -f trv_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/trv_*_amd64.deb)
dpkg-deb -c "$deb" | tee "$work/inhalt.txt" | sed -E 's/^([^ ]+ +){5}//' > "$work/dateien.txt"
for datei in ./usr/bin/trv ./usr/bin/trv-cli \
             ./usr/share/trv/trv.des ./usr/share/trv/trv.eng ./usr/share/trv/trv.fra \
             ./usr/share/trv/trv.ita ./usr/share/trv/trv.nld ./usr/share/trv/trv.esp \
             "./usr/share/trv/TRV Manual.pdf" ./usr/share/trv/trv-hilfe-de.qch \
             ./usr/share/trv/trv-hilfe-en.qch \
             "./usr/share/trv/CAD files/TRV 22 Plan View Block.dxf" \
             ./usr/share/applications/ch.varnel.trv.desktop \
             ./usr/share/mime/packages/ch.varnel.trv.xml \
             ./usr/share/metainfo/ch.varnel.trv.metainfo.xml \
             ./usr/share/icons/hicolor/scalable/apps/ch.varnel.trv.svg \
             ./usr/share/icons/hicolor/16x16/apps/ch.varnel.trv.png \
             ./usr/share/icons/hicolor/48x48/apps/ch.varnel.trv.png \
             ./usr/share/icons/hicolor/256x256/apps/ch.varnel.trv.png \
             ./usr/share/man/man1/trv.1.gz ./usr/share/man/man1/trv-cli.1.gz \
             ./usr/share/doc/trv/copyright ./usr/share/doc/trv/changelog.gz \
             ./usr/share/doc/trv/examples/slab-to-wall-linear.TRV; do
  grep -qxF "$datei" "$work/dateien.txt" || fail "the package lacks $datei"
done
[ "$(grep -c '^./usr/share/trv/CAD files/.*\.dxf$' "$work/dateien.txt")" -eq 42 ] \
  || fail "the package lacks CAD blocks"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6sql6-sqlite' || fail "no dependency on the help's SQLite driver"

echo "== lintian"
lintian --tag-display-limit 0 "$deb" > "$work/lintian.txt" 2>&1 || true
grep -v 'root privileges' "$work/lintian.txt" || echo "(no tags)"
if grep -q '^E:' "$work/lintian.txt"; then fail "lintian reports errors"; fi

echo "== desktop entry, AppStream, MIME type"
desktop-file-validate packaging/ch.varnel.trv.desktop
appstreamcli validate --no-net packaging/ch.varnel.trv.metainfo.xml
xmllint --noout packaging/ch.varnel.trv.xml
mkdir -p "$work/mime/packages" && cp packaging/ch.varnel.trv.xml "$work/mime/packages/"
update-mime-database "$work/mime" > "$work/mime.log" 2>&1
if grep -iE 'error|warning|unknown|invalid' "$work/mime.log"; then
  fail "update-mime-database complains"
fi
grep -q 'application/x-trv-project' "$work/mime/globs2" || fail "no glob for .TRV"

echo "== installation"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
nutzer=trvpruefer
id "$nutzer" >/dev/null 2>&1 || $SUDO useradd --create-home --shell /bin/bash "$nutzer"
heim=$(getent passwd "$nutzer" | cut -d: -f6)
$SUDO rm -rf "$heim/.config" "$heim/.cache"
als_nutzer() { $SUDO runuser -u "$nutzer" -- env -i HOME="$heim" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
beispiel=/usr/share/doc/trv/examples/slab-to-wall-linear.TRV

als_nutzer trv-cli report "$beispiel" | tee "$work/bericht.txt"
grep -q 'TRV 22' "$work/bericht.txt" || fail "trv-cli report shows no result list"
for probe in "$beispiel" /usr/share/doc/trv/examples/single-connector-point-load.TRV; do
  typ=$(als_nutzer xdg-mime query filetype "$probe")
  [ "$typ" = application/x-trv-project ] || fail "xdg-mime says $typ for $probe"
done
# A project with its extension in small letters is the same file type.
$SUDO cp "$beispiel" "$heim/klein.trv" && $SUDO chown "$nutzer" "$heim/klein.trv"
[ "$(als_nutzer xdg-mime query filetype "$heim/klein.trv")" = application/x-trv-project ] \
  || fail "a .trv file is not recognised"
[ "$(als_nutzer xdg-mime query default application/x-trv-project)" = ch.varnel.trv.desktop ] \
  || fail "the program is not the default for its projects"

echo "== the installed program under Xvfb"
bild="$work/trv-installiert.png"
ablauf=$(mktemp /tmp/trv-ablauf.XXXXXX.sh)
cat > "$ablauf" <<SCRIPT
set -eu
trv "$beispiel" > "$heim/trv.log" 2>&1 &
pid=\$!
warten() {
  for i in \$(seq 1 100); do
    fenster=\$(xdotool search --onlyvisible --name "\$1" 2>/dev/null | head -1 || true)
    [ -n "\$fenster" ] && return 0
    sleep 0.1
  done
  echo "window '\$1' did not appear"; cat "$heim/trv.log"; kill \$pid; exit 1
}
warten "Varnel - TRV"
xdotool windowfocus --sync "\$fenster"
xdotool key Return
warten "slab-to-wall-linear"
sleep 1.5
import -window root /tmp/trv-installiert.png
kill \$pid
SCRIPT
chmod 644 "$ablauf"
als_nutzer QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" bash "$ablauf"
rm -f "$ablauf"
$SUDO mv /tmp/trv-installiert.png "$bild"
[ -f "$heim/.config/trv/trv.INI" ] || fail "the settings are not in the user's configuration folder"
[ ! -e /usr/bin/trv.INI ] || fail "the program wrote into its installation"
echo "ok: package built, checked, installed and run ($bild)"
