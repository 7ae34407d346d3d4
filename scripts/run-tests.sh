#!/usr/bin/env bash
# Builds the normal and the sanitizer build and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)
bash scripts/build.sh release
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/build.sh asan
ctest --test-dir build-asan --output-on-failure -j "$jobs"
