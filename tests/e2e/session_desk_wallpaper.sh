#!/usr/bin/env bash
# A monitor plugged in while a session runs gets its picture by the rule the
# monitors of the start get theirs by: where the screen cannot be read (a
# desktop of one flat colour, or a desktop not the user's) the user's
# wallpaper, laid out for that monitor, and nothing of the screen. (A
# readable desktop is copied as before: session_desk_changes shows it.)
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

on_dummy_desk

WALL="$WINEPREFIX/drive_c/velnora_wall.bmp"
keep_wallpaper_settings 'rm -f "$WALL"'
# Orange over teal, 16:9, fit: on the plugged 4:3 monitor bands of the background above and below.
convert -size 800x450 xc:'#FF8000' -fill '#00C0C0' -draw 'rectangle 0,225 799,449' -type truecolor BMP3:"$WALL"
wallpaper 'C:\velnora_wall.bmp' 6 0
xrandr --addmode DUMMY1 1024x768
at() { [ "$(x_window_rect "$1")" = "$2" ]; }

# plugged WHAT NOT_SHOWN: with a session running, a monitor plugged in right
# of the primary is covered; its sheet shows the wallpaper's colours and its
# background bands, and none of NOT_SHOWN. Escape ends the session.
plugged() {
  local c
  wait_until 20 "$1: no renderer window over the primary" at Ondrel_VC "0 0 1280 1024"
  sleep 1  # the renderer notes the desk its views were opened for
  plug --output DUMMY1 --mode 1024x768 --right-of DUMMY0
  wait_until 5 "$1: no window over the plugged monitor" at Ondrel_VC_Monitor1 "1280 0 1024 768"
  note "$1: covered ${WAITED_MS} ms after the plug"
  sleep 1
  screenshot "$SCENARIO_TMP/shot.png"
  keep_screenshot "desk-wallpaper-${1//[^a-zA-Z]/}" "$SCENARIO_TMP/shot.png"
  convert "$SCENARIO_TMP/shot.png" -crop 1024x768+1280+0 +repage "$SCENARIO_TMP/second.png"
  for c in FF8000 00C0C0 102030; do
    [ "$(colour_count "$c" "$SCENARIO_TMP/second.png")" -gt 2000 ] || fail "$1: no $c on the plugged monitor's sheet"
  done
  pass "$1: the plugged monitor shows the wallpaper laid out for it"
  for c in $2; do expect_eq "$(colour_count "$c" "$SCENARIO_TMP/second.png")" 0 "$1: no $c on the plugged monitor"; done
  wait_focus Ondrel_VC 10
  send_key Escape; wait_exit "$LAST_PID" 10
  expect_eq "$EXIT_CODE" 0 "$1: Escape ends the session"
  snapshot_gone "$1"
  plug --output DUMMY1 --off
}

xsetroot -solid '#506070'
start Velnora.scr /s
plugged "a flat desktop" 506070

# Red over green on the primary, blue over yellow beyond it, live and readable.
convert -size 2304x1024 xc:'#0000FF' -fill '#FFFF00' -draw "rectangle 0,512 2303,1023" \
  -fill '#FF0000' -draw "rectangle 0,0 1279,511" -fill '#00FF00' -draw "rectangle 0,512 1279,1023" "$SCENARIO_TMP/desk.png"
xrandr --fb 2304x1024
desktop_picture "$SCENARIO_TMP/desk.png"
xrandr --fb 1280x1024
start "$VELNORA_PROBE" desktop Screen-saver "$(winepath -w "$VELNORA_DIST/Velnora.scr")" /s
plugged "on the \"Screen-saver\" desktop" "0000FF FFFF00 FF0000 00FF00"
finish
