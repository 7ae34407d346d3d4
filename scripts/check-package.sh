#!/usr/bin/env bash
# Builds the Debian package from the release build, checks its contents, metadata and hardening,
# installs it, runs the installed programs as an ordinary user with a fresh home directory (the
# help, the manual, the CAD files), removes the package again and checks that nothing is left.
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
(cd "$build" && rm -f trv_*.deb python3-trv_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/trv_*_amd64.deb)
# The Python module's package, when the build has the module.
pydeb=$(ls "$build"/python3-trv_*_amd64.deb 2>/dev/null || true)
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

echo "== dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
for paket in libqt6sql6-sqlite qt6-translations-l10n fonts-liberation2 fonts-dejavu-core libqt6svg6; do
  tr ',' '\n' <<< "$depends" | grep -qE "^ *$paket( |\$)" || fail "no dependency on $paket"
done
doppelt=$(tr ',' '\n' <<< "$depends" | sed -E 's/^ *//; s/[ (].*//' | sort | uniq -d)
[ -z "$doppelt" ] || fail "dependencies named twice: $doppelt"
dpkg-deb -f "$deb" Recommends | grep -q 'pdf-viewer' || fail "no PDF viewer recommended for the manual"

echo "== hardening"
rm -rf "$work/entpackt"; dpkg-deb -x "$deb" "$work/entpackt"
for programm in trv trv-cli; do
  elf="$work/entpackt/usr/bin/$programm"
  # Read once: grep -q would end a pipe early and fail it under pipefail.
  kopf=$(readelf -h "$elf"); segmente=$(readelf -lW "$elf"); dynamisch=$(readelf -dW "$elf")
  symbole=$(readelf --dyn-syms -W "$elf")
  grep -q 'Type: *DYN' <<< "$kopf" || fail "$programm is not position independent"
  grep -q 'GNU_RELRO' <<< "$segmente" || fail "$programm has no RELRO segment"
  grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<< "$dynamisch" || fail "$programm is not bound at start (no full RELRO)"
  grep -q '__stack_chk_fail' <<< "$symbole" || fail "$programm has no stack protector"
  grep -qE '__[a-z_]+_chk@' <<< "$symbole" || fail "$programm has no fortified calls"
  echo "$programm: PIE, full RELRO, stack protector, fortified calls"
done

echo "== lintian"
# At the pedantic level; an error or a warning fails (pedantic and informational tags are shown).
lintian --pedantic --display-info --tag-display-limit 0 --fail-on error,warning "$deb" \
  > "$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt"; fail "lintian reports errors or warnings"; }
grep -v 'root privileges' "$work/lintian.txt" || echo "(no tags)"
if [ -n "$pydeb" ]; then
  dpkg-deb -c "$pydeb" > "$work/inhalt-python.txt"
  grep -q 'dist-packages/trv\.cpython-.*\.so$' "$work/inhalt-python.txt" || fail "python3-trv holds no module"
  lintian --pedantic --display-info --tag-display-limit 0 --fail-on error,warning "$pydeb" \
    > "$work/lintian-python.txt" 2>&1 || { cat "$work/lintian-python.txt"; fail "lintian on python3-trv"; }
fi

echo "== desktop entry, AppStream, MIME type"
desktop-file-validate packaging/ch.varnel.trv.desktop
appstreamcli validate --no-net "$build/paket/ch.varnel.trv.metainfo.xml"
xmllint --noout packaging/ch.varnel.trv.xml
mkdir -p "$work/mime/packages" && cp packaging/ch.varnel.trv.xml "$work/mime/packages/"
update-mime-database "$work/mime" > "$work/mime.log" 2>&1
if grep -iE 'error|warning|unknown|invalid' "$work/mime.log"; then
  fail "update-mime-database complains"
fi
grep -q 'application/x-trv-project' "$work/mime/globs2" || fail "no glob for .TRV"
grep -q '^ TRV_1.0 application/x-trv-project$' "$work/mime/XMLnamespaces" \
  || fail "no rule for the document element TRV_1.0"
if grep -q 'x-trv-project' "$work/mime/magic"; then fail "a content rule beside the document element"; fi

