#!/usr/bin/env bash
# The layering check must fail on a planted fault: a throwaway tree of four layers is compiled
# (preprocessed) by Ninja with the compiler's dependency output, as CMake's builds are, and the
# check is run on it clean and with one bad include at a time.
# Usage: check_layering_test.sh CHECK_LAYERING.PY CXX QT_INCLUDE_DIRS(colon-separated) SCRATCH
set -euo pipefail
check=$1
cxx=$2
qt=$3
dir=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$dir"
mkdir -p "$dir"/src/model "$dir"/src/sketches "$dir"/src/platform "$dir"/src/ui/main "$dir"/build

flags="-std=c++20 -fPIC -I../src"
IFS=: read -r -a qtordner <<< "$qt"
for o in "${qtordner[@]}"; do flags="$flags -isystem $o"; done

cat > "$dir/src/model/Zahl.h" <<'CPP'
#pragma once
inline int Zahl() { return 1; }
CPP
cat > "$dir/src/ui/main/Fenster.h" <<'CPP'
#pragma once
#include <QLineEdit>
CPP
printf '#include "model/Zahl.h"\n' > "$dir/src/model/Zahl.cpp"
printf '#include "model/Zahl.h"\n#include <QColor>\n' > "$dir/src/sketches/Skizze.cpp"
printf '#include "model/Zahl.h"\n#include <QGuiApplication>\n' > "$dir/src/platform/Ort.cpp"
printf '#include "ui/main/Fenster.h"\n#include "model/Zahl.h"\n' > "$dir/src/ui/main/Fenster.cpp"

cat > "$dir/build/build.ninja" <<NINJA
rule cxx
  command = $cxx $flags -MD -MF \$out.d -E \$in -o \$out
  depfile = \$out.d
  deps = gcc
build CMakeFiles/trv_core.dir/src/model/Zahl.cpp.o: cxx ../src/model/Zahl.cpp
build CMakeFiles/trv_render.dir/src/sketches/Skizze.cpp.o: cxx ../src/sketches/Skizze.cpp
build CMakeFiles/trv_platform.dir/src/platform/Ort.cpp.o: cxx ../src/platform/Ort.cpp
build CMakeFiles/trv_ui.dir/src/ui/main/Fenster.cpp.o: cxx ../src/ui/main/Fenster.cpp
NINJA

pruefen() { # expected exit, then the name of the case
  ninja -C "$dir/build" >"$dir/ninja.log" 2>&1 || { cat "$dir/ninja.log"; fail "$2: the tree does not build"; }
  set +e
  python3 "$check" --source "$dir" --build "$dir/build" >"$dir/out.txt" 2>&1
  status=$?
  set -e
  [ "$status" -eq "$1" ] || { cat "$dir/out.txt"; fail "$2: exit $status, expected $1"; }
}
pflanzen() { # file, line: the line goes first into the file
  { printf '%s\n' "$2"; cat "$dir/$1"; } > "$dir/$1.neu" && mv "$dir/$1.neu" "$dir/$1"
}

pruefen 0 "clean tree"
cp -r "$dir/src" "$dir/src.sauber"
zuruecksetzen() { rm -rf "$dir/src"; cp -r "$dir/src.sauber" "$dir/src"; }

# A widget in a sketch file, where the include path reaches QtWidgets.
pflanzen src/sketches/Skizze.cpp '#include <QLineEdit>'
pruefen 1 "widget include in the render layer"
grep -q 'src/sketches/Skizze.cpp (render) includes QtWidgets' "$dir/out.txt" || fail "names no widget header"
zuruecksetzen

# The same through a header of the window layer, reached by a relative path.
pflanzen src/platform/Ort.cpp '#include "../ui/main/Fenster.h"'
pruefen 1 "relative include of a higher layer"
grep -q 'src/platform/Ort.cpp (platform) includes src/ui/main/Fenster.h (ui)' "$dir/out.txt" \
  || fail "the relative include is not resolved"
zuruecksetzen

# Any Qt header in the core.
pflanzen src/model/Zahl.cpp '#include <QString>'
pruefen 1 "Qt include in the core"
grep -q 'src/model/Zahl.cpp (core) includes Qt' "$dir/out.txt" || fail "names no Qt header"
zuruecksetzen

# A listing without the layers (nothing built, or another build's) is no pass.
: > "$dir/leer.txt"
set +e
python3 "$check" --source "$dir" --deps "$dir/leer.txt" >"$dir/out.txt" 2>&1
status=$?
set -e
[ "$status" -eq 1 ] || fail "an empty listing passes"
echo "layering check: all cases behave"
