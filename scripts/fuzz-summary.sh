#!/usr/bin/env bash
# Prints one line per libFuzzer log: the target, how many inputs ran in how long, and the
# coverage reached — edges (cov), features (ft) and corpus size — from the last status line.
# Reads plain runs ("#N DONE cov: …" and "Done N runs in S second(s)") and fork-mode runs
# ("#N: cov: … time: Ss").
# Usage: scripts/fuzz-summary.sh LOG ...   (the target is the log's name without .log)
set -euo pipefail

for log in "$@"; do
  awk -v name="$(basename "$log" .log)" '
    function field(key,   i) {
      for (i = 1; i < NF; ++i) if ($i == key) return $(i + 1)
      return "?"
    }
    /^#[0-9]+:?[ \t].*cov: [0-9]+ ft: [0-9]+/ {
      runs = substr($1, 2); sub(":", "", runs)
      cov = field("cov:"); ft = field("ft:"); corp = field("corp:"); sub("/.*", "", corp)
      if (field("time:") != "?") { seconds = field("time:"); sub("s$", "", seconds) }
    }
    /^Done [0-9]+ runs in [0-9]+ second/ { runs = $2; seconds = $5 }
    END {
      if (runs == "") { printf "%s: no status line\n", name; exit 1 }
      if (seconds > 0) rate = sprintf(" (%d/s)", runs / seconds)
      else seconds = "?"
      printf "%s: %d runs in %s s%s, cov: %s ft: %s corp: %s\n", name, runs, seconds, rate, cov,
             ft, corp
    }' "$log"
done
