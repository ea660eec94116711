#!/usr/bin/env bash
# The main job: builds the driver and plays the example scripts, printing what the control shows;
# examples/gallery.kds draws every look of the control into out/gallery/ and docs/gallery.png.
# Usage: scripts/run.sh [script.kds ...]   (default: every script in examples/)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native
cmake --preset release >/dev/null
cmake --build build/release -j"$(nproc)" --target kovra-driver >/dev/null

if [ $# -eq 0 ]; then set -- examples/*.kds; fi
exec build/release/tools/kovra-driver "$@"