echo "== installation"
nutzer=trvpruefer
# Whatever happens below, the package and the user made for the check go again.
aufraeumen() {
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y python3-trv trv >/dev/null 2>&1 || true
  if id "$nutzer" >/dev/null 2>&1; then $SUDO userdel --remove "$nutzer" 2>/dev/null || true; fi
}
trap aufraeumen EXIT
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
if id "$nutzer" >/dev/null 2>&1; then $SUDO userdel --remove "$nutzer" 2>/dev/null || true; fi
$SUDO useradd --create-home --shell /bin/bash "$nutzer"
heim=$(getent passwd "$nutzer" | cut -d: -f6)
als_nutzer() { $SUDO runuser -u "$nutzer" -- env -i HOME="$heim" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
als_nutzer_datei() { # name, content: a file in the user's home
  printf '%s' "$2" | $SUDO runuser -u "$nutzer" -- tee "$heim/$1" >/dev/null
}
beispiel=/usr/share/doc/trv/examples/slab-to-wall-linear.TRV

als_nutzer trv --help | grep -q '^usage: trv' || fail "trv --help"
als_nutzer trv-cli --help > "$work/cli-hilfe.txt" 2>&1 || true
grep -q 'report' "$work/cli-hilfe.txt" || fail "trv-cli --help names no commands"
als_nutzer man -P cat trv > "$work/man-trv.txt" 2>/dev/null || fail "man trv"
grep -q 'trv-cli' "$work/man-trv.txt" || fail "the manual page of trv is empty"
als_nutzer trv-cli report "$beispiel" | tee "$work/bericht.txt"
grep -q 'TRV 22' "$work/bericht.txt" || fail "trv-cli report shows no result list"


echo "== file type of the installed program"
for probe in "$beispiel" /usr/share/doc/trv/examples/single-connector-point-load.TRV; do
  typ=$(als_nutzer xdg-mime query filetype "$probe")
  [ "$typ" = application/x-trv-project ] || fail "xdg-mime says $typ for $probe"
done
# A project with its extension in small letters is the same file type.
$SUDO cp "$beispiel" "$heim/klein.trv" && $SUDO chown "$nutzer" "$heim/klein.trv"
[ "$(als_nutzer xdg-mime query filetype "$heim/klein.trv")" = application/x-trv-project ] \
  || fail "a .trv file is not recognised"
[ "$(als_nutzer mimetype -b "$heim/klein.trv")" = application/x-trv-project ] \
  || fail "mimetype does not recognise a .trv file"
# Decoys: XML files that only mention the project's element are no projects.
als_nutzer_datei notiz '<?xml version="1.0"?>
<!-- exported from a <TRV_1.0> project -->
<notes><note>TRV_1.0</note></notes>
'
als_nutzer_datei notiz.xml "$(cat "$heim/notiz")"
for probe in "$heim/notiz" "$heim/notiz.xml"; do
  for werkzeug in "xdg-mime query filetype" "mimetype -b"; do
    typ=$(als_nutzer $werkzeug "$probe")
    [ "$typ" != application/x-trv-project ] || fail "$werkzeug takes the decoy $probe for a project"
  done
done
grep -q '^ TRV_1.0 application/x-trv-project$' /usr/share/mime/XMLnamespaces \
  || fail "the installed MIME database lacks the document element rule"
[ "$(als_nutzer xdg-mime query default application/x-trv-project)" = ch.varnel.trv.desktop ] \
  || fail "the program is not the default for its projects"

echo "== the installed program under Xvfb: window class, help, manual"
pdf_programm=$(als_nutzer xdg-mime query default application/pdf)
echo "PDF viewer of the user: ${pdf_programm:-none}"
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
haupt=\$fenster
xprop -id "\$haupt" WM_CLASS > "$heim/wm_class.txt"
sleep 1.5
import -window root /tmp/trv-installiert.png
# F1: the help window.
xdotool key F1
warten "Shear Connectors - Help"
xdotool windowactivate --sync "\$fenster" key --clearmodifiers alt+F4
xdotool windowactivate --sync "\$haupt" 2>/dev/null || xdotool windowfocus --sync "\$haupt"
# Help > Manual: without a PDF viewer the start result text.
sleep 0.5
xdotool key alt+h
sleep 0.5
xdotool key v
sleep 1.5
if [ -z "$pdf_programm" ]; then
  # The message box: a window of the program's name beside the main window (its text, the start
  # result, is checked by the window tests).
  # Its caption is the program's name; openbox shows "trv" for it in the installed program.
  xdotool search --onlyvisible --name "^(Varnel - TRV / ZEDE Shear Connectors|trv)\\$" > "$heim/handbuch-meldung.txt" || true
  import -window root /tmp/trv-handbuch.png
  xdotool key Return
  sleep 0.5
fi
sleep 0.5
kill \$pid
SCRIPT
chmod 644 "$ablauf"
als_nutzer QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  bash -c 'openbox >/dev/null 2>&1 & sleep 1; bash "$1"' sh "$ablauf"
rm -f "$ablauf"
$SUDO mv /tmp/trv-installiert.png "$bild"
[ -f "$heim/.config/trv/trv.INI" ] || fail "the settings are not in the user's configuration folder"
[ ! -e /usr/bin/trv.INI ] || fail "the program wrote into its installation"
klasse=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/ch.varnel.trv.desktop)
grep -qF "\"$klasse\"" "$heim/wm_class.txt" \
  || fail "WM_CLASS $(cat "$heim/wm_class.txt") does not match the desktop entry's StartupWMClass $klasse"
