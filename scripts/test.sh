#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the normal build (build/): all tests through CTest;
#  2. the sanitizer build (build-asan/, clang with AddressSanitizer and
#     UndefinedBehaviorSanitizer): all tests again, then every fuzz target
#     for a short, bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${ARVEX_FUZZ_SECONDS:-10}

./scripts/install-deps.sh

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

echo "== sanitizer build"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DARVEX_SANITIZE=ON -DARVEX_FUZZ=ON -DARVEX_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 600

echo "== fuzz targets (${fuzz_seconds}s each)"
./scripts/run-fuzzers.sh build-asan "$fuzz_seconds"
echo "== all tests passed"
