#!/usr/bin/env bash
# A saver session over an ordinary-looking desktop, as a user sees it: the
# desktop's own colours ripple on the sheet and in the mirror, the picture
# moves, Escape ends it. The screenshot is kept for the README.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

read -r screen_w screen_h <<<"$(screen_size)"

# Wallpaper, two windows with title bars and lines of "text", a taskbar.
DESK="$SCENARIO_TMP/desk.png"
convert -size "${screen_w}x${screen_h}" gradient:'#3a6fb0-#0d1f3c' \
  -fill '#f4f4f4' -stroke '#8a8a8a' -draw "rectangle 140,120 700,560" \
  -fill '#2b579a' -stroke none -draw "rectangle 140,120 700,150" \
  -fill '#c8c8c8' -draw "rectangle 170,190 640,200 rectangle 170,220 600,230 rectangle 170,250 660,260 rectangle 170,280 520,290" \
  -fill '#fff6d8' -stroke '#8a8a8a' -draw "rectangle 620,330 1120,760" \
  -fill '#b4462d' -stroke none -draw "rectangle 620,330 1120,360" \
  -fill '#5ea34a' -draw "polygon 640,740 800,560 930,680 1000,610 1100,740" \
  -fill '#f2c94c' -draw "circle 1020,450 1050,450" \
  -fill '#1c1c1c' -draw "rectangle 0,$((screen_h - 40)) $screen_w,$screen_h" \
  -fill '#3a8ee6' -draw "rectangle 8,$((screen_h - 34)) 90,$((screen_h - 6))" "$DESK"
desktop_picture "$DESK"

rm -rf "$WORK_DIR"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 30
sleep 2.5
screenshot "$SCENARIO_TMP/first.png"
sleep 0.5
screenshot "$SCENARIO_TMP/second.png"

# The desktop's title-bar blue and wallpaper tones are on the screen, and much of it moves.
colours=$(convert "$SCENARIO_TMP/first.png" -format %k info:)
note "$colours colours on the screen"
[ "$colours" -gt 2000 ] || fail "only $colours colours: no textured sheet"
changed=$(compare -metric AE -fuzz 2% "$SCENARIO_TMP/first.png" "$SCENARIO_TMP/second.png" null: 2>&1 || true)
[ "${changed%%.*}" -gt 10000 ] || fail "the picture hardly moved: $changed pixels"
pass "the desktop ripples on the sheet ($changed pixels moved in 0.5 s)"

# For the README, the moment the mirror shows most: the most colours above the sheet.
best=0
for i in 1 2 3 4 5 6 7 8; do
  screenshot "$SCENARIO_TMP/moment$i.png"
  n=$(convert "$SCENARIO_TMP/moment$i.png" -crop "${screen_w}x$((screen_h * 2 / 5))+0+0" -format %k info:)
  if [ "$n" -gt "$best" ]; then best=$n; cp "$SCENARIO_TMP/moment$i.png" "$SCENARIO_TMP/best.png"; fi
  sleep 0.3
done
keep_screenshot session "$SCENARIO_TMP/best.png"

send_key Escape
wait_exit "$host" 15
expect_eq "$EXIT_CODE" 0 "Escape ends the session"
finish
