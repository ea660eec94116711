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
for tool in wine wineboot wineserver; do
  command -v "$tool" >/dev/null || { echo "wine-tests: $tool not found (Debian package wine; scripts/install-deps.sh installs it)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kovra-wine.XXXXXX")
started=$SECONDS

export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installers: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# Ends the wineserver of one prefix (and so every Wine process in it).
stop_server() {
  WINEPREFIX="$1" wineserver -k >/dev/null 2>&1 || true
}

cleanup() {
  for prefix in "$work"/*/; do
    [ -f "$prefix/system.reg" ] && stop_server "${prefix%/}"
  done
  if [ "${KOVRA_WINE_KEEP:-0}" = 1 ]; then
    echo "wine-tests: prefixes and logs kept in $work"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# The prefix every run starts from: booted once, display set to the null driver, the X11 driver
# told not to wait for a window manager when a top-level window closes, and a crash reported
# with its backtrace on the console instead of a dialog that nobody would close.
template=$work/template
in_template() { env WINEPREFIX="$template" LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$@"; }
{
  in_template wineboot --init &&
    in_template wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f &&
    in_template wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
    in_template wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
    in_template wineserver -k
} </dev/null >"$work/wineboot.log" 2>&1 || { echo "wine-tests: could not create a Wine prefix (log: $work/wineboot.log)" >&2; cat "$work/wineboot.log" >&2; exit 1; }
echo "wine-tests: prefix ready in $((SECONDS - started)) s"

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
  stop_server "$prefix"
  tr -d '\r' <"$log.raw" >"$log"  # the Windows console ends its lines with CR LF

  echo "== $name ($unix_locale): exit $status, $((SECONDS - begun)) s"
  grep -E '^\[ locale   \]' "$log" || true
  if [ "$status" -ne 0 ]; then
    # Each failed test with its messages.
    awk '/^\[ RUN      \]/ { block = $0 "\n"; next }
         /^\[       OK \]/ { block = ""; next }
         /^\[  FAILED  \].*\([0-9]+ ms\)$/ { printf "%s%s\n", block, $0; block = ""; next }
         { block = block $0 "\n" }' "$log"
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
