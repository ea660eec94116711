#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing, then
# checks that every command and file the scripts use is really there. A missing one stops the
# script at once with the name of the package that brings it, before any long work starts.
# Usage: scripts/install-deps.sh [native|all]   (native: enough for the driver and native tests)
set -euo pipefail

# package | the commands and files of it that the build and the scripts use
native=(
  "cmake|cmake ctest"
  "make|make"
  "g++|g++"
  "python3|python3 /usr/bin/python3"
  "python3-pil|/usr/lib/python3/dist-packages/PIL/Image.py"
  "googletest|/usr/src/googletest/CMakeLists.txt"
  "libgtest-dev|/usr/include/gtest/gtest.h"
  "libbenchmark-dev|/usr/include/benchmark/benchmark.h"
  "clang|clang++"
  "clang-format|clang-format"
  "libclang-rt-14-dev|"
  "libpng-dev|/usr/include/png.h"
)
windows=(
  "wine|wine wineboot winepath"
  "wine64|"
  "libwine|wineserver"
  "libwine-dev|/usr/include/wine/wine/windows/oaidl.idl"
  "g++-mingw-w64-x86-64-posix|x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix"
  "g++-mingw-w64-i686-posix|i686-w64-mingw32-g++-posix i686-w64-mingw32-gcc-posix"
  "binutils-mingw-w64-x86-64|x86_64-w64-mingw32-objdump x86_64-w64-mingw32-windres"
  "binutils-mingw-w64-i686|i686-w64-mingw32-objdump i686-w64-mingw32-windres"
  "mingw-w64-tools|x86_64-w64-mingw32-widl i686-w64-mingw32-widl"
  "xvfb|xvfb-run Xvfb"
  "xauth|xauth"  # xvfb-run needs it; xvfb only recommends it
)

wanted=("${native[@]}")
[ "${1:-all}" = "all" ] && wanted+=("${windows[@]}")

missing=()
for entry in "${wanted[@]}"; do
  package=${entry%%|*}
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Every command on the PATH and every file where the build looks for it.
absent=()
for entry in "${wanted[@]}"; do
  package=${entry%%|*}
  for needed in ${entry#*|}; do
    if [[ $needed == /* ]]; then
      [ -e "$needed" ] || absent+=("$needed (Debian package $package)")
    else
      command -v "$needed" >/dev/null || absent+=("$needed (Debian package $package)")
    fi
  done
done
# The build encodes the About box's picture with Pillow through the system's own Python (a
# python3 earlier on the PATH may be another one, without Pillow).
/usr/bin/python3 -c "import PIL.Image" 2>/dev/null ||
  absent+=("Pillow for /usr/bin/python3 (Debian package python3-pil)")
if [ ${#absent[@]} -gt 0 ]; then
  echo "install-deps: still missing after installing:" >&2
  printf '  %s\n' "${absent[@]}" >&2
  exit 1
fi
