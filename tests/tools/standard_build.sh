#!/usr/bin/env bash
# A user's build: configured with a build type and nothing else, it must not stop on a warning
# that a newer compiler or a higher optimisation level brings up. Checks that warnings are not
# errors by default, and that the file GCC 12 warned about at -O3 compiles cleanly there even
# with -Werror (the project's own builds keep warnings as errors).
# Usage: standard_build.sh SOURCE_DIR CXX_COMPILER SCRATCHDIR
set -euo pipefail
src=$1
cxx=$2
dir=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$dir"
mkdir -p "$dir"

for type in Release Debug; do
    cmake -S "$src" -B "$dir/$type" -G Ninja -DCMAKE_BUILD_TYPE=$type -DCMAKE_CXX_COMPILER="$cxx" \
        >"$dir/$type.log" 2>&1 || { cat "$dir/$type.log" >&2; fail "$type: configure failed"; }
    grep -q '^TRV_WERROR:BOOL=OFF$' "$dir/$type/CMakeCache.txt" \
        || fail "$type: warnings are errors by default"
    grep -q -- '-Werror' "$dir/$type/build.ninja" && fail "$type: -Werror in a default build"
done

# The Release compile command of src/dxf/DxfGruppen.cpp, run once more with -Werror.
command=$(/usr/bin/python3 - "$dir/Release/compile_commands.json" <<'EOF'
import json, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].endswith("/src/dxf/DxfGruppen.cpp"):
        print(entry["command"])
        break
EOF
)
[ -n "$command" ] || fail "no compile command for src/dxf/DxfGruppen.cpp"
case "$command" in *" -O3 "*) ;; *) fail "Release does not compile with -O3: $command" ;; esac
mkdir -p "$dir/Release/CMakeFiles/trv_core.dir/src/dxf"
(cd "$dir/Release" && eval "$command -Werror") || fail "src/dxf/DxfGruppen.cpp warns at -O3"
echo "standard build: all checks passed"
