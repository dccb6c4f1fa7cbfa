#!/usr/bin/env bash
# The preview in a display-settings-like window of another process: embedded,
# filling the area, gone with its parent; the parents that are not windows,
# the missing renderer and a running session or dialog. What the form paints
# is checked on a screenshot of the same code in one process (preview_gallery):
# Wine 8 shows nothing a process paints into another process's window.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

PICTURE="$VELNORA_SOURCE/assets/preview.jpg"
AREA_TITLE="Velnora preview test"
# JPEG decoders differ by a few levels in their inverse transforms and
# chroma upsampling; a wrong, shifted or unscaled picture differs by far more.
FUZZ=8%
MAX_OFF=2  # per cent of the area's pixels allowed beyond FUZZ

# area W H: a window from another process holding a W x H child area; sets AREA (its handle) and AREA_PID.
area() {
  timeout -k 2 70 wine "$VELNORA_PROBE" area "$AREA_TITLE" "$1" "$2" 60 >"$SCENARIO_TMP/area.out" 2>/dev/null &
  AREA_PID=$!
  STARTED_PIDS+=("$AREA_PID")
  wait_until 15 "preview area not up" grep -q ready "$SCENARIO_TMP/area.out"
  AREA=$(awk '/ready/ {print $2}' "$SCENARIO_TMP/area.out" | tr -d '\r')
}
close_area() {
  probe close "$AREA_TITLE" || true
  wait_until 10 "preview area still there" not running "$AREA_PID"
}
children() { probe children "$1"; }
holds_preview() { children "$1" | grep -q "Preview Window"; }
# preview_up: the host's form is in the area; a host that ended without it fails at once.
preview_up() {
  holds_preview "$AREA" && return 0
  running "$host" || { wait "$host"; fail "the host ended (exit code $?) with no preview form in the area"; }
  return 1
}

# shows_picture W H: the preview gallery's area on the screen against the
# picture scaled to W x H by ImageMagick.
shows_picture() {
  local w=$1 h=$2 shot="$SCENARIO_TMP/shot.png" want="$SCENARIO_TMP/want.png" x=120 y=120 off total
  timeout -k 2 30 wine "$VELNORA_BUILD/tests/e2e/preview_gallery.exe" "$w" "$h" 10 >"$SCENARIO_TMP/gallery.out" 2>/dev/null &
  STARTED_PIDS+=("$!")
  wait_until 20 "preview gallery not up" grep -q ready "$SCENARIO_TMP/gallery.out"
  sleep 0.5
  screenshot "$shot"
  convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage "$SCENARIO_TMP/got.png"
  convert "$PICTURE" -filter Triangle -resize "${w}x${h}!" "$want"
  off=$(compare -metric AE -fuzz "$FUZZ" "$SCENARIO_TMP/got.png" "$want" null: 2>&1 | awk '{print int($1)}')
  total=$((w * h))
  note "area ${w}x${h} at $x,$y: $off of $total pixels beyond $FUZZ"
  [ $((off * 100)) -le $((total * MAX_OFF)) ] || { cp "$SCENARIO_TMP/got.png" "${VELNORA_BUILD:-/tmp}/preview_got.png"; fail "the area does not show the picture (${off} pixels off)"; }
  # No border: the picture reaches the last row and column too.
  for edge in "${w}x1+0+$((h - 1))" "1x${h}+$((w - 1))+0"; do
    convert "$SCENARIO_TMP/got.png" -crop "$edge" +repage "$SCENARIO_TMP/got_edge.png"
    convert "$want" -crop "$edge" +repage "$SCENARIO_TMP/want_edge.png"
    off=$(compare -metric AE -fuzz "$FUZZ" "$SCENARIO_TMP/got_edge.png" "$SCENARIO_TMP/want_edge.png" null: 2>&1 | awk '{print int($1)}')
    [ "$off" -le 3 ] || fail "the picture does not reach the area's edge $edge ($off pixels off)"
  done
}

