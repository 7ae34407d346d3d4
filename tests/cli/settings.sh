#!/usr/bin/env bash
# trv-cli reads the user's settings but never writes them: closing a project used to write the
# load factors of every position back into the settings file, and a run from a writable program
# folder created one there.
set -euo pipefail
cli=$1
scratch=$2
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch/prog"
source "$(dirname "$0")/../tools/cli_helfer.sh"

# A writable program folder of its own: the settings file lives beside the executable.
cp "$cli" "$scratch/prog/trv-cli"
cli="$scratch/prog/trv-cli"
ini="$scratch/prog/trv.INI"
project="$examples/several-positions-with-schedule.TRV"

run 0 report "$project"
run 0 calc "$project" -o "$scratch/out.TRV"
[ ! -e "$ini" ] || fail "a settings file was created: $(cat "$ini")"

# Factors that differ from every position's, so a write would change the file.
printf '[Anwenderdaten]\r\nPunktlast_Tgg=1.9\r\nLinienlastLinks_Tgq=1.1\r\nGammaMs=1.2\r\n' >"$ini"
cp "$ini" "$scratch/vorher.INI"
run 0 report "$project"
run 0 report --json "$project"
run 0 calc "$project" -o "$scratch/out.TRV"
cmp "$scratch/vorher.INI" "$ini" || fail "the settings file changed: $(cat "$ini")"
echo "ok"
