#!/usr/bin/env bash
# Prints one line per libFuzzer log: the target, how many inputs ran in how long, and the
# coverage reached — edges (cov), features (ft) and corpus size — from the last status line.
# Reads plain runs ("#N DONE cov: …" and "Done N runs in S second(s)") and fork-mode runs
# ("#N: cov: … time: Ss"). With several logs (say the processes of one long run), a last line adds
# their runs up.
# Usage: scripts/fuzz-summary.sh LOG ...   (each named by the log's name without .log)
set -euo pipefail

awk '
  function field(key,   i) {
    for (i = 1; i < NF; ++i) if ($i == key) return $(i + 1)
    return "?"
  }
  function report(   name, rate) {
    name = file; sub(".*/", "", name); sub("[.]log$", "", name)
    if (runs == "") { printf "%s: no status line\n", name; failed = 1; return }
    rate = ""
    if (seconds > 0) rate = sprintf(" (%d/s)", runs / seconds)
    else seconds = "?"
    printf "%s: %d runs in %s s%s, cov: %s ft: %s corp: %s\n", name, runs, seconds, rate, cov,
           ft, corp
    total += runs
  }
  FNR == 1 {
    if (NR > 1) report()
    file = FILENAME; ++logs; runs = ""; seconds = ""
  }
  /^#[0-9]+:?[ \t].*cov: [0-9]+ ft: [0-9]+/ {
    runs = substr($1, 2); sub(":", "", runs)
    cov = field("cov:"); ft = field("ft:"); corp = field("corp:"); sub("/.*", "", corp)
    if (field("time:") != "?") { seconds = field("time:"); sub("s$", "", seconds) }
  }
  /^Done [0-9]+ runs in [0-9]+ second/ { runs = $2; seconds = $5 }
  END {
    if (NR > 0) report()
    if (logs > 1) printf "all %d logs: %d runs\n", logs, total
    exit failed
  }' "$@"
