#!/usr/bin/env bash
# A saver session from start to end: snapshot, screen size, renderer,
# Escape, and how the host reacts to what happens around it.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

read -r screen_w screen_h <<<"$(screen_size)"
note "screen ${screen_w}x${screen_h}"

# A desktop of four colour blocks and a marker strip.
DESK="$SCENARIO_TMP/desk.png"
hw=$((screen_w / 2)); hh=$((screen_h / 2))
convert -size "${screen_w}x${screen_h}" xc:'#203040' \
  -fill '#FF0000' -draw "rectangle 0,0 $((hw - 1)),$((hh - 1))" \
  -fill '#00FF00' -draw "rectangle $hw,0 $((screen_w - 1)),$((hh - 1))" \
  -fill '#0000FF' -draw "rectangle 0,$hh $((hw - 1)),$((screen_h - 1))" \
  -fill '#FFFF00' -draw "rectangle $hw,$hh $((screen_w - 1)),$((screen_h - 1))" \
  -fill '#FF00FF' -draw "rectangle 0,$((screen_h - 3)) 40,$((screen_h - 1))" "$DESK"
desktop_picture "$DESK"

renderer_pid() { unix_pid_of "Velnora.dll"; }

# Ends a renderer left running by a scenario step.
end_renderer() {
  local pid
  pid=$(renderer_pid) || return 0
  has_window Ondrel_VC && probe close Ondrel_VC
  wait_no_window Ondrel_VC 10
  wait_pid_gone "$pid" 10
}

# The host's own cursor calls, from Wine's trace: the host is the process
# that writes the screen size.
host_cursor_calls() {
  local pid
  pid=$(grep -m1 'WritePrivateProfileStringW (L"Settings", L"Width"' "$SCENARIO_TMP/wine.log" | cut -d: -f1)
  [ -n "$pid" ] || fail "no trace of the host in the log"
  grep "^$pid:[0-9a-f]*:trace:cursor:NtUserShowCursor" "$SCENARIO_TMP/wine.log" | sed 's/.*NtUserShowCursor //' | tr '\n' ';'
}
TRACE="+pid,+cursor,+profile"

# --- The main road: /s, snapshot, renderer, Escape.
rm -rf "$WORK_DIR"
: >"$SCENARIO_TMP/wine.log"
WINEDEBUG=$TRACE start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
note "renderer window after ${WAITED_MS} ms"
has_window Ondrel_Main || fail "no hidden session window"
pass "the renderer's window and the hidden session window are up"

expect_eq "$(ini_value Settings Width | tr -d ' ')" "$screen_w" "Width written before the renderer started"
expect_eq "$(ini_value Settings Height | tr -d ' ')" "$screen_h" "Height written before the renderer started"

[ -f "$SNAPSHOT_FILE" ] || fail "no snapshot"
expect_eq "$(identify -format '%w %h' "bmp:$SNAPSHOT_FILE" 2>/dev/null)" "$screen_w $screen_h" \
  "the snapshot is the screen's size"
expect_eq "$(od -An -tu2 -j28 -N2 "$SNAPSHOT_FILE" | tr -d ' ')" 24 "the snapshot is 24 bits a pixel"
for point in "5 5" "$((hw + 5)) 5" "5 $((hh + 5))" "$((screen_w - 5)) $((screen_h - 5))" \
             "$((hw - 1)) $((hh - 1))" "$hw $hh" "20 $((screen_h - 2))"; do
  # shellcheck disable=SC2086
  expect_eq "$(pixel "bmp:$SNAPSHOT_FILE" $point)" "$(pixel "$DESK" $point)" "snapshot pixel at $point"
