#!/usr/bin/env bash
# Long fuzzing, outside the test command: each fuzzer in turn for SECONDS on WORKERS processes
# (libFuzzer's fork mode), at low priority, growing a corpus that is kept between runs in
# out/fuzz/<target>/corpus (out/ is not under version control). Prints the executions and the
# coverage reached at the end of each target's run.
# A finding stops the run with a non-zero exit: the input is out/fuzz/<target>/crash-… (or
# leak-…, timeout-…, oom-…) and the log is out/fuzz/<target>/fuzz.log. To read a key-engine
# finding: KOVRA_FUZZ_TRACE=1 build/fuzz/fuzz/key_engine_fuzzer out/fuzz/key_engine_fuzzer/crash-…
# Usage: scripts/fuzz-long.sh [SECONDS [WORKERS [TARGET ...]]]
#   defaults: 3600 seconds per target, one worker per core, both targets
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-3600}
workers=${2:-$(nproc)}
targets=("${@:3}")
[ ${#targets[@]} -eq 0 ] && targets=(key_engine_fuzzer property_bag_fuzzer)

scripts/install-deps.sh native
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$workers" --target "${targets[@]}"

for target in "${targets[@]}"; do
  work=out/fuzz/$target
  mkdir -p "$work/corpus"
  echo "== $target: ${seconds} s on $workers workers, corpus $work/corpus" \
    "($(find "$work/corpus" -type f | wc -l) inputs kept)"
  if ! nice -n 10 "build/fuzz/fuzz/$target" -fork="$workers" -max_total_time="$seconds" \
      -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$work/" "$work/corpus" \
      >"$work/fuzz.log" 2>&1; then
    tail -n 60 "$work/fuzz.log"
    echo "$target found a fault: $(ls -t "$work" | grep -E '^(crash|leak|timeout|oom)-' | head -1)"
    exit 1
  fi
  scripts/fuzz-summary.sh "$work/fuzz.log"
done
