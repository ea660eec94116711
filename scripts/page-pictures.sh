#!/usr/bin/env bash
# Pictures of the three property pages and the About box as KovraDouble.ocx shows them under
# Wine, for the README: docs/page-general.png, docs/page-xp.png, docs/page-format.png and
# docs/about.png. Runs kovra_page_pictures.exe on a virtual X display (xvfb-run) in a fresh
# prefix with Wine's X11 driver, then turns the captured .bmp files into PNG with Pillow.
#
# Usage: scripts/page-pictures.sh   (after cmake --build --preset mingw64)
# Environment: KOVRA_WINE_BUILD  the 64-bit build directory (default build/mingw64)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KOVRA_WINE_BUILD:-$root/build/mingw64}
program=$build/tests/ocx/kovra_page_pictures.exe
ocx=$build/activex/KovraDouble.ocx
for file in "$program" "$ocx"; do
  [ -f "$file" ] || { echo "page-pictures: $file is missing; build the mingw64 preset" >&2; exit 2; }
done

. "$root/scripts/wine-prefix.sh"
kovra_require_wine
kovra_wine_environment
kovra_start_workspace page-pictures
prefix=$work/pictures
cp -a "$template" "$prefix"
# A real display this time: the pictures are read from the screen.
WINEPREFIX=$prefix wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f </dev/null >/dev/null 2>&1
kovra_stop_server "$prefix"
mkdir -p "$work/out"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  export WINEPREFIX=$1
  KOVRA_OCX=$(winepath -w "$3" 2>/dev/null) wine "$2" "$(winepath -w "$4" 2>/dev/null)" </dev/null
  status=$?
  wineserver -k
  exit $status' _ "$prefix" "$program" "$ocx" "$work/out" >"$work/pictures.log" 2>&1 || {
  echo "page-pictures: the pictures could not be taken:" >&2
  cat "$work/pictures.log" >&2
  exit 1
}

/usr/bin/python3 - "$work/out" "$root/docs" <<'PY'
import sys
from pathlib import Path
from PIL import Image
source, target = Path(sys.argv[1]), Path(sys.argv[2])
for name in ("page-general", "page-xp", "page-format", "about"):
    Image.open(source / f"{name}.bmp").convert("RGB").save(target / f"{name}.png", optimize=True)
    print(f"page-pictures: docs/{name}.png")
PY
