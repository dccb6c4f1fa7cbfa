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
#   preview.jpg   the still in the display settings' preview, 152 x 112, baseline
#                 JFIF 1.01, 8-bit, 3 components: the real renderer (on OSMesa)
#                 draws the saver's frame 1418, 25.35 s in, over a made-up
#                 1216 x 896 desktop; scaled down with Lanczos, 4:2:0, quality 90.
# The same sources give the same bytes: nothing here reads the clock, a font
# or a file from outside. The preview also depends on Mesa's rasteriser and on
# ImageMagick, so other versions of those may change it slightly.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/assets
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELNORA_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target make_assets preview_frame >/dev/null

"$build/tools/make_assets" assets
echo "make-assets: drawn assets written"

# The preview: the panel shows the desktop's mirror image and the sheet the
# desktop itself at this moment (the camera at its highest, the panel facing it).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/preview_frame" "$work/still.ppm" 1216 896 1418 25.35 "$work/desktop.bmp"
convert "$work/still.ppm" -filter Lanczos -resize '152x112!' -strip \
  -interlace none -sampling-factor 4:2:0 -quality 90 assets/preview.jpg

# What the preview must be: baseline JFIF 1.01, 8 bits, 3 components, 152 x 112.
[ "$(identify -format '%m %w %h %z %[interlace] %[jpeg:sampling-factor]' assets/preview.jpg)" = \
  "JPEG 152 112 8 None 2x2,1x1,1x1" ] || { echo "make-assets: preview.jpg is not as it must be" >&2; exit 1; }
bytes=$(od -An -tx1 -v assets/preview.jpg | tr -s ' \n' ' ')
case "$bytes" in
  " ff d8 ff e0 00 10 4a 46 49 46 00 01 01 "*) ;;  # SOI, then APP0 "JFIF" version 1.01
  *) echo "make-assets: preview.jpg does not start with a JFIF 1.01 header" >&2; exit 1 ;;
esac
# SOF0 (baseline): 8 bits, height 112, width 152, 3 components.
case "$bytes" in
  *" ff c0 00 11 08 00 70 00 98 03 "*) ;;
  *) echo "make-assets: preview.jpg has no baseline frame header of 152 x 112 x 3" >&2; exit 1 ;;
esac
echo "make-assets: preview written and checked"