[ -f "$PICTURE" ] || fail "no preview picture in assets/"
rm -rf "$WORK_DIR"

# /p HANDLE and /p:HANDLE embed into a 152 x 112 area; closing it ends the host.
for form in "/p %s" "/p:%s"; do
  area 152 112
  # shellcheck disable=SC2059
  args=$(printf "$form" "$AREA")
  # shellcheck disable=SC2086
  start Velnora.scr $args
  host=$LAST_PID
  wait_until 20 "no preview form in the area" preview_up
  kids=$(children "$AREA")
  expect_eq "$(wc -l <<<"$kids")" 1 "'$args': the area's only child"
  expect_eq "$(cut -f2- <<<"$kids" | cut -f2-)" "Preview Window	visible	0 0 152 112" "'$args': the form at (0, 0), 152 x 112, visible"
  form_handle=$(cut -f1 <<<"$kids")
  expect_eq "$(children "$form_handle" | cut -f4- | head -n 1)" "visible	0 0 152 112" "'$args': the picture fills the form"
  still_running "$host" 1
  close_start=$(now_ms)
  close_area
  wait_exit "$host" 5
  took=$(( $(now_ms) - close_start ))
  expect_eq "$EXIT_CODE" 0 "'$args': the host ends with its area (${took} ms)"
done

# A larger area (a scaled display): the picture is scaled to fill it.
area 200 150
start Velnora.scr /p "$AREA"
host=$LAST_PID
wait_until 20 "no preview form in the 200 x 150 area" holds_preview "$AREA"
expect_eq "$(children "$AREA" | cut -f4-)" "visible	0 0 200 150" "the form fills 200 x 150"
close_area
wait_exit "$host" 5

# What the form shows: the picture filling 152 x 112 exactly, and scaled to 200 x 150 without a border.
shows_picture 152 112
pass "a 152 x 112 area shows the preview picture"
keep_screenshot preview "$SCENARIO_TMP/got.png"
shows_picture 200 150
pass "a 200 x 150 area shows the picture scaled, without a border"

# Without the renderer beside it the preview still shows, silently, writing nothing.
ALONE_DIR="$WINEPREFIX/drive_c/velnora_alone_preview"
rm -rf "$ALONE_DIR"; mkdir -p "$ALONE_DIR"
cp "$VELNORA_DIST/Velnora.scr" "$ALONE_DIR/"
area 152 112
start "$ALONE_DIR/Velnora.scr" /p "$AREA"
host=$LAST_PID
wait_until 20 "no preview without the renderer" holds_preview "$AREA"
has_window "Velnora(ScreenSaver)" && fail "the preview showed the missing-renderer message"
pass "without the renderer the preview shows, with no message"
close_area
wait_exit "$host" 5
rm -rf "$ALONE_DIR"

# Parents that are not windows: the host ends at once and shows nothing.
stale=$(probe stale | tr -d '\r')
for args in "/p 0" "/p abc" "/p $stale" "/p" "/p:"; do
  t0=$(now_ms)
  # shellcheck disable=SC2086
  start Velnora.scr $args
  wait_exit "$LAST_PID" 10
  took=$(( $(now_ms) - t0 ))
  expect_eq "$EXIT_CODE" 0 "'$args' ends"
  has_window "Preview Window" && fail "'$args' left a preview form"
  note "'$args' ended after ${took} ms (Wine's start included)"
done
[ ! -e "$WORK_DIR" ] || fail "the preview runs created the work directory"
pass "the preview writes nothing"

# A running session or an open dialog: the preview ends at once and leaves the area alone.
area 152 112
for marker in "Ondrel_Main" "■Velnora■"; do
  hold_window "$marker" 30
  start Velnora.scr /p "$AREA"
  wait_exit "$LAST_PID" 10
  expect_eq "$(children "$AREA")" "" "beside '$marker' the area stays empty"
  kill "$HOLD_PID" 2>/dev/null; wait "$HOLD_PID" 2>/dev/null
  wait_no_window "$marker" 10
done
close_area

finish
