#!/usr/bin/env bash
# The renderer's window: its size from the settings file, its place and
# title, the debug line pair, and Escape ending it with exit code 0.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

# run_renderer: starts Velnora.dll and waits for its window.
run_renderer() {
  : >"$SCENARIO_TMP/wine.log"
  WINEDEBUG=+debugstr start Velnora.dll
  RENDERER_PID=$LAST_PID
  wait_window Ondrel_VC 30
}

# end_with_escape: Escape ends the renderer with exit code 0 and no window left.
end_with_escape() {
  # NOTE: Wine hands a window that covers the whole screen to the window
  # manager for focus, and this display has none: do its part first.
  local i
  for i in $(seq 100); do
    xdotool search --onlyvisible --name Ondrel_VC windowfocus --sync >/dev/null 2>&1 && break
    sleep 0.1
  done
  send_key Escape
  wait_exit "$RENDERER_PID" 20
  expect_eq "$EXIT_CODE" 0 "$1: Escape ends the renderer with exit code 0"
  has_window Ondrel_VC && fail "$1: the window outlived the process"
  pass "$1: the window is gone"
}

# Sized in physical pixels, as the host records them, on a scaled display too.
grep -q 'WindowsSettings">true/PM</dpiAware>' "$VELNORA_DIST/Velnora.dll" \
  || fail "Velnora.dll embeds no DPI-aware manifest"
pass "Velnora.dll declares itself DPI-aware in its manifest"

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"

# No settings file: 1024 x 768 at the top-left corner.
run_renderer
expect_eq "$(window_rect Ondrel_VC)" "0 0 1024 768" "without a settings file the window is 1024x768 at (0, 0)"
expect_eq "$(window_texts Ondrel_VC | head -n 1)" "$(printf 'Ondrel_VC\tOndrel_VC')" "class and title are Ondrel_VC"
# Wine's debug channel shows what OutputDebugStringA was handed.
pairs=$(grep -c 'OutputDebugStringA "PixelFormat Selected: [1-9][0-9]*\\nBPP: [0-9]*\\n"' "$SCENARIO_TMP/wine.log")
note "$(grep -o 'OutputDebugStringA ".*"' "$SCENARIO_TMP/wine.log" | head -n 1)"
expect_eq "$pairs" 1 "the debug line pair is emitted once"
end_with_escape "no settings file"

# Values as the host writes them, with the sign column's blank.
ini_write $'[Settings]\nWidth= 1280\nHeight= 1024\n'
run_renderer
expect_eq "$(window_rect Ondrel_VC)" "0 0 1280 1024" "Width/Height ' 1280'/' 1024' give 1280x1024"
end_with_escape "1280x1024"

# 0 or text that is no number gives the default.
for case in "Width=0|Height=600|1024 600" "Width=abc|Height=0|1024 768" "Width=800|Height=x9|800 768"; do
  IFS='|' read -r w h want <<<"$case"
  ini_write "[Settings]"$'\n'"$w"$'\n'"$h"$'\n'
  run_renderer
  expect_eq "$(window_rect Ondrel_VC)" "0 0 $want" "$w, $h gives $want"
  end_with_escape "$w, $h"
done

finish
