#!/usr/bin/env bash
# Every test: the native suites under address and undefined-behaviour sanitizers (with the
# rounding oracle and the example scripts), the benchmarks (ratios printed, never judged),
# then the Windows build and its suite under Wine, in an English and a German prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/install-deps.sh all

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
build/release/bench/kovra_bench

echo "== Windows build and tests under Wine"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j"$jobs"
scripts/wine-tests.sh
