#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and UBSan into
# build-fuzz and runs each for SECONDS (default 60), starting from its seed corpus in
# fuzz/corpus/<target>/. What a run finds is written to build-fuzz/findings/<target>/
# (crash-*, leak-*, timeout-* files: feed one back with build-fuzz/fuzz/<target> FILE).
# The inputs a run learns are kept in build-fuzz/corpus/<target>/, the seeds are not touched.
#
# A new target (for instance an importer of another file format): see fuzz/CMakeLists.txt;
# this script runs every target listed there.
#
# scripts/fuzz.sh --runs N runs each target for N executions instead (scripts/fuzz.sh --runs
# 1000000 is the long run); FUZZ_TARGETS="fuzz_a fuzz_b" runs only those.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --runs ]; then
    limit=(-runs="${2:?--runs takes a number}")
    what="${2} executions"
else
    limit=(-max_total_time="${1:-60}")
    what="${1:-60} s"
fi
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
bash scripts/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQRT_FUZZ=ON \
    -DQRT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --target qrt_fuzz_targets -j "${FUZZ_JOBS:-2}"
targets=${FUZZ_TARGETS:-$(sed -n 's/^set(QRT_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/CMakeLists.txt)}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
# The targets write files on every run: a folder in memory keeps the disk out of it.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
# libFuzzer empties the sanitizer's allocator every second once the peak memory passes half
# the limit; in a long run the protocol target crossed it and ran five times slower, so the
# memory is left to the limit alone.
failed=()
for target in $targets; do
    corpus="$build_dir/corpus/$target"
    findings="$build_dir/findings/$target"
    mkdir -p "$corpus" "$findings"
    echo "== $target: $what"
    if ! "$build_dir/fuzz/$target" "${limit[@]}" -timeout=25 -rss_limit_mb=2048 \
        -purge_allocator_interval=-1 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "fuzz/corpus/$target"; then
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]} (see $build_dir/findings/)"
    exit 1
fi
echo "No findings."
