#!/usr/bin/env bash
# A desk whose monitors change while a session runs, driven as the cables
# would: a monitor plugged in is covered within about two seconds, the
# primary raised to a larger mode is covered to its new edges, a monitor
# unplugged takes its window along while the session goes on, and one
# plugged in again is covered again. Escape still ends everything.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

if [ "${VELNORA_DESK:-}" != dummy ]; then
  trap - EXIT
  _e2e_cleanup
  VELNORA_DESK=dummy exec "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_BUILD" bash "$0"
fi

# The desktop: red over green where the primary starts, blue over yellow
# wherever a monitor may come to lie beyond it.
DESK="$SCENARIO_TMP/desk.png"
convert -size 3000x1300 xc:'#0000FF' -fill '#FFFF00' -draw "rectangle 0,650 2999,1299" \
  -fill '#FF0000' -draw "rectangle 0,0 1279,511" -fill '#00FF00' -draw "rectangle 0,512 1279,1023" "$DESK"
# Painted on a screen as large as the desk can grow, so that no part of it
# is scaled or tiled; the screen then shrinks to the primary alone.
xrandr --fb 3000x1300
desktop_picture "$DESK"
xrandr --fb 1280x1024

# plug ARGS...: an xrandr change, then the probe a driver's hotplug report makes.
plug() { xrandr "$@" && xrandr >/dev/null; }
xrandr --addmode DUMMY1 1024x768

# live_share SHOT X Y W H: percent of the area's pixels that show the desktop as it is.
live_share() {
  convert "$1" -crop "$4x$5+$2+$3" +repage "$SCENARIO_TMP/a.png"
  convert "$DESK" -crop "$4x$5+$2+$3" +repage "$SCENARIO_TMP/b.png"
  compare -metric AE "$SCENARIO_TMP/a.png" "$SCENARIO_TMP/b.png" null: 2>&1 |
    awk -v n=$(($4 * $5)) '{printf "%d\n", 100 - $1 * 100 / n}'
}

# covered WHAT TITLE X Y W H [AREA]: that window lies exactly there, and the
# area (X Y W H, or all of it) shows the effect moving, not the desktop.
covered() {
  local what=$1 title=$2 share
  expect_eq "$(window_rect "$title")" "$3 $4 $5 $6" "$what: a window lies over it"
  shift 2
  [ $# -eq 4 ] || shift 4
  screenshot "$SCENARIO_TMP/one.png"
  sleep 0.3
  screenshot "$SCENARIO_TMP/two.png"
  share=$(live_share "$SCENARIO_TMP/two.png" "$@")
  [ "$share" -lt 50 ] || fail "$what: $share % of it shows the desktop"
  [ "$(live_share "$SCENARIO_TMP/one.png" "$@")" -lt 50 ] && ! cmp -s "$SCENARIO_TMP/one.png" "$SCENARIO_TMP/two.png" \
    || fail "$what: the effect does not move there"
  pass "$what: covered and moving ($share % like the desktop)"
}

# monitor_at RECT: the title of the further monitor's window lying exactly there.
monitor_at() {
  local n
  local n
  for n in 1 2 3; do
    [ "$(window_rect "Ondrel_VC_Monitor$n" 2>/dev/null)" != "$1" ] || { echo "Ondrel_VC_Monitor$n"; return; }
  done
  return 1
}

start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
rpid=$(unix_pid_of Velnora.dll) || fail "renderer process not found"
sleep 1
covered "the primary at the start" Ondrel_VC 0 0 1280 1024

# --- A second monitor plugged in beside it.
plug --output DUMMY1 --mode 1024x768 --right-of DUMMY0
wait_until 3 "no window over the monitor plugged in" monitor_at "1280 0 1024 768"
note "covered ${WAITED_MS} ms after the plug"
second=$(monitor_at "1280 0 1024 768")
covered "the monitor plugged in" "$second" 1280 0 1024 768
screenshot "$SCENARIO_TMP/plugged.png"
keep_screenshot desk-plugged "$SCENARIO_TMP/plugged.png"
convert "$SCENARIO_TMP/plugged.png" -crop 1024x768+1280+0 "$SCENARIO_TMP/second.png"
[ "$(colour_count 0000FF "$SCENARIO_TMP/second.png")" -gt 2000 ] ||
  fail "the plugged monitor's sheet lacks its desktop's colour"
pass "the plugged monitor's sheet carries its own desktop"
sleep 3
covered "the monitor plugged in, seconds later" "$second" 1280 0 1024 768

# --- The primary raised to a larger mode, the second moving with it.
plug --output DUMMY0 --mode 1600x1200 --output DUMMY1 --right-of DUMMY0
primary_at() { [ "$(window_rect Ondrel_VC)" = "$1" ]; }
wait_until 3 "the primary's window did not follow its new mode" primary_at "0 0 1600 1200"
covered "the primary's new strip" Ondrel_VC 0 0 1600 1200 1280 0 320 1200
covered "the primary's new rows" Ondrel_VC 0 0 1600 1200 0 1024 1280 176
covered "the moved monitor" "$second" 1600 0 1024 768
screenshot "$SCENARIO_TMP/raised.png"
keep_screenshot desk-raised "$SCENARIO_TMP/raised.png"

# --- The second unplugged: its window goes, the session goes on.
plug --output DUMMY1 --off
wait_until 3 "the unplugged monitor's window is still there" not has_window "$second"
sleep 1
running "$host" || fail "the host ended with the unplugged monitor"
covered "the primary after the unplug" Ondrel_VC 0 0 1600 1200

# --- And plugged in again.
plug --output DUMMY1 --mode 1024x768 --right-of DUMMY0
wait_until 3 "no window over the monitor plugged in again" monitor_at "1600 0 1024 768" >/dev/null
covered "the monitor plugged in again" "$(monitor_at "1600 0 1024 768")" 1600 0 1024 768

escape_ends_session "$host"
wait_pid_gone "$rpid" 10
for n in 1 2 3; do has_window "Ondrel_VC_Monitor$n" && fail "a monitor's window outlived Escape"; done
pass "Escape ends the renderer and the session; no window of it is left"
snapshot_gone "a changing desk"
left=$(ls "$WORK_DIR" | grep -c '\.alo' || true)
expect_eq "$left" 0 "no picture is left in the work folder"
finish
