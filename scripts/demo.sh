#!/usr/bin/env bash
# The demo form from the real KovraDouble.ocx: builds the library and kovra-container (preset
# mingw64), registers the control in a private Wine prefix (out/demo/prefix), plays
# examples/demo.kcs in the container — on the display when there is one, otherwise on a virtual
# one (xvfb-run) — and writes its screenshot to docs/demo.png, and the pictures it takes of the
# About box and of the control's three pages in the property frame to docs/about.png and
# docs/page-general.png, docs/page-xp.png, docs/page-format.png. The container's output (the
# event log, message boxes, pictures taken, values read) is printed.
# Usage: scripts/demo.sh   (--on-this-display: the play alone, as the script runs itself under
#                          xvfb-run)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "${1:-}" != --on-this-display ]; then
  scripts/install-deps.sh all
  cmake --preset mingw64 >/dev/null
  cmake --build build/mingw64 -j"$(nproc)" --target KovraDouble kovra-container >/dev/null
fi

display=${DISPLAY:-}
. scripts/wine-prefix.sh
kovra_require_wine
kovra_wine_environment
prefix=$root/out/demo/prefix
mkdir -p out/demo docs
if [ ! -f "$prefix/system.reg" ]; then
  rm -rf "$prefix"
  kovra_make_prefix "$prefix" || {
    echo "demo: could not make the Wine prefix:" >&2
    cat "$prefix.log" >&2
    exit 1
  }
  # The screenshot reads the form's pixels: Wine's X11 driver, not the null one, draws here.
  kovra_use_x11_driver "$prefix"
fi
rm -f out/demo/*.bmp

play() {
  local status=0
  WINEPREFIX=$prefix wine regsvr32 /s build/mingw64/activex/KovraDouble.ocx </dev/null \
    >>"$prefix.log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    WINEPREFIX=$prefix wine build/mingw64/tools/container/kovra-container.exe examples/demo.kcs \
      </dev/null 2>>"$prefix.log" | tr -d '\r' || status=$?
  fi
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  return "$status"
}

if [ "${1:-}" = --on-this-display ]; then
  DISPLAY=$display play
  exit
fi
if [ -n "$display" ]; then
  DISPLAY=$display play
else
  # The script again, with the build and the prefix ready, on a virtual display of its own.
  xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-this-display
fi
for picture in demo about page-general page-xp page-format; do
  python3 scripts/bmp-to-png.py "out/demo/$picture.bmp" "docs/$picture.png"
  echo "demo: docs/$picture.png"
done
