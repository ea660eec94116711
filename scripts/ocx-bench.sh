#!/usr/bin/env bash
# KovraDouble.ocx against the system's own controls under Wine, printed as ratios measured in
# one run (nothing is asserted): a late-bound read of Value against an IDispatch that does no
# work, making, loading and letting go a control against an EDIT with an up-down buddy, and the
# GDI and USER objects one control holds, with how many one process can hold.
#
# Usage: scripts/ocx-bench.sh
# Environment: KOVRA_WINE_BUILD  the 64-bit build directory (default build/mingw64)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KOVRA_WINE_BUILD:-$root/build/mingw64}
bench=$build/bench/ocx/kovra_ocx_bench.exe
ocx=$build/activex/KovraDouble.ocx
for file in "$bench" "$ocx"; do
  if [ ! -f "$file" ]; then
    echo "ocx-bench: $file is missing; build it with:" >&2
    echo "  cmake --preset mingw64 && cmake --build --preset mingw64" >&2
    exit 2
  fi
done

. "$root/scripts/wine-prefix.sh"
kovra_require_wine
kovra_wine_environment
kovra_start_workspace ocx-bench
prefix=$work/bench
cp -a "$template" "$prefix"
WINEPREFIX=$prefix wineserver -p </dev/null >/dev/null 2>&1
windows_ocx=$(WINEPREFIX=$prefix winepath -w "$ocx" 2>/dev/null)
status=0
WINEPREFIX=$prefix KOVRA_OCX="$windows_ocx" timeout 600 wine "$bench" </dev/null \
  >"$work/bench.out" 2>&1 || status=$?
tr -d '\r' <"$work/bench.out"
kovra_stop_server "$prefix"
exit "$status"
