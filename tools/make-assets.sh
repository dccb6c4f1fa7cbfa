#!/usr/bin/env bash
# Regenerates every picture of the host's resources, all drawn by this
# project's own code; the outputs are committed, so only developers run this.
#   tools/make-assets.sh
# Outputs under assets/:
#   velnora.ico   program and dialog icon (resource 1): the mirror panel over the
#                 rippling sheet; 16 px 32-bit, 32 px 8-bit with 256 colours,
#                 48 px 32-bit, 256 px PNG.
# The same sources give the same bytes: nothing here reads the clock, a font
# or a file from outside.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/assets
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELNORA_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target make_assets >/dev/null

"$build/tools/make_assets" assets
echo "make-assets: icon written"
