#!/usr/bin/env bash
# A desk whose monitors change while a session runs, driven as the cables
# would: a monitor plugged in is covered within about two seconds, the
# primary raised to a larger mode is covered to its new edges, a monitor
# unplugged takes its window along while the session goes on, and one
# plugged in again is covered again, the host's curtain a beat behind
# beneath each window. Escape still ends everything.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

on_dummy_desk

# The desktop: red over green where the primary starts, blue over yellow
# wherever a monitor may come to lie beyond it; painted on a screen as large
# as the desk can grow, so that none of it is scaled or tiled.
DESK="$SCENARIO_TMP/desk.png"
convert -size 3000x1300 xc:'#0000FF' -fill '#FFFF00' -draw "rectangle 0,650 2999,1299" \
  -fill '#FF0000' -draw "rectangle 0,0 1279,511" -fill '#00FF00' -draw "rectangle 0,512 1279,1023" "$DESK"
xrandr --fb 3000x1300
desktop_picture "$DESK"
xrandr --fb 1280x1024
xrandr --addmode DUMMY1 1024x768
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }

# moving X Y W H: that area moves within 0.3 s and shows the desktop in
# under half its pixels. Sets LIVE and MOVED.
moving() {
  local t="$SCENARIO_TMP"
  screenshot "$t/one.png"; sleep 0.3; screenshot "$t/two.png"
  crop "$t/one.png" "$@" "$t/a.png"; crop "$t/two.png" "$@" "$t/b.png"; crop "$DESK" "$@" "$t/d.png"
  LIVE=$(compare -metric AE "$t/b.png" "$t/d.png" null: 2>&1 | awk -v n=$(($3 * $4)) '{printf "%d", 100 - $1 * 100 / n}')
  MOVED=$(compare -metric AE "$t/a.png" "$t/b.png" null: 2>&1 | awk '{printf "%d", $1}')
  [ "$LIVE" -lt 50 ] && [ "$MOVED" -gt 0 ]
}
# covered WHAT TITLE X Y W H [AREA]: that window lies exactly there, and the
# area (X Y W H, or all of it) moves and shows the desktop in under half its
# pixels, looked at until it does (a strip of the view may lie beyond the
# sheet, still black, for a moment of the camera's circle).
covered() {
  local what=$1 title=$2
  expect_eq "$(window_rect "$title")" "$3 $4 $5 $6" "$what: a window lies over it"
  shift 2
  [ $# -eq 4 ] || shift 4
  wait_until 10 "$what: not covered and moving" moving "$@"
  pass "$what: covered and moving ($LIVE % like the desktop)"
}
at() { [ "$(window_rect "$1")" = "$2" ]; }
# change WHAT "XRANDR ARGS" TITLE X Y W H: after the change that window lies there within 3 s, covering.
change() {
  plug $2
  wait_until 3 "$1: no window $3 at $4 $5 $6 $7" at "$3" "$4 $5 $6 $7"
  note "$1: ${WAITED_MS} ms"
  covered "$1" "${@:3}"
}

start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
rpid=$(unix_pid_of Velnora.dll) || fail "renderer process not found"
sleep 1
covered "the primary at the start" Ondrel_VC 0 0 1280 1024

change "a monitor plugged in" "--output DUMMY1 --mode 1024x768 --right-of DUMMY0" Ondrel_VC_Monitor1 1280 0 1024 768
screenshot "$SCENARIO_TMP/plugged.png"
keep_screenshot desk-plugged "$SCENARIO_TMP/plugged.png"
crop "$SCENARIO_TMP/plugged.png" 1280 0 1024 768 "$SCENARIO_TMP/second.png"
[ "$(colour_count 0000FF "$SCENARIO_TMP/second.png")" -gt 2000 ] || fail "the plugged monitor's sheet lacks its desktop"
pass "the plugged monitor's sheet carries its own desktop"
sleep 3
covered "the monitor plugged in, seconds later" Ondrel_VC_Monitor1 1280 0 1024 768

change "the primary's new columns" "--output DUMMY0 --mode 1600x1200 --output DUMMY1 --right-of DUMMY0" \
  Ondrel_VC 0 0 1600 1200 1280 0 320 1200
covered "the primary's new rows" Ondrel_VC 0 0 1600 1200 0 1024 1280 176
covered "the moved monitor" Ondrel_VC_Monitor1 1600 0 1024 768

plug --output DUMMY1 --off
wait_until 3 "the unplugged monitor's window is still there" not has_window Ondrel_VC_Monitor1
sleep 1
running "$host" || fail "the host ended with the unplugged monitor"
covered "the primary after the unplug" Ondrel_VC 0 0 1600 1200

change "plugged in again" "--output DUMMY1 --mode 1024x768 --right-of DUMMY0" Ondrel_VC_Monitor1 1600 0 1024 768
# The curtain follows a beat behind: a panel beneath each window, none left over a monitor gone.
curtain_is() { [ "$(curtain_rects)" = "$1" ]; }
wait_until 5 "the curtain does not follow the desk" curtain_is "0 0 1600 1200,1600 0 1024 768"
pass "the curtain lies beneath the windows of the desk as it is now"
covered "the monitor plugged in again, over its panel" Ondrel_VC_Monitor1 1600 0 1024 768

escape_ends_session "$host"
wait_pid_gone "$rpid" 10
has_window Ondrel_VC_Monitor1 && fail "a monitor's window outlived Escape"
pass "Escape ends the renderer and the session; no window of it is left"
snapshot_gone "a changing desk"
expect_eq "$(ls "$WORK_DIR" | grep -c '\.alo')" 0 "no picture is left in the work folder"
finish
