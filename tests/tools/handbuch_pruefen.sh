#!/usr/bin/env bash
# The manual beside the program: a PDF that poppler reads, with its contents and a chapter for
# every window of the program.
# usage: handbuch_pruefen.sh "TRV Manual.pdf"
set -euo pipefail
pdf=$1
for tool in pdfinfo pdftotext; do
  command -v "$tool" >/dev/null || { echo "missing $tool (poppler-utils)"; exit 1; }
done
info=$(pdfinfo "$pdf")
seiten=$(echo "$info" | awk '/^Pages:/ {print $2}')
[ "$seiten" -ge 20 ] || { echo "only $seiten pages"; exit 1; }
grep -q '^Title: *Varnel - TRV / ZEDE Shear Connectors - Manual' <<< "$info" || { echo "no title"; exit 1; }
grep -q '^Page size:.*(A4)' <<< "$info" || { echo "not A4"; exit 1; }
# The fonts set "fi" and "fl" as ligatures; pdftotext gives them as one character.
ohne_ligaturen() { sed 's/\xef\xac\x81/fi/g; s/\xef\xac\x82/fl/g'; }
text=$(pdftotext -layout "$pdf" - | ohne_ligaturen)
inhalt=$(pdftotext -f 2 -l 2 -layout "$pdf" - | ohne_ligaturen)
fehlt=0
# Every window and dialog has its chapter, listed in the contents with a page number.
for kapitel in "Start-up and languages" "Main window" "Input" "Calculation and result list" \
               "Result sheet and outputs" "Design options dialog" "Arbitrary load profile dialog" \
               "Reinforcement dialog" "Colour settings dialog" "Project data dialog" \
               "Project administration dialog" "Zoom window" "Connector schedule" "DXF drawings" \
               "Design basis" "Files and settings" "Command line: trv-cli" "Using the help" \
               "About the program"; do
  if ! grep -Eq "^ *${kapitel} +[0-9]+$" <<< "$inhalt"; then
    echo "contents lack: $kapitel"; fehlt=1
  fi
  grep -qF "$kapitel" <<< "$text" || { echo "text lacks: $kapitel"; fehlt=1; }
done
# The start window and the DXF viewer are named in their chapters.
for fenster in "start window" "DXF viewer"; do
  grep -qiF "$fenster" <<< "$text" || { echo "no mention of the $fenster"; fehlt=1; }
done
[ $fehlt -eq 0 ] || exit 1
echo "ok: $seiten pages"
