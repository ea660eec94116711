#!/usr/bin/env bash
# KovraDouble.ocx, 64-bit and 32-bit:
#   the files: machine type, the five exports, system imports only, and the type library,
#     toolbox bitmap and version resources (scripts/check-ocx.py; both builds);
#   under Wine, each in a fresh prefix made from one booted for this invocation:
#     nothing registered: the COM plumbing, the library's factories and unloading, the embedded
#       type libraries of both builds against the core's tables, registration-free use; the
#       control as late- and early-bound clients, event sinks and containers' persistence reach
#       it, seeded corruption of saved stores, and ten thousand control lives leaving nothing
#       behind;
#     on a virtual display (xvfb-run, Wine's X11 driver): the control on a form of the test's
#       own container — activation, keys, focus and Validate, drawing, the classic looks against
#       the headless pictures, sizes, frozen events,
#       ambient properties and the extender, the container's text-form bag, a Validate box
#       closing with its form, the system's property frame opened by the Properties verb, a
#       thousand forms leaving nothing behind;
#     machine-wide: `regsvr32` writes the keys the tests expect, a VBScript client (`cscript`)
#       makes the control by its ProgID and uses every property and method, the README's
#       example runs, the behaviour corpus (tests/corpus/*.kds) is played through the
#       registered control made by its ProgID on forms of the test container with real key
#       messages (en-US; Wine's null display driver serves focus, keys, message boxes and the
#       clipboard) — and a small file of its own shows the player failing a wrong expectation
#       and skipping a line without counterpart —, and `regsvr32 /u` removes the keys and the
#       classes of both hives are exported as they were before;
#     per user: the same with `regsvr32 /n /i:user` and `regsvr32 /u /n /i:user` (Wine reads
#       classes from the machine's hive only, so no script client there).
# 32-bit Wine cannot be installed on these machines: the 32-bit library is checked as a file and
# its type library is read as data, but it is not loaded or registered.
#
# Usage: scripts/ocx-tests.sh
# Environment: KOVRA_WINE_BUILD    the 64-bit build directory (default build/mingw64)
#              KOVRA_WINE_BUILD32  the 32-bit build directory (default build/mingw32)
#              KOVRA_WINE_KEEP=1   keep the prefixes and logs (their folder is printed)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KOVRA_WINE_BUILD:-$root/build/mingw64}
build32=${KOVRA_WINE_BUILD32:-$root/build/mingw32}
ocx=$build/activex/KovraDouble.ocx
ocx32=$build32/activex/KovraDouble.ocx
tests=$build/tests/ocx/kovra_ocx_tests.exe
answerer=$build/tests/ocx/kovra_dialog_answerer.exe
recorder=$build/tests/ocx/kovra_url_recorder.exe  # the About box's link test starts it
container=$build/tools/container/kovra-container.exe
for file in "$ocx" "$ocx32" "$tests" "$answerer" "$recorder" "$container"; do
  if [ ! -f "$file" ]; then
    echo "ocx-tests: $file is missing; build it with:" >&2
    echo "  cmake --preset mingw64 && cmake --build --preset mingw64" >&2
    echo "  cmake --preset mingw32 && cmake --build --preset mingw32" >&2
    exit 2
  fi
done

failed=0
echo "== the library files"
python3 "$root/scripts/check-ocx.py" "$ocx" 64 || failed=1
python3 "$root/scripts/check-ocx.py" "$ocx32" 32 || failed=1

. "$root/scripts/wine-prefix.sh"
kovra_require_wine
kovra_wine_environment
started=$SECONDS
kovra_start_workspace ocx-tests

# in_prefix COMMAND...: runs a Wine command in the current scenario's prefix, its output logged.
in_prefix() { WINEPREFIX=$prefix "$@" </dev/null >>"$log" 2>&1; }

# start_scenario NAME: a fresh prefix with one wineserver kept alive for the scenario.
start_scenario() {
  prefix=$work/$1
  log=$work/$1.log
  cp -a "$template" "$prefix"
  WINEPREFIX=$prefix wineserver -p </dev/null >/dev/null 2>&1
  windows_ocx=$(WINEPREFIX=$prefix winepath -w "$ocx" 2>/dev/null)
  windows_ocx32=$(WINEPREFIX=$prefix winepath -w "$ocx32" 2>/dev/null)
}

