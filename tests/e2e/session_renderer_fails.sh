#!/usr/bin/env bash
# A renderer that fails never opens the desk nor deafens Escape: crashed (an
# access violation, as a faulting driver raises one), it is started again
# and the screen is covered again within two seconds; stopped dead, it is
# ended and started again, and Escape works again within seconds; failing
# three times within a minute, it ends the session as Escape does. Each
# end is clean: cursor shown, nothing left in the work folder.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

# NOTE: the host hands the renderer an error mode that spares a crash
# Windows' error reporting (seconds with its last frame frozen up); Wine
# ignores error modes and starts its debugger, which takes as long. Told
# to start none, Wine ends a crashed process at once, as Windows then does.
AEDEBUG='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
wine reg add "$AEDEBUG" /v Debugger /d false /f >/dev/null 2>&1 || fail "could not set the crash debugger"
restore() { wine reg delete "$AEDEBUG" /v Debugger /f >/dev/null 2>&1; }
trap 'restore; _e2e_cleanup' EXIT

read -r screen_w screen_h <<<"$(screen_size)"
DESK="$SCENARIO_TMP/desk.png"
convert -size "${screen_w}x${screen_h}" xc:'#FF0000' -fill '#00FF00' \
  -draw "rectangle 0,$((screen_h / 2)) $((screen_w - 1)),$((screen_h - 1))" "$DESK"
desktop_picture "$DESK"

renderer_pid() { unix_pid_of Velnora.dll; }
# a_new_renderer OLD: a renderer process other than OLD runs, its window up.
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

# covered WHAT: the host runs and the renderer's window lies over the whole
# screen, which moves and shows the desktop in under half its pixels.
covered() {
  local live moved t="$SCENARIO_TMP"
  screenshot "$t/a.png"; sleep 0.3; screenshot "$t/b.png"
  running "$HOST" || fail "$1: the session has ended"
  expect_eq "$(window_rect Ondrel_VC)" "0 0 $screen_w $screen_h" "$1: the renderer's window covers the screen"
  live=$(compare -metric AE "$t/b.png" "$DESK" null: 2>&1 | awk -v n=$((screen_w * screen_h)) '{printf "%d", 100 - $1 * 100 / n}')
  moved=$(compare -metric AE "$t/a.png" "$t/b.png" null: 2>&1 | awk '{printf "%d", $1}')
  [ "$live" -lt 50 ] && [ "$moved" -gt 0 ] || fail "$1: $live % shows the desktop, $moved pixels moved"
  pass "$1: covered and moving ($live % like the desktop)"
}

# crash WHAT: an access violation in the renderer.
crash() {
  probe crash Ondrel_VC || fail "$1: no thread could be started in the renderer"
  CRASHED_MS=$(now_ms)
}
# crash_and_back WHAT: a crash, then a new renderer's window within 5 s.
crash_and_back() {
  local old=$RPID
  crash "$1"
  wait_until 5 "$1: no new renderer" a_new_renderer "$old"
  RPID=$(renderer_pid)
}

# clean_end WHAT: the host has ended cleanly, the cursor is back and the
# work folder holds nothing but the settings file.
clean_end() {
  expect_eq "$EXIT_CODE" 0 "$1: the host ends cleanly"
  expect_cursor_shown "$1: the cursor is shown again"
  expect_eq "$(ls -A "$WORK_DIR" | tr '\n' ' ')" "Velnora.ini " "$1: nothing left in the work folder"
  running "$(renderer_pid)" && fail "$1: a renderer is left running"
  pass "$1: no renderer left"
}

# --- A crash: covered again two seconds later, and still a while after; the
# cursor stays hidden; Escape then ends the session as ever.
start_session
crash "a crash"
sleep "$(awk -v ms=$(( CRASHED_MS + 2000 - $(now_ms) )) 'BEGIN {print (ms > 0 ? ms / 1000 : 0)}')"
covered "two seconds after a crash"
a_new_renderer "$RPID" || fail "the crashed renderer is still there"
RPID=$(renderer_pid)
expect_eq "$(probe cursor)" hidden "after a crash the cursor stays hidden"
still_running "$HOST" 3
covered "five seconds after a crash"
wait_focus Ondrel_VC 10
escape_ends_session "$HOST"
clean_end "Escape after a crash"

# --- Stopped dead: ended and started again; Escape works within 10 s.
start_session
frozen=$RPID
kill -STOP "$frozen"
stopped_ms=$(now_ms)
trap 'kill -CONT "$frozen" 2>/dev/null; restore; _e2e_cleanup' EXIT
wait_until 10 "no new renderer after a freeze" a_new_renderer "$frozen"
RPID=$(renderer_pid)
note "a new renderer's window $(( $(now_ms) - stopped_ms )) ms after the freeze"
wait_focus Ondrel_VC 5
escape_ends_session "$HOST"
took=$(( $(now_ms) - stopped_ms ))
[ "$took" -le 10000 ] || fail "Escape ended a frozen session only after $took ms"
pass "a frozen renderer: Escape ended the session $took ms after the freeze"
kill -CONT "$frozen" 2>/dev/null
wait_pid_gone "$frozen" 10
clean_end "Escape after a freeze"

# --- Three failures within a minute end the session, cleanly.
start_session
crash_and_back "a first crash"
crash_and_back "a second crash"
crash "the third crash"
wait_exit "$HOST" 3
clean_end "a third crash"

finish
