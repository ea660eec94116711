#!/usr/bin/env bash
# Every test: the include floors and the layout of the sources, the native suite (rounding
# oracle, behaviour corpus, example scripts) three times — under g++ with address and undefined-behaviour sanitizers, optimised by g++, and under clang,
# whose build fails on a view or reference that outlives what it looks at — then the fuzzers for
# a bounded time, the benchmarks (ratios printed, never judged), and the Windows builds (64- and
# 32-bit) with the suite under Wine in an English and a German prefix, the checks of
# KovraDouble.ocx (its files, registration, type library, registration-free use, the control
# object through every interface, a VBScript client, persistence and its corruption, ten
# thousand control lives) and its benchmarks (ratios printed, never judged).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# Installs what is missing and stops at once, naming the package, if any tool is still absent.
scripts/install-deps.sh all

echo "== includes point down the floors; layout as clang-format writes it"
python3 scripts/check-includes.py
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# configure_build_test PRESET: configures and builds a preset, then runs its test preset.
configure_build_test() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j"$jobs"
  ctest --preset "$1" -j"$jobs"
}

echo "== native: g++ with sanitizers"
configure_build_test native

echo "== release: g++ optimised"
configure_build_test release

echo "== clang: dangling views are errors; sanitizers"
configure_build_test clang

echo "== fuzzing (bounded time, fixed seed)"
fuzz_work=$(mktemp -d)
trap 'rm -rf "$fuzz_work"' EXIT
for fuzzer in key_engine_fuzzer property_bag_fuzzer; do
  mkdir "$fuzz_work/$fuzzer"
  if ! build/clang/fuzz/$fuzzer -seed=1 -max_total_time="${KOVRA_FUZZ_SECONDS:-45}" -timeout=20 \
      -rss_limit_mb=4096 -artifact_prefix=build/clang/ "$fuzz_work/$fuzzer" \
      >"$fuzz_work/$fuzzer.log" 2>&1; then
    tail -n 60 "$fuzz_work/$fuzzer.log"
    echo "$fuzzer found a fault; the input is in build/clang/"
    exit 1
  fi
  scripts/fuzz-summary.sh "$fuzz_work/$fuzzer.log"
done

echo "== benchmarks (release build)"
build/release/bench/kovra_bench

echo "== Windows builds (64- and 32-bit) and tests under Wine"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j"$jobs"
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 -j"$jobs"
scripts/wine-tests.sh
scripts/ocx-tests.sh
echo "== KovraDouble.ocx against the system's own controls under Wine (ratios, never judged)"
scripts/ocx-bench.sh
