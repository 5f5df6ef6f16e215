#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, each on a
# scratch copy of its seed corpus (fuzz/corpus/<target>/).
# Usage: run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
seconds=${2:-20}
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets in $build/fuzz"
  exit 0
fi
for target in "${targets[@]}"; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  if [ -d "fuzz/corpus/${name#fuzz_}" ]; then
    cp -r "fuzz/corpus/${name#fuzz_}/." "$work/"
  fi
  echo "-- $name"
  mkdir -p "$build/fuzz-artifacts"
  log="$work.log"
  set +e
  "$target" "$work" -artifact_prefix="$build/fuzz-artifacts/$name-" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 >"$log" 2>&1
  status=$?
  set -e
  grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Done" "$log" || true
  if [ "$status" -ne 0 ]; then tail -60 "$log"; fi
  rm -f "$log"
  rm -rf "$work"
  if [ "$status" -ne 0 ]; then
    echo "$name found a problem (exit $status); the input is in $build/fuzz-artifacts/"
    exit 1
  fi
done
