#!/usr/bin/env bash
# A renderer that crashes is started again, and meanwhile the host's curtain
# covers the screen: not a sample of the desktop shows. Escape ends the
# session within a second or two of a freeze, heard by the host. The third
# failure within a minute ends the session. Every end is clean: cursor
# shown, nothing left in the work folder.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

# NOTE: Wine ignores the error mode by which the host spares a crashed
# renderer Windows' error reporting, and starts its debugger (seconds);
# without one it ends a crashed process at once, as Windows then does.
AEDEBUG='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
wine_setup "could not set the crash debugger" reg add "$AEDEBUG" /v Debugger /d false /f
trap 'kill -CONT ${frozen:-} 2>/dev/null; wine reg delete "$AEDEBUG" /v Debugger /f >/dev/null 2>&1; _e2e_cleanup' EXIT

read -r screen_w screen_h <<<"$(screen_size)"
DESK="$SCENARIO_TMP/desk.png"
convert -size "${screen_w}x${screen_h}" xc:'#FF0000' -fill '#00FF00' -draw "rectangle 0,0 $screen_w,$((screen_h / 2))" "$DESK"
desktop_picture "$DESK"
convert "$DESK" BMP3:"$SCENARIO_TMP/desk.bmp"

renderer_pid() { unix_pid_of Velnora.dll; }
# a_new_renderer OLD: a renderer other than OLD runs, its window up.
a_new_renderer() { local p; p=$(renderer_pid) && [ "$p" != "$1" ] && has_window Ondrel_VC; }
start_session() {
  rm -rf "$WORK_DIR"
  start Velnora.scr /s
  HOST=$LAST_PID
  wait_window Ondrel_VC 20
  wait_focus Ondrel_VC 10
  RPID=$(renderer_pid) || fail "renderer process not found"
}
# drawing: the screen moves and shows the desktop in under half its pixels,
# the renderer's window over all of it. Sets LIVE.
drawing() {
  local t="$SCENARIO_TMP" moved
  [ "$(window_rect Ondrel_VC)" = "0 0 $screen_w $screen_h" ] || return 1
  screenshot "$t/a.png"; sleep 0.3; screenshot "$t/b.png"
  LIVE=$(compare -metric AE "$t/b.png" "$DESK" null: 2>&1 | awk -v n=$((screen_w * screen_h)) '{printf "%d", 100 - $1 * 100 / n}')
  moved=$(compare -metric AE "$t/a.png" "$t/b.png" null: 2>&1 | awk '{printf "%d", $1}')
  [ "$LIVE" -lt 50 ] && [ "$moved" -gt 0 ]
}
covered() {
  wait_until 20 "$1: the renderer does not draw over the screen" drawing
  running "$HOST" || fail "$1: the session has ended"
  pass "$1: covered and moving ($LIVE % like the desktop)"
}
crash() { probe crash Ondrel_VC || fail "$1: no thread could be started in the renderer"; }
# A new renderer "at once": its start is waited for, with room for a busy machine.
crash_and_back() { crash "$1"; wait_until 15 "$1: no new renderer" a_new_renderer "$RPID"; RPID=$(renderer_pid); sleep 1; }
clean_end() {
  expect_eq "$EXIT_CODE $(ls -A "$WORK_DIR")" "0 Velnora.ini" "$1: a clean end, nothing but the settings left"
  expect_cursor_shown "$1: the cursor is shown again"
  running "$(renderer_pid)" && fail "$1: a renderer is left running"
}

start_session
covered "a session"
# The screen sampled from before the crash until well after the new
# renderer's first frame: the curtain, never the desktop, between the two.
probe exposed 8000 "Z:$SCENARIO_TMP/desk.bmp" >"$SCENARIO_TMP/exposed" &
sampler=$!
sleep 1
crash "a crash"
wait_until 15 "no new renderer after a crash" a_new_renderer "$RPID"
covered "after a crash"
wait "$sampler"
read -r samples exposed longest <"$SCENARIO_TMP/exposed"
[ "${samples:-0}" -gt 100 ] || fail "the screen was sampled only ${samples:-0} times"
expect_eq "$exposed" 0 "a crash shows not one of $samples samples of the desktop (longest run: $longest ms)"
expect_eq "$(probe cursor)" hidden "after a crash the cursor stays hidden"
wait_focus Ondrel_VC 10
escape_ends_session "$HOST"
clean_end "Escape after a crash"

# Frozen dead: Escape, pressed every half second as a user would, is heard
# by the host, which ends the renderer and the session.
start_session
frozen=$RPID
kill -STOP "$frozen"
stopped=$(now_ms)
escape_until_end() { running "$HOST" || return 0; send_key Escape; sleep 0.5; ! running "$HOST"; }
wait_until 15 "a freeze: Escape did not end the session" escape_until_end
took=$(( $(now_ms) - stopped ))
wait_exit "$HOST" 1
note "a freeze: Escape ended the session $took ms after it"
# A second and a half for the host, and as much again for a machine half as fast.
[ "$took" -le 3000 ] && pass "a freeze: Escape ended the session within 3 s" || fail "a freeze: Escape only after $took ms"
kill -CONT "$frozen" 2>/dev/null
wait_pid_gone "$frozen" 10
clean_end "Escape after a freeze"

start_session
crash_and_back "a first crash"
crash_and_back "a second crash"
crash "the third crash"
wait_exit "$HOST" 10
clean_end "the third crash within a minute"
finish