done
stray=$(find "$WORK_DIR" -name '*.new' | head -n 1)
[ -z "$stray" ] || fail "a half-written snapshot was left: $stray"
# NOTE: Wine keeps no descriptor of its own for a file; it sets the file's
# Unix mode from the DACL the host gives it (tests/win reads the DACL back).
mode=$(stat -c %a "$SNAPSHOT_FILE")
[ $((8#$mode & 7)) -eq 0 ] || fail "the snapshot is open to other users (mode $mode)"
pass "the snapshot grants nothing to other users (mode $mode)"

rpid=$(renderer_pid) || fail "renderer process not found"
xdotool mousemove 300 300 mousemove 900 700 key a key space key Return
sleep 0.8
kill -0 "$rpid" 2>/dev/null && kill -0 "$host" 2>/dev/null || fail "mouse or keys ended the session"
pass "mouse movement and other keys change nothing"

wait_focus Ondrel_VC 10
escape_ends_session "$host"
wait_pid_gone "$rpid" 10
expect_eq "$EXIT_CODE" 0 "the host ends cleanly after Escape"
pass "the host ends within the next check of the renderer's window"
expect_eq "$(host_cursor_calls)" "0, count=-1;1, count=0;" "/s hides the cursor at its start and shows it at its end"
snapshot_gone "Escape"

# textured WHAT: the renderer's sheet shows the desktop's colours, so it read the snapshot.
textured() {
  sleep 1
  screenshot "$SCENARIO_TMP/textured.png"
  local red
  red=$(colour_count FF0000 "$SCENARIO_TMP/textured.png")
  [ "$red" -gt 2000 ] || fail "$1: the renderer shows no snapshot (${red} red pixels)"
  pass "$1: the renderer shows the snapshot"
}

# --- A second /s during a session ends at once; WM_CLOSE to the session leaves the renderer up.
# A link planted under the snapshot's name is replaced, never written through.
mkdir -p "$WORK_DIR"
printf 'not yours' >"$SCENARIO_TMP/victim"
ln -sfn "$SCENARIO_TMP/victim" "$SNAPSHOT_FILE"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
start Velnora.scr /s
wait_exit "$LAST_PID" 10
expect_eq "$EXIT_CODE" 0 "a second /s ends at once"
has_window Ondrel_VC || fail "the second /s disturbed the renderer"
expect_eq "$(cat "$SCENARIO_TMP/victim")" "not yours" "a link under the snapshot's name was not written through"
[ -f "$SNAPSHOT_FILE" ] && [ ! -L "$SNAPSHOT_FILE" ] || fail "the snapshot is not a file of its own"
probe close Ondrel_Main || fail "could not close the session window"
closed_ms=$(now_ms)
wait_exit "$host" 5
note "host ended $(( $(now_ms) - closed_ms )) ms after the close"
has_window Ondrel_VC || fail "closing the session closed the renderer"
pass "a WM_CLOSE ends the host and leaves the renderer running"
snapshot_gone "WM_CLOSE to the session"
textured "WM_CLOSE to the session"
end_renderer

# --- Closed from outside as soon as the session window exists: the host
# gives the renderer, starting or up, its time to read the snapshot first.
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_Main 20
probe close Ondrel_Main || fail "could not close the session window"
if has_window Ondrel_VC; then note "the renderer's window was up at the close"; else note "the renderer was still starting at the close"; fi
wait_exit "$host" 8
wait_window Ondrel_VC 10
snapshot_gone "WM_CLOSE at once"
textured "WM_CLOSE at once"
end_renderer

# --- The end of the Windows session (log-off): the host agrees, ends, and deletes the snapshot.
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
expect_eq "$(probe endsession Ondrel_Main)" agreed "the session agrees to the end of the Windows session"
wait_exit "$host" 5
expect_eq "$EXIT_CODE" 0 "WM_ENDSESSION ends the host cleanly"
snapshot_gone "WM_ENDSESSION"
end_renderer

# --- The renderer killed: the session ends at the next check.
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
rpid=$(renderer_pid) || fail "renderer process not found"
kill "$rpid"
wait_exit "$host" 5
pass "a killed renderer ends the session"
snapshot_gone "renderer killed"

# --- A renderer file that is no program: the session ends without a hang.
BAD_DIR="$WINEPREFIX/drive_c/velnora_bad"
rm -rf "$BAD_DIR"; mkdir -p "$BAD_DIR"
cp "$VELNORA_DIST/Velnora.scr" "$BAD_DIR/"
echo "not a program" >"$BAD_DIR/Velnora.dll"
start "$BAD_DIR/Velnora.scr" /s
wait_exit "$LAST_PID" 5
expect_eq "$EXIT_CODE" 0 "a renderer that cannot start ends the session at once"
snapshot_gone "renderer that cannot start"
rm -rf "$BAD_DIR"

# --- An empty argument text runs a session too, leaving the cursor alone.
# Escape as soon as the renderer has the focus: a renderer that ends before
# the host's first look at it must still end the session promptly.
: >"$SCENARIO_TMP/wine.log"
WINEDEBUG=$TRACE start Velnora.scr
host=$LAST_PID
wait_window Ondrel_VC 20
wait_focus Ondrel_VC 10
send_key Escape
wait_exit "$host" 3
pass "an empty argument text runs a session"
expect_eq "$(host_cursor_calls)" "" "an empty argument text leaves the cursor alone"
snapshot_gone "Escape in a session without arguments"

finish
