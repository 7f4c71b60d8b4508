#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through ctest.
# Pass --sanitize to build and test with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(bash scripts/build.sh "$@" | tail -n 1)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build_dir" --output-on-failure -j 2
