#!/usr/bin/env bash
# A desk without OpenGL (no GLX, so Wine offers no pixel format): the saver
# never fails open. A session covers the screen black until Escape at next
# to no processor cost, in front and with the cursor hidden, and ends as
# always; the renderer alone keeps its window until WM_CLOSE; on two
# monitors both are black. Runs itself again in an environment without GLX.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

if [ "${VELNORA_GL:-}" != none ]; then
  trap - EXIT
  _e2e_cleanup
  # A prefix of its own: the shared one's desktop process lives on the display with GLX.
  VELNORA_GL=none VELNORA_WINEPREFIX="$VELNORA_SCENARIO_DIR/wineprefix-nogl" \
    "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_SCENARIO_DIR" bash "$0" || exit 1
  VELNORA_GL=none VELNORA_MONITORS="1280x1024 1024x768" exec "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_SCENARIO_DIR" bash "$0"
fi

renderer_pid() { unix_pid_of "Velnora.dll"; }

# black SHOT X Y W H: every pixel of that area of the screenshot is black.
black() {
  convert "$1" -crop "$4x$5+$2+$3" "$SCENARIO_TMP/area.png"
  [ "$(colour_count 000000 "$SCENARIO_TMP/area.png")" -eq $(($4 * $5)) ]
}
# shows_black X Y W H: a screenshot taken now shows that area black.
shows_black() { screenshot "$SCENARIO_TMP/shot.png" && black "$SCENARIO_TMP/shot.png" "$@"; }

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"
# A desktop whose every part would show if left uncovered.
DESK="$SCENARIO_TMP/desk.png"
convert -size 2304x1024 xc:'#FF0000' -fill '#00FF00' -draw "rectangle 0,512 2303,1023" "$DESK"
desktop_picture "$DESK"

if [ -n "${VELNORA_MONITORS:-}" ]; then
  start Velnora.scr /s
  host=$LAST_PID
  wait_window Ondrel_VC 20
  wait_window Ondrel_VC_Monitor1 10
  wait_until 5 "the primary not black" shows_black 0 0 1280 1024
  wait_until 5 "the second monitor not black" shows_black 1280 0 1024 768
  pass "both monitors are black within ${WAITED_MS} ms of the second one's window"
  cp "$SCENARIO_TMP/shot.png" "$VELNORA_BUILD/session_no_gl_monitors.png" 2>/dev/null || true
  escape_ends_session "$host"
  [ ! -e "$WORK_DIR/Ondrel1.alo" ] || fail "the second monitor's picture is still there"
  snapshot_gone "two monitors without OpenGL"
  finish
  exit 0
fi

# --- A session: black, still, cheap, in front, and ended by Escape.
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
started=$(now_ms)
wait_until 5 "the screen not black" shows_black 0 0 1280 1024
pass "the whole screen is black $(($(now_ms) - started)) ms after the renderer's window came"
rpid=$(renderer_pid) || fail "renderer process not found"
ticks() { awk '{print $14 + $15}' "/proc/$rpid/stat"; }
before=$(ticks)
sleep 5
share=$(( ($(ticks) - before) * 100 / ($(getconf CLK_TCK) * 5) ))
note "the renderer used ${share} % of a core over 5 s"
[ "$share" -le 5 ] || fail "the black screen costs ${share} % of a core"
pass "the black screen costs next to no processor time"
shows_black 0 0 1280 1024 || fail "the screen did not stay black"
cp "$SCENARIO_TMP/shot.png" "$VELNORA_BUILD/session_no_gl.png" 2>/dev/null || true
expect_eq "$(probe foreground) $(probe top 640 512) $(probe cursor)" "Ondrel_VC Ondrel_VC hidden" \
  "the black window stays in front, on top, the cursor hidden"
escape_ends_session "$host"
wait_pid_gone "$rpid" 10
snapshot_gone "a session without OpenGL"

# --- The renderer alone, a desktop picture present: its window stays until WM_CLOSE.
convert -size 64x48 xc:'#FF0000' -type truecolor BMP3:"$SNAPSHOT_FILE"
start Velnora.dll
pid=$LAST_PID
wait_window Ondrel_VC 20
still_running "$pid" 2
has_window Ondrel_VC || fail "the renderer's window went"
probe close Ondrel_VC
wait_exit "$pid" 10
expect_eq "$EXIT_CODE" 0 "the renderer alone keeps its window until WM_CLOSE, then exits 0"
finish
