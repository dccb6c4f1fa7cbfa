#!/usr/bin/env bash
# Regenerates every picture of the host's resources, all drawn by this
# project's own code; the outputs are committed, so only developers run this.
#   tools/make-assets.sh
# Outputs under assets/:
#   velnora.ico   program and dialog icon (resource 1): the mirror panel over the
#                 rippling sheet; 16 px 32-bit, 32 px 8-bit with 256 colours,
#                 48 px 32-bit, 256 px PNG.
#   hand.cur      the banner's pointing hand, 32 x 32 monochrome, hot spot (12, 1)
#                 at the fingertip; black outline, white fill.
#   mark_unchosen.bmp, mark_chosen.bmp
#                 the dialog's choice marks Img_Ra(0) and Img_Ra(1), 12 x 12, 24-bit:
#                 a white square in a grey border; a filled blue square.
#   banner/frame01.bmp .. frame24.bmp
#                 the dialog's banner, 24 frames of 120 x 50, 24-bit: "Velnora"
#                 floating over a dark sheet, rippling, mirrored below it, with
#                 a sheen crossing once; a seamless loop at 100 ms a frame.
# The same sources give the same bytes: nothing here reads the clock, a font
# or a file from outside.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/assets
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELNORA_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target make_assets >/dev/null

"$build/tools/make_assets" assets
echo "make-assets: drawn assets written"
