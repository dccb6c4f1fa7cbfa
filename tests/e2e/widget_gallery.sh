#!/usr/bin/env bash
# The widget gallery on the screen matches its golden screenshot: the frame's
# outlines and the buttons' five looks. Tolerance: at most 0.5 % of the
# pixels may differ by more than 2 % per channel, which absorbs a different
# build of the caption font's rasteriser but not a misplaced line or colour.
# With VELNORA_UPDATE_GOLDEN=1 the golden image is rewritten instead.
set -euo pipefail

golden="$VELNORA_SOURCE/tests/e2e/golden/widget_gallery.png"
gallery="$VELNORA_BUILD/tests/e2e/widget_gallery.exe"
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

timeout 60 wine "$gallery" &
pid=$!
for _ in $(seq 1 100); do
  if timeout 10 wine "$VELNORA_PROBE" find "Velnora widget gallery" >/dev/null 2>&1; then break; fi
  sleep 0.1
done
timeout 10 wine "$VELNORA_PROBE" find "Velnora widget gallery" >/dev/null
sleep 1  # let the window's first paints land

# The gallery's window sits at (40, 40), 540 x 330.
import -window root -crop 540x330+40+40 +repage "$work/shot.png"
timeout 10 wine "$VELNORA_PROBE" close "Velnora widget gallery" >/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""

if [ "${VELNORA_UPDATE_GOLDEN:-0}" = 1 ]; then
  mkdir -p "$(dirname "$golden")"
  cp "$work/shot.png" "$golden"
  echo "golden image updated: $golden"
  exit 0
fi

total=$((540 * 330))
differing=$(compare -metric AE -fuzz 2% "$work/shot.png" "$golden" "$work/diff.png" 2>&1 >/dev/null || true)
differing=${differing%% *}
echo "pixels differing beyond 2 %: $differing of $total"
[[ "$differing" =~ ^[0-9]+$ ]] || { echo "compare failed: $differing"; exit 1; }
if [ "$differing" -gt $((total / 200)) ]; then
  cp "$work/shot.png" "$VELNORA_BUILD/widget_gallery_actual.png"
  cp "$work/diff.png" "$VELNORA_BUILD/widget_gallery_diff.png"
  echo "gallery differs from its golden image; see $VELNORA_BUILD/widget_gallery_{actual,diff}.png"
  exit 1
fi
