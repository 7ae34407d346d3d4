#!/usr/bin/env bash
# Writes the reinforcement drawings of all connector types and has ezdxf read and audit them.
# Usage: dxf_pruefen.sh GENERATOR CHECKER.py SCRATCHDIR
# A missing reader is a failure: a skipped check would pass unnoticed.
set -euo pipefail
generator=$1
checker=$2
dir=$3
python=/usr/bin/python3
if [ ! -x "$python" ]; then
  echo "FAIL: $python is missing (install python3-ezdxf)" >&2
  exit 1
fi
if ! "$python" -c "import ezdxf" 2>/dev/null; then
  echo "FAIL: ezdxf cannot be imported by $python (install python3-ezdxf)" >&2
  exit 1
fi
rm -rf "$dir"
mkdir -p "$dir"
"$generator" "$dir"
"$python" "$checker" "$dir"
