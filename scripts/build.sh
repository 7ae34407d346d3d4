#!/usr/bin/env bash
# Configures and builds one build folder: build.sh [release|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-release}
case "$kind" in
  release) cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
           cmake --build build ;;
  asan)    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRV_SANITIZE=ON >/dev/null
           cmake --build build-asan ;;
  *) echo "usage: build.sh [release|asan]" >&2; exit 64 ;;
esac
