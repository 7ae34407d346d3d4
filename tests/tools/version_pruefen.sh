#!/usr/bin/env bash
# The version is written once, in project() of CMakeLists.txt; every other file that shows it is
# generated from there. Fails on a file of the tree that spells the version out again, and on a
# generated file that does not carry it.
# Usage: version_pruefen.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

version=$(sed -n 's/^project(trv VERSION \([0-9.]*\) .*/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] || fail "no version in project() of CMakeLists.txt"
muster=$(printf '%s' "$version" | sed 's/\./\\./g')

# The tree's own files: those git knows, or every file outside build folders in an unpacked tree.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  dateien=$(cd "$src" && git ls-files --cached --others --exclude-standard)
else
  dateien=$(cd "$src" && find . -path './build*' -prune -o -path './.git' -prune -o -type f -print)
fi
treffer=$(cd "$src" && printf '%s\n' "$dateien" | grep -vxE '(\./)?CMakeLists\.txt' \
            | tr '\n' '\0' | xargs -0 -r grep -nIE "(^|[^0-9.])$muster([^0-9]|$)" -- 2>/dev/null || true)
[ -z "$treffer" ] || fail "the version $version is written by hand outside project():
$treffer"

for erzeugt in generiert/Programmversion.h paket/ch.varnel.trv.metainfo.xml paket/changelog \
               paket/trv.1 paket/trv-cli.1; do
  [ -f "$build/$erzeugt" ] || fail "$erzeugt was not generated"
  grep -qF "$version" "$build/$erzeugt" || fail "$erzeugt does not carry the version $version"
done
head -1 "$build/paket/changelog" | grep -qF "trv ($version)" || fail "the changelog's top entry is not $version"
echo "version $version in one place"
