#!/usr/bin/env bash
# On a scaled display the session works in physical pixels: the recorded
# size, the snapshot and the renderer's window all match the X screen.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

DESKTOP_KEY='HKCU\Control Panel\Desktop'
set_dpi() { wine reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
# Wine traces the per-monitor call only through its relay.
RELAY_KEY='HKCU\Software\Wine\Debug'
wine reg add "$RELAY_KEY" /v RelayInclude /d 'user32.SetProcessDpiAwarenessContext' /f >/dev/null 2>&1
restore_dpi() { set_dpi 96; wine reg delete "$RELAY_KEY" /v RelayInclude /f >/dev/null 2>&1; }
trap 'restore_dpi; _e2e_cleanup' EXIT

# The awareness each program declares: the renderer in its manifest (per
# monitor, version 2, where the system has it), the host by a call made for
# the session only.
for declared in '<dpiAware[^>]*>true/PM</dpiAware>' '<dpiAwareness[^>]*>PerMonitorV2, PerMonitor</dpiAwareness>'; do
  strings "$VELNORA_DIST/Velnora.dll" | grep -q "$declared" || fail "the renderer's manifest lacks $declared"
done
pass "the renderer's manifest declares itself per-monitor DPI-aware"

read -r xw xh <<<"$(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2; exit}')"
set_dpi 144
read -r _ _ _ dpi _ <<<"$(probe metrics)"
expect_eq "$dpi" 144 "the display is scaled to 150 %"

rm -rf "$WORK_DIR"
: >"$SCENARIO_TMP/wine.log"
WINEDEBUG=+system,+relay start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
# Wine fixes a process's awareness at its start, so the version 2 request
# fails here and the session falls back to system awareness.
grep -q 'SetProcessDpiAwarenessContext(fffffffffffffffc)' "$SCENARIO_TMP/wine.log" ||
  fail "the session did not ask for per-monitor awareness (version 2)"
grep -q 'SetProcessDPIAware' "$SCENARIO_TMP/wine.log" || fail "the host did not make itself DPI-aware for the session"
pass "the host asks for per-monitor awareness for the session, else system awareness"
expect_eq "$(ini_value Settings Width | tr -d ' ') $(ini_value Settings Height | tr -d ' ')" "$xw $xh" \
  "the recorded size is the screen's in pixels"
expect_eq "$(identify -format '%w %h' "bmp:$SNAPSHOT_FILE")" "$xw $xh" "the snapshot is the screen's size in pixels"
expect_eq "$(window_rect Ondrel_VC)" "0 0 $xw $xh" "the renderer's window covers the screen"
probe close Ondrel_VC
wait_exit "$host" 5

# The dialog and the preview keep the system's scaling: those runs never call it.
: >"$SCENARIO_TMP/wine.log"
for args in "/c" "/p 1234" "/x"; do
  WINEDEBUG=+system start Velnora.scr $args
  # The dialog stays until it is closed.
  if [ "$args" = /c ]; then
    wait_window "■Velnora■" 20
    probe close "■Velnora■"
  fi
  wait_exit "$LAST_PID" 15
done
grep -q 'SetProcessDPIAware' "$SCENARIO_TMP/wine.log" && fail "a run other than the session made itself DPI-aware"
pass "only the session is DPI-aware"
finish
