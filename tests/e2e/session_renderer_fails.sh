#!/usr/bin/env bash
# A renderer that crashes is started again, covering the screen again within
# two seconds; one stopped dead is ended and started again, so that Escape
# works within 10 s; the third failure within a minute ends the session.
# Every end is clean: cursor shown, nothing left in the work folder.
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
  sleep 1
}
# covered WHAT: the screen moves and shows the desktop in under half its
# pixels, the renderer's window over all of it, the host running.
covered() {
  local t="$SCENARIO_TMP" live moved
  screenshot "$t/a.png"; sleep 0.3; screenshot "$t/b.png"
  running "$HOST" || fail "$1: the session has ended"
  expect_eq "$(window_rect Ondrel_VC)" "0 0 $screen_w $screen_h" "$1: the renderer's window covers the screen"
  live=$(compare -metric AE "$t/b.png" "$DESK" null: 2>&1 | awk -v n=$((screen_w * screen_h)) '{printf "%d", 100 - $1 * 100 / n}')
  moved=$(compare -metric AE "$t/a.png" "$t/b.png" null: 2>&1 | awk '{printf "%d", $1}')
  [ "$live" -lt 50 ] && [ "$moved" -gt 0 ] || fail "$1: $live % shows the desktop, $moved pixels moved"
  pass "$1: covered and moving ($live % like the desktop)"
}
crash() { probe crash Ondrel_VC || fail "$1: no thread could be started in the renderer"; }
crash_and_back() { crash "$1"; wait_until 5 "$1: no new renderer" a_new_renderer "$RPID"; RPID=$(renderer_pid); sleep 1; }
clean_end() {
  expect_eq "$EXIT_CODE $(ls -A "$WORK_DIR")" "0 Velnora.ini" "$1: a clean end, nothing but the settings left"
  expect_cursor_shown "$1: the cursor is shown again"
  running "$(renderer_pid)" && fail "$1: a renderer is left running"
}

start_session
crash "a crash"
sleep 2
covered "two seconds after a crash"
a_new_renderer "$RPID" || fail "the crashed renderer is still there"
expect_eq "$(probe cursor)" hidden "after a crash the cursor stays hidden"
sleep 3
covered "five seconds after a crash"
wait_focus Ondrel_VC 10
escape_ends_session "$HOST"
clean_end "Escape after a crash"

start_session
frozen=$RPID
kill -STOP "$frozen"
stopped=$(now_ms)
wait_until 10 "no new renderer after a freeze" a_new_renderer "$frozen"
wait_focus Ondrel_VC 5
escape_ends_session "$HOST"
took=$(( $(now_ms) - stopped ))
[ "$took" -le 10000 ] && pass "a freeze: Escape ended the session $took ms after it" || fail "a freeze: Escape only after $took ms"
kill -CONT "$frozen"
wait_pid_gone "$frozen" 10
clean_end "Escape after a freeze"

start_session
crash_and_back "a first crash"
crash_and_back "a second crash"
crash "the third crash"
wait_exit "$HOST" 3
clean_end "the third crash within a minute"
finish
