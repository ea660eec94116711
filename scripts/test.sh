#!/usr/bin/env bash
# Every test: the native suites under address and undefined-behaviour sanitizers (with the
# rounding oracle, the behaviour corpus and the example scripts), the key-engine fuzzer for a
# bounded time, the benchmarks (ratios printed, never judged), then the Windows build and its
# suite under Wine, in an English and a German prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/install-deps.sh all

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== fuzzing (bounded time, fixed seed)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
fuzz_work=$(mktemp -d)
trap 'rm -rf "$fuzz_work"' EXIT
for fuzzer in key_engine_fuzzer property_bag_fuzzer; do
  mkdir "$fuzz_work/$fuzzer"
  if ! build/fuzz/fuzz/$fuzzer -seed=1 -max_total_time="${KOVRA_FUZZ_SECONDS:-45}" -timeout=20 \
      -rss_limit_mb=4096 -artifact_prefix=build/fuzz/ "$fuzz_work/$fuzzer" \
      >"$fuzz_work/$fuzzer.log" 2>&1; then
    tail -n 60 "$fuzz_work/$fuzzer.log"
    echo "$fuzzer found a fault; the input is in build/fuzz/"
    exit 1
  fi
  scripts/fuzz-summary.sh "$fuzz_work/$fuzzer.log"
done

echo "== benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
build/release/bench/kovra_bench

echo "== Windows build and tests under Wine"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j"$jobs"
scripts/wine-tests.sh
