#!/usr/bin/env bash
# Where the screen cannot be read (a flat copy, or a desktop not the user's) the
# sheet carries the user's wallpaper; a desktop that shows anything is copied.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

read -r W H <<<"$(screen_size)"
WALLS="$WINEPREFIX/drive_c/velnora_walls"
KEPT="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Windows/Themes/TranscodedWallpaper"
mkdir -p "$WALLS" "$(dirname "$KEPT")"
keep_wallpaper_settings 'rm -rf "$WALLS" "$KEPT"'
# A 640 x 480 BMP, orange over teal, and a 200 x 150 JPEG tile, crimson over sky.
convert -size 640x480 xc:'#FF8000' -fill '#00C0C0' -draw 'rectangle 0,240 639,479' -type truecolor BMP3:"$WALLS/wall.bmp"
convert -size 200x150 xc:'#E03C28' -fill '#28A0DC' -draw 'rectangle 0,75 199,149' -quality 100 "$WALLS/tile.jpg"
CRIMSON=$(pixel "$WALLS/tile.jpg" 100 30) SKY=$(pixel "$WALLS/tile.jpg" 100 120)
echo 'not a picture' >"$WALLS/broken.jpg"
convert -size "${W}x${H}" xc:'#506070' "$SCENARIO_TMP/flat.png"
convert -size "${W}x${H}" xc:'#FF0000' -fill '#0000FF' -draw "rectangle 0,$((H / 2)) $W,$H" "$SCENARIO_TMP/desk.png"

# session WHAT SHEET "X Y RRGGBB"...: a session on the desktop $ON_DESKTOP (else the user's) covers the
# screen, its snapshot has those pixels, its sheet SHEET's colours and none of $NOT_SHOWN; Escape ends it
# and leaves nothing but the settings file.
covers_screen() { [ "$(x_window_rect Ondrel_VC)" = "0 0 $W $H" ]; }
session() {
  local what=$1 sheet=$2 c x y colour; shift 2
  if [ -n "${ON_DESKTOP:-}" ]; then start "$VELNORA_PROBE" desktop "$ON_DESKTOP" "$(winepath -w "$VELNORA_DIST/Velnora.scr")" /s
  else start Velnora.scr /s; fi
  wait_until 20 "$what: no renderer window over the screen" covers_screen
  pass "$what: the renderer covers the screen"
  for c in "$@"; do
    read -r x y colour <<<"$c"
    expect_eq "$(pixel "bmp:$SNAPSHOT_FILE" "$x" "$y")" "$colour" "$what: snapshot pixel at $x,$y"
  done
  wait_focus Ondrel_VC 10; sleep 1
  screenshot "$SCENARIO_TMP/shot.png"
  keep_screenshot "wallpaper-${what//[^a-zA-Z]/}" "$SCENARIO_TMP/shot.png"
  for c in $sheet; do [ "$(colour_count "$c" "$SCENARIO_TMP/shot.png")" -gt 2000 ] || fail "$what: no $c on the sheet"; done
  for c in ${NOT_SHOWN:-}; do expect_eq "$(colour_count "$c" "$SCENARIO_TMP/shot.png")" 0 "$what: no $c on the sheet"; done
  send_key Escape; wait_exit "$LAST_PID" 10
  expect_eq "$EXIT_CODE" 0 "$what: Escape ends the session"
  snapshot_gone "$what"
  expect_eq "$(ls "$WORK_DIR")" Velnora.ini "$what: nothing else written"
}
# --- A flat desktop: the wallpaper; fit leaves bands of background colour above and below.
desktop_picture "$SCENARIO_TMP/flat.png"
wallpaper 'C:\velnora_walls\wall.bmp' 6 0
band=$(( (H - W * 3 / 4) / 2 ))
session "BMP, fit" "FF8000 00C0C0" "5 $((band - 2)) 102030" "5 $((band + 2)) FF8000" "$((W - 5)) $((H / 2 + 5)) 00C0C0" \
  "$((W - 5)) $((H - band + 2)) 102030"
wallpaper 'C:\velnora_walls\tile.jpg' 0 1
session "JPEG, tiled" "$CRIMSON $SKY" "5 5 $CRIMSON" "205 5 $CRIMSON" "5 80 $SKY" "405 230 $SKY"
# --- A desktop that shows something is the snapshot, wallpaper or not.
desktop_picture "$SCENARIO_TMP/desk.png"
NOT_SHOWN="$CRIMSON $SKY" session "a desktop that shows something" "FF0000 0000FF" "5 5 FF0000" "5 $((H - 5)) 0000FF"
# --- No wallpaper to be had: the flat copy; where the file is gone, the copy Windows keeps.
desktop_picture "$SCENARIO_TMP/flat.png"
for value in 'C:\velnora_walls\gone.bmp' 'C:\velnora_walls\broken.jpg' ''; do
  wallpaper "$value" 0 1
  session "wallpaper '$value'" "" "5 5 506070" "$((W / 2)) $((H / 2)) 506070"
done
cp "$WALLS/tile.jpg" "$KEPT"
wallpaper 'C:\velnora_walls\gone.bmp' 0 1
session "the kept copy of a file that is gone" "$CRIMSON $SKY" "5 5 $CRIMSON" "5 80 $SKY"
# --- On Windows' own desktop for savers a readable screen gives way too.
desktop_picture "$SCENARIO_TMP/desk.png"
wallpaper 'C:\velnora_walls\tile.jpg' 0 1
ON_DESKTOP=Screen-saver NOT_SHOWN="FF0000 0000FF" session "on the \"Screen-saver\" desktop" "$CRIMSON $SKY" \
  "5 5 $CRIMSON" "5 80 $SKY"
finish
