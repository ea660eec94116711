#!/usr/bin/env bash
# The main job: builds the driver and plays the example scripts, printing what the control shows;
# examples/gallery.kds draws every look of the control into out/gallery/ and docs/gallery.png.
# Without arguments it then builds KovraDouble.ocx, registers it in a private Wine prefix and
# plays the demo form in kovra-container (scripts/demo.sh), which writes docs/demo.png and the
# pictures of the About box and the property pages it opens (docs/about.png, docs/page-*.png).
# Usage: scripts/run.sh [script.kds ...]   (default: every script in examples/, then the demo)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native
cmake --preset release >/dev/null
cmake --build build/release -j"$(nproc)" --target kovra-driver >/dev/null

if [ $# -gt 0 ]; then exec build/release/tools/kovra-driver "$@"; fi
build/release/tools/kovra-driver examples/*.kds
exec scripts/demo.sh
