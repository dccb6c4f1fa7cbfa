#!/usr/bin/env bash
# No more frames than the display shows, on a desk whose modes carry their
# refresh rates (Xorg's dummy driver): at 60 Hz the renderer draws about 60
# rounds a second, evenly spaced; with a second monitor plugged in both are
# drawn in every round; Escape still ends the session at once; a session
# started once the rate alone changed to 75 Hz draws about 75. What this
# machine can draw at all is measured first, in a session at 480 Hz: where
# that is less than a rate, the rate is what it can draw. Frames are counted
# from Wine's trace of wglSwapBuffers, one line per swap. Small monitors:
# the size is not what is tested here.
# NOTE: a running Wine 8 program keeps the display mode it first read: it
# never hears of a rate changed later, so the change is tried on a new session.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

VELNORA_SCREEN=640x480x24 on_dummy_desk
xrandr --addmode DUMMY1 640x480

# swaps SECONDS: "<time> <dc>" of each swap over the next SECONDS, from the trace.
swaps() {
  local from
  from=$(wc -l <"$SCENARIO_TMP/wine.log")
  sleep "$1"
  tail -n +"$((from + 1))" "$SCENARIO_TMP/wine.log" | grep -a 'wglSwapBuffers' |
    sed -n 's/^\([0-9]*\.[0-9]*\):.*wglSwapBuffers[^0-9a-fx]*\(0x[0-9a-f]*\|[0-9a-f]\+\).*/\1 \2/p'
}
# measure HZ: over 4 s the primary's swaps. Sets FPS, LONG and SHORT (gaps
# longer than one and a half periods of HZ, or shorter than half of one, of N).
measure() {
  local dc
  swaps 4 >"$SCENARIO_TMP/swaps"
  dc=$(awk 'END {print $2}' "$SCENARIO_TMP/swaps")
  read -r FPS LONG SHORT N < <(awk -v dc="$dc" -v p="$(awk -v hz="$1" 'BEGIN {print 1 / hz}')" '
    $2 == dc { if (n++) { g = $1 - t; if (g > 1.5 * p) l++; if (g < 0.5 * p) s++ } else first = $1; t = $1 }
    END { printf "%.1f %d %d %d\n", (n > 1 ? (n - 1) / (t - first) : 0), l, s, n - 1 }' "$SCENARIO_TMP/swaps")
}
# paced HZ: the swaps come HZ a second (or as many as this machine draws, if
# fewer), within 5 %, and evenly: not one gap in ten out of step (a coarse
# timer alternates long and short gaps, bursts crowd frames together; a rare
# stall of the machine is neither).
paced() {
  local hz
  hz=$(awk -v hz="$1" -v cap="$CAPACITY" 'BEGIN { print (cap < hz ? cap : hz) }')
  measure "$hz"
  awk -v f="$FPS" -v hz="$hz" 'BEGIN { exit !(f >= hz * 0.95 && f <= hz * 1.05) }' &&
    [ $((LONG * 10)) -lt "$N" ] && [ $((SHORT * 10)) -lt "$N" ]
}
# rate WHAT HZ: paced, looked at twice at most.
rate() {
  paced "$2" || { note "$1: $FPS frames a second, $LONG long and $SHORT short gaps of $N; again"; paced "$2"; } ||
    fail "$1: $FPS frames a second, $LONG long and $SHORT short gaps of $N, not $2 evenly (this machine draws $CAPACITY)"
  pass "$1: $FPS frames a second, evenly spaced ($LONG long and $SHORT short gaps of $N)"
}

# session: /s with the swaps traced, until its window is up and drawing. Sets HOST.
session() {
  WINEDEBUG=+timestamp,+wgl start Velnora.scr /s
  HOST=$LAST_PID
  wait_window Ondrel_VC 20
  sleep 2
}

# What this machine draws unpaced: a rate above anything it can reach.
# shellcheck disable=SC2046
xrandr --newmode v480 $(cvt 640 480 480 | sed -n 's/^Modeline "[^"]*"//p')
xrandr --addmode DUMMY0 v480
plug --output DUMMY0 --mode v480
session
measure 480
CAPACITY=$FPS
note "unpaced, this machine draws $CAPACITY frames a second at 640 x 480"
escape_ends_session "$HOST"

plug --output DUMMY0 --mode 640x480 --rate 60
session
rate "60 Hz" 60

plug --output DUMMY1 --mode 640x480 --right-of DUMMY0
wait_window Ondrel_VC_Monitor1 5
sleep 1
swaps 3 >"$SCENARIO_TMP/swaps"
per_dc=$(awk '{n[$2]++} END {for (d in n) printf "%d ", n[d]}' "$SCENARIO_TMP/swaps")
# Two windows, as many swaps each (a round may be cut in two), no more than 60 Hz allows.
awk -v n="$per_dc" 'BEGIN { c = split(n, a, " "); exit !(c == 2 && a[1] - a[2] <= 1 && a[2] - a[1] <= 1 && a[1] >= 30 && a[1] <= 190) }' ||
  fail "two monitors: not both drawn once in every round at 60 Hz (swaps per window: $per_dc)"
pass "two monitors: both drawn once in every round (swaps per window: $per_dc)"

escape_ends_session "$HOST"
pass "Escape ends the session at once"
snapshot_gone "a paced session"

plug --output DUMMY1 --off --output DUMMY0 --mode 640x480 --rate 75
sleep 1
session
rate "75 Hz" 75
escape_ends_session "$HOST"
finish