# run_tests REGISTRATION FILTER [SECONDS]: the test program for one state of the prefix, run
# through the command in the array `runner` when it holds one (a virtual display).
runner=()
run_tests() {
  local status=0 output=$log.tests limit=${3:-600}
  WINEPREFIX=$prefix KOVRA_OCX="$windows_ocx" KOVRA_OCX32="$windows_ocx32" KOVRA_REGISTRATION="$1" \
    "${runner[@]}" timeout "$limit" wine "$tests" --gtest_color=no --gtest_filter="$2" \
    </dev/null >"$output.raw" 2>&1 || status=$?
  tr -d '\r' <"$output.raw" >"$output"  # the Windows console ends its lines with CR LF
  cat "$output" >>"$log"
  if [ "$status" -ne 0 ]; then
    kovra_failed_tests "$output"
    [ "$status" -eq 124 ] && echo "ocx-tests: the tests timed out"
    failed=1
  fi
  grep -E '^\[  (PASSED|FAILED) +\] [0-9]|^\[  SKIPPED \] [A-Z]' "$output" || true
}

# run_script FILE EXPECTED_OUTPUT EXPECTED_BOXES: a script under `wine cscript` in the current
# prefix, with the control's message boxes answered and logged ("title|text" lines); its output
# and the boxes must be as expected, and it must end with status 0.
run_script() {
  local script=$1 expected=$2 boxes=$3 name status=0
  name=$(basename "$script")
  rm -f "$work/boxes.log" "$work/answered"
  WINEPREFIX=$prefix wine "$answerer" "$(WINEPREFIX=$prefix winepath -w "$work/boxes.log")" \
    "$(WINEPREFIX=$prefix winepath -w "$work/answered")" </dev/null >>"$log" 2>&1 &
  local answering=$!
  WINEPREFIX=$prefix timeout 120 wine cscript //nologo "$(WINEPREFIX=$prefix winepath -w "$script")" \
    </dev/null >"$work/script.out" 2>&1 || status=$?
  touch "$work/answered"
  wait "$answering" || true
  tr -d '\r' <"$work/script.out" >"$work/script.txt"
  cat "$work/script.txt" >>"$log"
  if [ "$status" -ne 0 ] || ! diff -u <(printf '%s' "$expected") "$work/script.txt" >/dev/null; then
    echo "ocx-tests: $name ended with status $status and printed:"
    cat "$work/script.txt"
    failed=1
  fi
  if ! diff -u <(printf '%s' "$boxes") <(cat "$work/boxes.log" 2>/dev/null) >/dev/null; then
    echo "ocx-tests: $name showed other message boxes:"
    cat "$work/boxes.log" 2>/dev/null || echo "(none)"
    failed=1
  fi
  echo "   $name: status $status"
}

# The corpus cases the container must play to their end: a case whose line has no counterpart
# through the control's interfaces (a text written as the control's own code writes it, state
# only a probe reads, a focus change no container makes) is skipped with its reason, and the
# floor keeps skipping from growing unnoticed. Raise it when the corpus grows.
corpus_floor=113

