#!/usr/bin/env bash
# A desk of several monitors: every monitor covered by the effect over its
# own desktop, one way out from any of them, no picture left behind. And on
# one monitor, a section left by such a desk changes nothing.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

renderer_pid() { unix_pid_of "Velnora.dll"; }
FURTHER_FILE="$WORK_DIR/Ondrel1.alo"

if [ -z "${VELNORA_MONITORS:-}" ]; then
  # --- One monitor, with the section a two-monitor session left: the host
  # drops it and the renderer covers the one monitor alone.
  ini_write $'[Settings]\nWidth=1280\nHeight=1024\n[Monitors]\nMonitor1=1280,0,1024,768\n'
  start Velnora.dll
  wait_window Ondrel_VC 20
  sleep 0.5
  has_window Ondrel_VC_Monitor1 && fail "the renderer covered a monitor this desk does not have"
  probe close Ondrel_VC
  wait_exit "$LAST_PID" 10
  pass "a listed monitor that the desk lacks gets no window"
  start Velnora.scr /s
  host=$LAST_PID
  wait_window Ondrel_VC 20
  expect_eq "$(grep -c 'Monitor' "$INI_FILE")" 0 "a one-monitor session leaves no monitor list"
  probe close Ondrel_VC
  wait_exit "$host" 5
  rm -f "$INI_FILE"
  # The rest on two monitors, in a prefix and on a display of their own.
  trap - EXIT
  _e2e_cleanup
  VELNORA_MONITORS="1280x1024 1024x768" exec "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_SCENARIO_DIR" bash "$0"
fi

# Each monitor its own colours: red over green on the primary, blue over yellow beside it.
DESK="$SCENARIO_TMP/desk.png"
convert -size 2304x1024 xc:black -fill '#FF0000' -draw "rectangle 0,0 1279,511" \
  -fill '#00FF00' -draw "rectangle 0,512 1279,1023" -fill '#0000FF' -draw "rectangle 1280,0 2303,383" \
  -fill '#FFFF00' -draw "rectangle 1280,384 2303,767" "$DESK"
desktop_picture "$DESK"

# colours SHOT X Y W H: which of the four desk colours an area of a screenshot shows.
colours() {
  local c out=""
  convert "$1" -crop "$4x$5+$2+$3" "$SCENARIO_TMP/area.png"
  for c in FF0000 00FF00 0000FF FFFF00; do
    [ "$(colour_count $c "$SCENARIO_TMP/area.png")" -gt 2000 ] && out="$out $c"
  done
  echo "${out# }"
}

# --- Both monitors covered, each with its own desktop; the picture of the
# second as private as the primary's, a link planted under its name not followed.
rm -rf "$WORK_DIR"; mkdir -p "$WORK_DIR"
printf 'not yours' >"$SCENARIO_TMP/victim"
ln -s "$SCENARIO_TMP/victim" "$FURTHER_FILE"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
wait_window Ondrel_VC_Monitor1 10
expect_eq "$(ini_value Monitors Monitor1)" "1280,0,1024,768" "the host lists the second monitor"
expect_eq "$(window_rect Ondrel_VC) / $(window_rect Ondrel_VC_Monitor1)" "0 0 1280 1024 / 1280 0 1024 768" \
  "one window covers each monitor exactly"
# Its pixels are the second monitor's: the screenshot below shows them on its sheet.
expect_eq "$(identify -format '%w %h' "bmp:$FURTHER_FILE")" "1024 768" "the second monitor's picture is its size"
mode=$(stat -c %a "$FURTHER_FILE")
[ ! -L "$FURTHER_FILE" ] && [ $((8#$mode & 7)) -eq 0 ] || fail "the second picture is a link or open to others ($mode)"
expect_eq "$(cat "$SCENARIO_TMP/victim")" "not yours" "a link under the second picture's name was not written through"

sleep 1
screenshot "$SCENARIO_TMP/both.png"
keep_screenshot monitors "$SCENARIO_TMP/both.png"
expect_eq "$(colours "$SCENARIO_TMP/both.png" 0 0 1280 1024) / $(colours "$SCENARIO_TMP/both.png" 1280 0 1024 768)" \
  "FF0000 00FF00 / 0000FF FFFF00" "each monitor shows the effect over its own desktop"

# A change of the display leaves the renderer running.
probe displaychange
sleep 0.5
has_window Ondrel_VC && has_window Ondrel_VC_Monitor1 || fail "a display change ended a window"
pass "a display change leaves every window up"

# Escape after a click on the second monitor ends everything.
rpid=$(renderer_pid) || fail "renderer process not found"
xdotool mousemove 1800 400 click 1
sleep 0.3
escape_ends_session "$host"
has_window Ondrel_VC_Monitor1 && fail "the second monitor's window outlived Escape"
wait_pid_gone "$rpid" 10
pass "Escape after a click on the second monitor ends the renderer and the session"
snapshot_gone "two monitors"
[ ! -e "$FURTHER_FILE" ] && [ ! -L "$FURTHER_FILE" ] && [ ! -e "$FURTHER_FILE.new" ] \
  || fail "the second monitor's picture is still there"
pass "the second monitor's picture is gone"

# --- The second picture cannot be written: that window shows the plain sheet,
# the primary its desktop; WM_CLOSE to the second window ends everything.
mkdir -p "$FURTHER_FILE.new/held"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC_Monitor1 20
sleep 1
screenshot "$SCENARIO_TMP/plain.png"
expect_eq "$(colours "$SCENARIO_TMP/plain.png" 0 0 1280 1024) / $(colours "$SCENARIO_TMP/plain.png" 1280 0 1024 768)" \
  "FF0000 00FF00 / " "an unwritable picture leaves that monitor's sheet plain"
convert "$SCENARIO_TMP/plain.png" -crop 1024x768+1280+0 "$SCENARIO_TMP/second.png"
[ "$(colour_count FFFFFF "$SCENARIO_TMP/second.png")" -gt 20000 ] || fail "no plain white sheet on the second monitor"
probe close Ondrel_VC_Monitor1
wait_no_window Ondrel_VC 10
wait_exit "$host" 5
pass "WM_CLOSE to the second monitor's window ends the session"
rm -rf "$FURTHER_FILE.new"
snapshot_gone "WM_CLOSE to the second window"
finish
