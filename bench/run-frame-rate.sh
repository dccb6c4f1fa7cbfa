#!/usr/bin/env bash
# Frame rate and time to the first frame of the renderer's drawing against a
# clear-and-swap loop in an identical window, measured side by side:
#   VELNORA_SCREEN=1920x1080x24 tools/testenv.sh build/win bench/run-frame-rate.sh build/win [seconds]
set -euo pipefail
exe=$1/bench/frame_rate.exe
secs=${2:-5}
dir="$WINEPREFIX/drive_c/velnora_bench"
mkdir -p "$dir"
convert -size 1920x1080 gradient:'#203080-#e0c040' -type truecolor BMP3:"$dir/snapshot.bmp"

run() {  # mode width height -> "first_frame_ms fps"
  timeout 120 wine "$exe" "$1" "$2" "$3" "$secs" 'C:\velnora_bench\snapshot.bmp' 2>/dev/null |
    sed -n 's/^first_frame_ms=\([0-9.]*\) fps=\([0-9.]*\).*/\1 \2/p'
}

for size in 1024x768 1920x1080; do
  w=${size%x*} h=${size#*x}
  # Alternate the two programs so drift in the machine's load hits both.
  read -r c1 cf1 <<<"$(run clear "$w" "$h")"
  read -r r1 rf1 <<<"$(run renderer "$w" "$h")"
  read -r c2 cf2 <<<"$(run clear "$w" "$h")"
  read -r r2 rf2 <<<"$(run renderer "$w" "$h")"
  awk -v s="$size" -v c1="$c1" -v c2="$c2" -v r1="$r1" -v r2="$r2" \
      -v cf1="$cf1" -v cf2="$cf2" -v rf1="$rf1" -v rf2="$rf2" 'BEGIN {
    cf = (cf1 + cf2) / 2; rf = (rf1 + rf2) / 2; c = (c1 + c2) / 2; r = (r1 + r2) / 2
    printf "%s: renderer %.0f fps, clear-and-swap %.0f fps, ratio %.2f\n", s, rf, cf, rf / cf
    printf "%s: first frame after %.0f ms vs %.0f ms, ratio %.2f\n", s, r, c, r / c
  }'
done