if [ -z "$pdf_programm" ]; then
  [ -s "$heim/handbuch-meldung.txt" ] || fail "the Manual command without a PDF viewer says nothing"
  $SUDO mv /tmp/trv-handbuch.png "$work/trv-handbuch.png"
fi
# The installed CAD files: read and audited by ezdxf, drawn by LibreCAD, as in the build.
bash tests/tools/cad_pruefen.sh "/usr/share/trv/CAD files" tests/tools/cad_pruefen.py "$work/cad" \
  > "$work/cad.log" 2>&1 || { cat "$work/cad.log"; fail "the installed CAD files do not pass"; }
tail -1 "$work/cad.log"

# The Python module beside the program, used by an ordinary user.
if [ -n "$pydeb" ]; then
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$pydeb" >/dev/null
  als_nutzer python3 -c "import trv; print(trv.Projekt.Oeffnen('$beispiel').Anwendung().Gewaehlt()['DornName'])" \
    > "$work/python.txt" 2>&1 || { cat "$work/python.txt"; fail "the installed Python module"; }
  grep -q 'TRV\|ZEDE' "$work/python.txt" || fail "the Python module reads no selected type"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y python3-trv >/dev/null
  dpkg-query -W python3-trv >/dev/null 2>&1 && fail "python3-trv is still known to dpkg"
fi

echo "== removal"
dpkg -L trv | sort > "$work/installiert.txt"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y trv >/dev/null
dpkg-query -W trv >/dev/null 2>&1 && fail "trv is still known to dpkg"
uebrig=$(sed 's|^\./|/|; s|/$||' "$work/dateien.txt" | while read -r datei; do
  [ -n "$datei" ] && [ "$datei" != / ] || continue
  # Shared folders (/usr/share/applications and the like) belong to other packages too.
  if [ -d "$datei" ] && dpkg -S "$datei" >/dev/null 2>&1; then continue; fi
  [ -e "$datei" ] && echo "$datei"
done || true)
[ -z "$uebrig" ] || fail "left after removal: $uebrig"
for spur in /usr/share/mime/globs2 /usr/share/mime/XMLnamespaces /usr/share/applications/mimeinfo.cache; do
  if [ -f "$spur" ] && grep -q 'x-trv-project\|ch\.varnel\.trv' "$spur"; then fail "$spur still names the program"; fi
done
$SUDO userdel --remove "$nutzer" 2>/dev/null || fail "the test user could not be removed"
id "$nutzer" >/dev/null 2>&1 && fail "the test user is still there"
[ ! -e "$heim" ] || fail "the test user's home is still there"
trap - EXIT
echo "ok: package built, checked, installed, run ($bild) and removed"
