#!/usr/bin/env bash
# Long fuzzing, outside the test command: each fuzzer in turn for SECONDS in WORKERS processes
# at low priority, all growing one corpus that is kept between runs in out/fuzz/<target>/corpus
# (out/ is not under version control). Prints each process's executions and coverage, then the
# coverage of the whole kept corpus.
# A finding stops the run with a non-zero exit: the input is out/fuzz/<target>/crash-… (or
# leak-…, timeout-…, oom-…) and the logs are out/fuzz/<target>/fuzz-*.log. To read a key-engine
# finding: KOVRA_FUZZ_TRACE=1 build/clang/fuzz/key_engine_fuzzer out/fuzz/key_engine_fuzzer/crash-…
# Usage: scripts/fuzz-long.sh [SECONDS [WORKERS [TARGET ...]]]
#   defaults: 3600 seconds per target, one process per core, both targets
#   KOVRA_FUZZ_FLAGS: more libFuzzer flags for every process (say "-max_len=512")
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-3600}
workers=${2:-$(nproc)}
targets=("${@:3}")
read -r -a flags <<<"${KOVRA_FUZZ_FLAGS:-}"
[ ${#targets[@]} -eq 0 ] && targets=(key_engine_fuzzer property_bag_fuzzer)

scripts/install-deps.sh native
cmake --preset clang >/dev/null
cmake --build --preset clang -j"$workers" --target "${targets[@]}"

for target in "${targets[@]}"; do
  fuzzer=$root/build/clang/fuzz/$target
  work=$root/out/fuzz/$target
  mkdir -p "$work/corpus"
  rm -f "$work"/fuzz-*.log
  echo "== $target: ${seconds} s in $workers processes ${flags[*]:-}, corpus $work/corpus" \
    "($(find "$work/corpus" -type f | wc -l) inputs kept)"
  # Independent processes that share the corpus directory and pick up each other's finds;
  # each writes fuzz-<n>.log in the working directory.
  if ! (cd "$work" && nice -n 10 "$fuzzer" -jobs="$workers" -workers="$workers" \
      -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$work/" \
      ${flags[@]+"${flags[@]}"} "$work/corpus" >"$work/jobs.log" 2>&1); then
    tail -n 60 "$work"/fuzz-*.log
    echo "$target found a fault: $(ls -t "$work" | grep -E '^(crash|leak|timeout|oom)-' | head -1)"
    exit 1
  fi
  scripts/fuzz-summary.sh "$work"/fuzz-*.log
  # The kept corpus replayed once: the coverage all processes reached together.
  "$fuzzer" -runs=0 -rss_limit_mb=4096 "$work/corpus" >"$work/replay.log" 2>&1
  echo "$target corpus: $(grep -E "INITED" "$work/replay.log" | grep -oE "cov: [0-9]+ ft: [0-9]+ corp: [0-9]+")"
done
