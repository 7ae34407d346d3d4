#!/usr/bin/env bash
# The connector CAD blocks of the build: read and audited by ezdxf, their outlines checked
# against the connector dimensions, and two of them opened and drawn by LibreCAD.
# Usage: cad_pruefen.sh "CAD FILES FOLDER" CHECKER.py SCRATCHDIR
# A missing reader is a failure: a skipped check would pass unnoticed.
set -euo pipefail
folder=$1
checker=$2
dir=$3
python=/usr/bin/python3
if ! "$python" -c "import ezdxf" 2>/dev/null; then
  echo "FAIL: ezdxf cannot be imported by $python (install python3-ezdxf)" >&2
  exit 1
fi
command -v librecad >/dev/null || { echo "FAIL: librecad is missing" >&2; exit 1; }
"$python" "$checker" "$folder"
rm -rf "$dir"
mkdir -p "$dir"
for block in "TRV 22 Side View Block" "ZEDE 52 End View Block"; do
  cp "$folder/$block.dxf" "$dir/"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen timeout 120 librecad dxf2pdf -a "$block.dxf" >/dev/null 2>&1) || true
  [ -s "$dir/$block.pdf" ] || { echo "FAIL: LibreCAD did not draw $block" >&2; exit 1; }
done
echo "LibreCAD drew both blocks"
