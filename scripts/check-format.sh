#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (.clang-format at
# the root). Lists the files; `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null || { echo "check-format: $format is not installed" >&2; exit 2; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' dateien < <(git ls-files -z -- '*.cpp' '*.h')
else
  mapfile -d '' dateien < <(find src tests bench examples -name '*.cpp' -print0 -o -name '*.h' -print0)
fi
abweichend=()
for datei in "${dateien[@]}"; do
  "$format" --dry-run -Werror "$datei" >/dev/null 2>&1 || abweichend+=("$datei")
done
if [ ${#abweichend[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${abweichend[@]}" >&2
  echo "check-format: ${#abweichend[@]} of ${#dateien[@]} files differ from .clang-format" >&2
  exit 1
fi
echo "check-format: ${#dateien[@]} files formatted"
