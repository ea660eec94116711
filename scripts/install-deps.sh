#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Usage: scripts/install-deps.sh [native|all]   (native: enough for the driver and native tests)
set -euo pipefail

native=(cmake make g++ python3 googletest libgtest-dev libbenchmark-dev clang-format clang
        libclang-rt-14-dev libpng-dev)
windows=(wine64 g++-mingw-w64-x86-64 mingw-w64-tools xvfb libwine-dev)

wanted=("${native[@]}")
[ "${1:-all}" = "all" ] && wanted+=("${windows[@]}")

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
