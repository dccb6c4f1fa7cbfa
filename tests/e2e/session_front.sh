#!/usr/bin/env bash
# The saver in front of the desk: a window of another program has the
# keyboard and another stays always on top when the session starts; the
# renderer takes the foreground and lies above both (also when the other
# program raises its window again), Escape ends the session, and the
# always-on-top window is back on top afterwards. Z-order is asked of Wine
# at a point inside that window: the X screen does not show it faithfully.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"

front_window() {  # TITLE [top]: a shown window of another program at (100, 100), 300 x 200
  timeout -k 2 70 wine "$VELNORA_PROBE" front "$@" >"$SCENARIO_TMP/$1.out" 2>/dev/null &
  STARTED_PIDS+=("$!")
  wait_until 10 "window '$1' not up" grep -q ready "$SCENARIO_TMP/$1.out"
}
on_top() { [ "$(probe top 250 200)" = "$1" ]; }

front_window PinnedNotes 60 top
front_window WorkDocument 60
wait_until 5 "the document without the foreground" eval '[ "$(probe foreground)" = WorkDocument ]'
expect_eq "$(probe top 250 200)" PinnedNotes "before the session the always-on-top window lies on top"

start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 30
wait_until 5 "the renderer without the foreground" eval '[ "$(probe foreground)" = Ondrel_VC ]'
pass "the renderer takes the foreground from the program the user worked in"
expect_eq "$(probe top 250 200)" Ondrel_VC "the always-on-top window lies under the renderer"

probe raise PinnedNotes || fail "velprobe could not raise the always-on-top window"
probe raise WorkDocument || fail "velprobe could not raise the document"
sleep 0.3
expect_eq "$(probe top 250 200)" Ondrel_VC "windows raised during the session stay under the renderer"

send_key Escape
wait_exit "$host" 10
pass "Escape typed on the keyboard ends the session"
wait_until 5 "the always-on-top window not back on top" on_top PinnedNotes
pass "after the session the always-on-top window is on top again"

finish
