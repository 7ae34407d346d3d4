#!/usr/bin/env bash
# Both programs print the version of project() and exit; the desktop program used to take
# "--version" and "--help" as a project file to open.
set -euo pipefail
cli=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
source "$(dirname "$0")/../tools/cli_helfer.sh"

version=$(sed -n 's/^project(trv VERSION \([0-9.]*\) .*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || fail "no version in CMakeLists.txt"
run 0 --version
[ "$(cat "$scratch/out.txt")" = "trv-cli $version" ] || fail "trv-cli --version: $(cat "$scratch/out.txt")"

trv="$(dirname "$cli")/trv"
[ -x "$trv" ] || fail "the desktop program is not beside trv-cli"
[ "$(timeout 10 "$trv" --version)" = "trv $version" ] || fail "trv --version"
timeout 10 "$trv" --help | grep -q '^usage: trv' || fail "trv --help"
echo "ok"
