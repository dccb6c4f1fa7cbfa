#!/usr/bin/env bash
# Only Escape and a close request end the renderer: other keys and the mouse
# change nothing, and a WM_CLOSE from another program ends it like Escape.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"

start Velnora.dll
pid=$LAST_PID
wait_window Ondrel_VC 30

send_key space Return a F1 Left
xdotool mousemove 10 10 mousemove 600 500 mousemove 1000 700
xdotool click 1
xdotool click 3
still_running "$pid" 2
has_window Ondrel_VC || fail "the window went away after keys and mouse input"
pass "other keys, mouse movement and clicks do not end the renderer"

probe close Ondrel_VC || fail "velprobe could not post WM_CLOSE"
wait_exit "$pid" 20
expect_eq "$EXIT_CODE" 0 "a WM_CLOSE from another program ends the renderer with exit code 0"
has_window Ondrel_VC && fail "the window outlived the process"
pass "the window is gone after WM_CLOSE"

finish