# play_corpus: every case of the behaviour corpus through the registered control, made by its
# ProgID, in the current prefix; each failure and each skip with its reason, and the tallies.
play_corpus() {
  local status=0 file files=()
  for file in "$root"/tests/corpus/*.kds; do
    files+=("$(WINEPREFIX=$prefix winepath -w "$file")")
  done
  WINEPREFIX=$prefix LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 timeout 300 wine "$container" \
    --corpus Kovra_Double.KovraDouble --floor "$corpus_floor" "${files[@]}" \
    </dev/null >"$work/corpus.out" 2>>"$log" || status=$?
  tr -d '\r' <"$work/corpus.out" | tee -a "$log" | sed 's/^/   /'
  if [ "$status" -ne 0 ]; then
    echo "ocx-tests: the corpus through the registered control ended with status $status"
    failed=1
  fi
  # The player itself: a wrong expectation fails and a line without counterpart skips.
  status=0
  WINEPREFIX=$prefix LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 timeout 60 wine "$container" \
    --corpus Kovra_Double.KovraDouble \
    "$(WINEPREFIX=$prefix winepath -w "$root/tests/ocx/corpus_player_check.kds")" \
    </dev/null >"$work/corpus_check.out" 2>>"$log" || status=$?
  tr -d '\r' <"$work/corpus_check.out" >>"$log"
  if [ "$status" -ne 1 ] ||
    ! grep -q 'corpus_player_check.kds: played 2, skipped 1, failed 1' "$work/corpus_check.out"; then
    echo "ocx-tests: the corpus player's own check ended with status $status and printed:"
    tr -d '\r' <"$work/corpus_check.out"
    failed=1
  fi
}

# export_classes NAME: both hives' classes, as files NAME.machine.reg and NAME.user.reg (a
# fresh prefix has no HKCU\Software\Classes at all: the file then says so).
export_classes() {
  in_prefix wine reg export 'HKLM\Software\Classes' "$work/$1.machine.reg" /y
  in_prefix wine reg export 'HKCU\Software\Classes' "$work/$1.user.reg" /y ||
    echo "no HKCU\Software\Classes" | iconv -t UTF-16LE >"$work/$1.user.reg"
}

# same_classes: the classes after unregistration are those before registration.
same_classes() {
  local hive
  for hive in machine user; do
    if ! cmp -s "$work/before.$hive.reg" "$work/after.$hive.reg"; then
      echo "ocx-tests: unregistration left the $hive classes changed:"
      diff <(iconv -f UTF-16LE -t UTF-8 "$work/before.$hive.reg") \
           <(iconv -f UTF-16LE -t UTF-8 "$work/after.$hive.reg") | head -n 40 || true
      failed=1
    fi
  done
}

# round_trip NAME REGISTRATION [regsvr32 options]: registers, tests, unregisters, compares.
round_trip() {
  local name=$1 registration=$2
  shift 2
  start_scenario "$name"
  echo "== $name: regsvr32${*:+ $*} KovraDouble.ocx, then regsvr32 /u${*:+ $*}"
  if [ "$registration" = machine ]; then
    # The script host registers its own type library the first time it runs, and Wine's
    # standard font object registers the standard OLE library again the first time a script
    # reaches a font by name: both before the classes are taken down for the comparison, not
    # in the middle of it.
    printf 'Set font = CreateObject("StdFont")\nfont.Name = "Arial"\n' >"$work/warm_up.vbs"
    in_prefix wine cscript //nologo "$(WINEPREFIX=$prefix winepath -w "$work/warm_up.vbs")" || true
  fi
  export_classes before
  # Removing what is not there succeeds and changes nothing (the final comparison sees it).
  if ! in_prefix wine regsvr32 /s /u "$@" "$windows_ocx"; then
    echo "ocx-tests: regsvr32 /u $* failed on a prefix where nothing is registered"
    failed=1
  fi
  if ! in_prefix wine regsvr32 /s "$@" "$windows_ocx"; then
    echo "ocx-tests: regsvr32 $* failed (log: $log)"
    failed=1
  fi
  run_tests "$registration" 'Registered*.*'
  if [ "$registration" = machine ]; then
    run_script "$root/tests/ocx/script_client.vbs" "" \
      "About Control KovraDouble|
Ostra DoubleSingle Error|The property  value is not valid    
"
    run_script "$root/examples/read_value.vbs" "1234.5
1234.5
" ""
    play_corpus
  fi
  if ! in_prefix wine regsvr32 /s /u "$@" "$windows_ocx"; then
    echo "ocx-tests: regsvr32 /u $* failed"
    failed=1
  fi
  export_classes after
  same_classes
  kovra_stop_server "$prefix"
}

start_scenario unregistered
echo "== nothing registered: plumbing, module, type libraries, registration-free use, the control"
run_tests none '-Registered*.*:Lifetime.*:Container.*'
echo "== nothing registered: ten thousand control lives"
run_tests none 'Lifetime.*' 1800
kovra_stop_server "$prefix"

# The container tests compare the control's drawing with the pixels of its window, which Wine's
# null display driver does not keep: they run on a virtual X display with the X11 driver.
start_scenario container
kovra_use_x11_driver "$prefix"
echo "== nothing registered, on a virtual display: the control on a form"
runner=(xvfb-run -a -s "-screen 0 1024x768x24")
run_tests none 'Container.*' 900
runner=()
kovra_stop_server "$prefix"

round_trip machine machine
round_trip user user /n /i:user

echo "ocx-tests: $((SECONDS - started)) s in all"
exit "$failed"
