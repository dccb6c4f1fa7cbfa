#!/usr/bin/env bash
# Nothing drawn that nobody can see: with the displays off, or the session
# locked or away, the renderer draws no frames and all but rests, its
# window still up and on top with its last frame; when someone can see it
# again it draws at once. Messages about other settings change nothing.
# Nothing here sends these messages itself: the probe sends them as the
# system would.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

# cpu_share PID SECONDS: percent of one core the process used over that time.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
cpu_share() {
  local a; a=$(cpu_ticks "$1"); sleep "$2"
  echo $(( ($(cpu_ticks "$1") - a) * 100 / ($2 * $(getconf CLK_TCK)) ))
}
# moving: the screen changes within 0.3 s.
moving() {
  screenshot "$SCENARIO_TMP/a.png"; sleep 0.3; screenshot "$SCENARIO_TMP/b.png"
  [ "$(compare -metric AE "$SCENARIO_TMP/a.png" "$SCENARIO_TMP/b.png" null: 2>&1 | awk '{printf "%d", $1}')" -gt 0 ]
}
# still WHAT: the view stays up, on top, over the whole screen, and draws nothing.
still() {
  sleep 0.3
  moving && fail "$1: frames are still drawn"
  expect_eq "$(window_rect Ondrel_VC) / $(probe top 640 512)" "0 0 1280 1024 / Ondrel_VC" \
    "$1: nothing drawn, still covered"
}
# unseen WHAT "GONE" "BACK": after the first probe message no frames and next
# to no processor time (5 % of a core at most, and a quarter of what drawing
# took here), after the second frames again at once (a look takes two
# screenshots: 3 s leave room for a slow machine's).
unseen() {
  local share
  probe $2
  still "$1"
  share=$(cpu_share "$rpid" 3)
  [ "$share" -le 5 ] && [ $((share * 4)) -le "$drawing" ] ||
    fail "$1: the renderer took $share % of a core, drawing $drawing %"
  pass "$1: the renderer rests ($share % of a core)"
  probe $3
  wait_until 3 "$1, then back: no frames" moving
  pass "$1, then back: drawing again (${WAITED_MS} ms)"
}

start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
rpid=$(unix_pid_of Velnora.dll) || fail "renderer process not found"
sleep 1
drawing=$(cpu_share "$rpid" 3)
note "drawing: ${drawing} % of a core"

unseen "displays off" "power Ondrel_VC 0" "power Ondrel_VC 2"  # back dimmed
unseen "session locked" "session Ondrel_VC 7" "session Ondrel_VC 8"
unseen "remote connection gone" "session Ondrel_VC 4" "session Ondrel_VC 3"

probe power Ondrel_VC 0
probe power Ondrel_VC 1 other
probe power Ondrel_VC 1 short
still "displays off, then another setting and data of the wrong size"
escape_ends_session "$host"
pass "Escape ends the session while the displays are off"
snapshot_gone "displays off"
finish
