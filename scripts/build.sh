#!/usr/bin/env bash
# Configures and builds one build folder: build.sh [release|asan|fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-release}
# Line tables (-g1) are all that profiles, backtraces and the sanitizers' reports need; full
# debug information would almost double the compile time.
case "$kind" in
  release) cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRV_WERROR=ON \
                 -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
           cmake --build build ;;
  asan)    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRV_SANITIZE=ON -DTRV_WERROR=ON \
                 -DCMAKE_CXX_FLAGS_DEBUG="-g1" >/dev/null
           cmake --build build-asan ;;
  fuzz)    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
                 -DTRV_FUZZ=ON -DTRV_WERROR=OFF >/dev/null
           cmake --build build-fuzz --target trv_fuzz_projektdatei ;;
  *) echo "usage: build.sh [release|asan|fuzz]" >&2; exit 64 ;;
esac
