#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Pass --sanitize for an
# AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
extra=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=${BUILD_DIR:-build-asan}
    extra=(-DQRT_SANITIZE=ON)
fi
bash scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${extra[@]}" >/dev/null
cmake --build "$build_dir" -j 2
echo "$build_dir"
