#!/usr/bin/env bash
# What the renderer shows: the snapshot on the rippling sheet, animating;
# without a snapshot, a plain white sheet.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

# count COLOUR FILE: pixels of exactly that colour (RRGGBB) in a screenshot.
count() {
  convert "$2" -format %c histogram:info:- | grep -i "#$1 " | awk -F: '{s += $1} END {print s + 0}'
}

shoot() {  # FILE: the renderer's 1024 x 768 window, kept beside the build for a person to look at
  # Only the window: beyond it lies whatever desktop picture an earlier scenario left.
  import -window root -crop 1024x768+0+0 +repage "$1"
  cp "$1" "$VELNORA_BUILD/" 2>/dev/null || true
}

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"
# Four quadrants of a 1024 x 768 picture: red and lime above, blue and yellow below.
convert \( -size 512x384 xc:'#FF0000' xc:'#00FF00' +append \) \
        \( -size 512x384 xc:'#0000FF' xc:'#FFFF00' +append \) -append \
        -type truecolor BMP3:"$SNAPSHOT_FILE"
ini_write $'[Settings]\nWidth= 1024\nHeight= 768\n'

# shows_snapshot WHAT [SHOT]: the renderer shows the snapshot on the
# animating sheet (its first screenshot kept as SHOT); Escape ends it.
shows_snapshot() {
  local pid n changed first="$SCENARIO_TMP/${2:-renderer_first}.png"
  start Velnora.dll
  pid=$LAST_PID
  wait_window Ondrel_VC 30
  sleep 2
  shoot "$first"
  sleep 0.7
  shoot "$SCENARIO_TMP/renderer_second.png"
  for c in FF0000 00FF00 0000FF FFFF00; do
    n=$(count $c "$first")
    [ "$n" -gt 2000 ] || fail "$1: the snapshot colour #$c covers only $n pixels"
    note "#$c: $n pixels"
  done
  pass "$1: the sheet carries the snapshot's four colours"
  [ "$(count 000000 "$first")" -gt 50000 ] || fail "$1: no black background beyond the sheet"
  pass "$1: the background beyond the sheet is black"
  changed=$(compare -metric AE "$first" "$SCENARIO_TMP/renderer_second.png" null: 2>&1 || true)
  note "$changed pixels changed in 0.7 s"
  [ "${changed%%.*}" -gt 10000 ] || fail "$1: the picture hardly changed: $changed pixels"
  pass "$1: the picture animates"
  send_key Escape
  wait_exit "$pid" 20
  expect_eq "$EXIT_CODE" 0 "$1: Escape ends it"
}
shows_snapshot "OpenGL as the driver offers it"
# Windows' own software OpenGL: version 1.1 and no extension beyond its age.
MESA_GL_VERSION_OVERRIDE=1.1 MESA_EXTENSION_MAX_YEAR=1995 shows_snapshot "a bare OpenGL 1.1" renderer_gl11

# No snapshot: the sheet and the mirror image are plain white.
rm -f "$SNAPSHOT_FILE"
start Velnora.dll
pid=$LAST_PID
wait_window Ondrel_VC 30
sleep 1
shoot "$SCENARIO_TMP/renderer_white.png"
white=$(count FFFFFF "$SCENARIO_TMP/renderer_white.png")
note "white: $white pixels"
[ "$white" -gt 50000 ] || fail "the untextured sheet is not white ($white pixels)"
[ "$(count FF0000 "$SCENARIO_TMP/renderer_white.png")" -eq 0 ] || fail "snapshot colours without a snapshot"
pass "without a snapshot the sheet is plain white and the renderer runs on"
send_key Escape
wait_exit "$pid" 20
expect_eq "$EXIT_CODE" 0 "Escape ends it without a snapshot too"

finish
