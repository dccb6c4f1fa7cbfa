#!/usr/bin/env bash
# No more frames than the display shows, on a desk whose modes carry their
# refresh rates (Xorg's dummy driver): at 60 Hz the renderer draws about 60
# rounds a second, evenly spaced; with a second monitor plugged in both are
# drawn in every round; Escape still ends the session at once; a session
# started once the rate alone changed to 75 Hz draws about 75. Frames are
# counted from Wine's trace of wglSwapBuffers, one line per swap.
# NOTE: a running Wine 8 program keeps the display mode it first read: it
# never hears of a rate changed later, so the change is tried on a new session.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

if [ "${VELNORA_DESK:-}" != dummy ]; then
  trap - EXIT
  _e2e_cleanup
  VELNORA_DESK=dummy VELNORA_SCREEN=1024x768x24 exec "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_BUILD" bash "$0"
fi

plug() { xrandr "$@" && xrandr >/dev/null; }
plug --output DUMMY0 --mode 1024x768 --rate 60
xrandr --addmode DUMMY1 1024x768

# swaps SECONDS: "<time> <dc>" of each swap over the next SECONDS, from the trace.
swaps() {
  local from
  from=$(wc -l <"$SCENARIO_TMP/wine.log")
  sleep "$1"
  tail -n +"$((from + 1))" "$SCENARIO_TMP/wine.log" | grep -a 'wglSwapBuffers' |
    sed -n 's/^\([0-9]*\.[0-9]*\):.*wglSwapBuffers[^0-9a-fx]*\(0x[0-9a-f]*\|[0-9a-f]\+\).*/\1 \2/p'
}
# rate WHAT HZ: over 4 s the primary's swaps come HZ a second, within 5 %,
# and no two of them lie two periods apart.
rate() {
  local what=$1 hz=$2 dc
  swaps 4 >"$SCENARIO_TMP/swaps"
  dc=$(awk 'END {print $2}' "$SCENARIO_TMP/swaps")
  read -r fps gap < <(awk -v dc="$dc" '$2 == dc { if (n++) { g = $1 - t; if (g > max) max = g } else first = $1; t = $1 }
    END { printf "%.1f %d\n", (n - 1) / (t - first), max * 1000 }' "$SCENARIO_TMP/swaps")
  note "$what: $fps frames a second, longest gap $gap ms"
  awk -v f="$fps" -v hz="$hz" 'BEGIN { exit !(f >= hz * 0.95 && f <= hz * 1.05) }' ||
    fail "$what: $fps frames a second, not $hz"
  [ "$gap" -lt $((2000 / hz)) ] || fail "$what: a gap of $gap ms among the frames"
  pass "$what: $fps frames a second, evenly spaced"
}

# session: /s with the swaps traced, until its window is up and drawing. Sets HOST.
session() {
  WINEDEBUG=+timestamp,+wgl start Velnora.scr /s
  HOST=$LAST_PID
  wait_window Ondrel_VC 20
  sleep 2
}

session
rate "60 Hz" 60

plug --output DUMMY1 --mode 1024x768 --right-of DUMMY0
wait_window Ondrel_VC_Monitor1 5
sleep 1
swaps 3 >"$SCENARIO_TMP/swaps"
read -r dcs per_dc < <(awk '{n[$2]++} END {for (d in n) {c++; s = s " " n[d]} print c, s}' "$SCENARIO_TMP/swaps")
note "two monitors: $per_dc swaps per window"
[ "$dcs" = 2 ] || fail "two monitors: swaps of $dcs windows"
awk -v a="${per_dc% *}" -v b="${per_dc#* }" 'BEGIN { d = a - b; exit !(d <= 1 && d >= -1 && a >= 30 && a <= 190) }' ||
  fail "two monitors: not both drawn once in every round at 60 Hz ($per_dc)"
pass "two monitors: both drawn once in every round"

escape_ends_session "$HOST"
pass "Escape ends the session at once"
snapshot_gone "a paced session"

plug --output DUMMY1 --off --output DUMMY0 --mode 1024x768 --rate 75
sleep 1
session
rate "75 Hz" 75
escape_ends_session "$HOST"
finish
