#!/usr/bin/env bash
# Runs the Windows test executable under Wine, headless, once per user locale: English (en-US,
# "1,234.45") and German (de-DE, "1.234,45"). Each run gets a fresh Wine prefix, copied from one
# prefix made for this invocation, with Wine's null display driver (windows, EDIT controls,
# message boxes and the clipboard all work without an X server) and one wineserver kept alive
# for the run. Exits non-zero when any test fails.
#
# Usage: scripts/wine-tests.sh [extra gtest options, e.g. --gtest_filter=Win32*]
# Environment: KOVRA_WINE_BUILD   build directory (default build/mingw64)
#              KOVRA_WINE_KEEP=1  keep the prefixes and logs (their folder is printed)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KOVRA_WINE_BUILD:-$root/build/mingw64}
exe=$build/tests/kovra_win32_tests.exe
if [ ! -f "$exe" ]; then
  echo "wine-tests: $exe is missing; build it with:" >&2
  echo "  cmake --preset mingw64 && cmake --build --preset mingw64" >&2
  exit 2
fi
. "$root/scripts/wine-prefix.sh"
kovra_require_wine
kovra_wine_environment

started=$SECONDS
kovra_start_workspace wine-tests

failed=0

# run_suite NAME UNIX_LOCALE DECIMAL GROUP [gtest options...]
run_suite() {
  local name=$1 unix_locale=$2 decimal=$3 group=$4
  shift 4
  local prefix=$work/$name log=$work/$name.log status=0 begun=$SECONDS
  cp -a "$template" "$prefix"
  # One persistent wineserver for the run: later Wine processes attach to it at once.
  WINEPREFIX=$prefix wineserver -p </dev/null >/dev/null 2>&1
  # The test of the locale probe checks the separators named here.
  env WINEPREFIX="$prefix" LC_ALL="$unix_locale" LANG="$unix_locale" \
    KOVRA_EXPECT_DECIMAL="$decimal" KOVRA_EXPECT_GROUP="$group" \
    timeout 300 wine "$exe" --gtest_color=no "$@" </dev/null >"$log.raw" 2>&1 || status=$?
  kovra_stop_server "$prefix"
  tr -d '\r' <"$log.raw" >"$log"  # the Windows console ends its lines with CR LF

  echo "== $name ($unix_locale): exit $status, $((SECONDS - begun)) s"
  grep -E '^\[ locale   \]' "$log" || true
  if [ "$status" -ne 0 ]; then
    kovra_failed_tests "$log"
    [ "$status" -eq 124 ] && echo "wine-tests: $name timed out"
    failed=1
  fi
  # gtest's summary: the count, PASSED, and the FAILED list.
  sed -n '/^\[==========\] .* ran\./,$p' "$log"
  grep -q -E '^\[  PASSED  \]' "$log" || failed=1
  # The German run must really have run under German separators.
  if [ "$name" = de-DE ] && ! grep -q "decimal ',' group '.'" "$log"; then
    echo "wine-tests: the de-DE run did not see the German separators"
    failed=1
  fi
}

run_suite en-US en_US.UTF-8 . , "$@"
run_suite de-DE de_DE.UTF-8 , . "$@"

echo "wine-tests: $((SECONDS - started)) s in all"
exit "$failed"
