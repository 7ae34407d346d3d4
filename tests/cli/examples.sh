#!/usr/bin/env bash
# The results stored in the example projects are what the calculation gives today: a change of
# a resistance, of the arrangement or of the file format shows here first (rewrite the examples
# with trv_projekte when the change is meant).
set -euo pipefail
cli=$1
scratch=$2
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"

source "$(dirname "$0")/../tools/cli_helfer.sh"

for project in "$examples"/*.TRV; do
    name=$(basename "$project")
    "$cli" calc "$project" -o "$scratch/$name" >/dev/null || fail "calc $name exited $?"
    if ! diff <(grep -v 'FileName=' "$project") <(grep -v 'FileName=' "$scratch/$name") >"$scratch/$name.diff"; then
        head -40 "$scratch/$name.diff" >&2
        fail "$name: recalculating changed the stored project"
    fi
done
echo ok
