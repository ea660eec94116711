#!/usr/bin/env bash
# Runs one Windows program under Wine in a private prefix, made on first use; the build's
# emulator for the programs it runs at build time (the type-library and resource writers) and
# for test discovery. Runs sharing a prefix take turns; each ends the prefix's server, so that
# no Wine process outlives the run.
#
# Usage: scripts/wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-prefix.sh"
kovra_require_wine
kovra_wine_environment

prefix=$1
shift
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -d "$prefix" ]; then
  # Made aside and moved in place whole, so that a broken attempt is never taken for a prefix.
  rm -rf "$prefix.making"
  kovra_make_prefix "$prefix.making" || {
    echo "wine-run: could not make the Wine prefix $prefix:" >&2
    cat "$prefix.making.log" >&2
    exit 1
  }
  mv "$prefix.making" "$prefix"
fi
status=0
WINEPREFIX=$prefix wine "$@" || status=$?
kovra_stop_server "$prefix"
exit "$status"
