#!/usr/bin/env bash
# The host's start-up: work directory, screen size, single instance, the
# missing-renderer message and the silent ends.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

read -r screen_w screen_h <<<"$(screen_size)"
note "screen ${screen_w}x${screen_h}"

# A host copied somewhere without its renderer.
ALONE_DIR="$WINEPREFIX/drive_c/velnora_alone"
rm -rf "$ALONE_DIR"; mkdir -p "$ALONE_DIR"
cp "$VELNORA_DIST/Velnora.scr" "$ALONE_DIR/"
ALONE="$ALONE_DIR/Velnora.scr"
MSG_CAPTION="Velnora(ScreenSaver)"
MSG_TEXT="Velnora.dll が同じﾌｫﾙﾀﾞ内に見つかりません！"

# /s with no settings file: the work directory and the screen size appear,
# then the session runs until its renderer is closed.
rm -rf "$WORK_DIR"
WINEDEBUG=+profile start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
[ -d "$WORK_DIR" ] || fail "/s did not create C:\\q_dorn_temp"
pass "/s creates the work directory"
expect_eq "$(ini_value Settings Width | tr -d ' ')" "$screen_w" "Width is the screen's"
expect_eq "$(ini_value Settings Height | tr -d ' ')" "$screen_h" "Height is the screen's"
# Wine's profile writer drops a value's leading blank on disk (Windows keeps
# it); the trace shows what the host handed over: the sign column.
grep -q "WritePrivateProfileStringW (L\"Settings\", L\"Width\", L\" $screen_w\"" "$SCENARIO_TMP/wine.log" \
  || fail "Width was not handed over as ' $screen_w'"
grep -q "WritePrivateProfileStringW (L\"Settings\", L\"Height\", L\" $screen_h\"" "$SCENARIO_TMP/wine.log" \
  || fail "Height was not handed over as ' $screen_h'"
pass "the numbers carry the sign column"
probe close Ondrel_VC
wait_exit "$host" 10
expect_eq "$EXIT_CODE" 0 "/s ends cleanly once its renderer is gone"
: >"$SCENARIO_TMP/wine.log"

# A running session or an open settings dialog: every mode ends at once, writing nothing.
for marker in "Ondrel_Main" "■Velnora■"; do
  hold_window "$marker" 60
  for args in "/s" "/c" "/p 1234" ""; do
    rm -rf "$WORK_DIR"
    # shellcheck disable=SC2086
    start Velnora.scr $args
    wait_exit "$LAST_PID" 15
    expect_eq "$EXIT_CODE" 0 "'$args' beside '$marker' ends"
    [ ! -e "$WORK_DIR" ] || fail "'$args' beside '$marker' wrote $WORK_DIR"
    has_window "$MSG_CAPTION" && fail "'$args' beside '$marker' showed a message"
  done
  pass "beside '$marker' nothing starts and nothing is written"
  kill "$HOLD_PID" 2>/dev/null; wait "$HOLD_PID" 2>/dev/null
  wait_no_window "$marker" 10
done

# /c without the renderer: the message, exactly; the process ends once it is dismissed.
for args in "/c" "/s" "/x"; do
  start "$ALONE" $args
  wait_window "$MSG_CAPTION" 20
  texts=$(window_texts "$MSG_CAPTION")
  grep -q -F "$MSG_TEXT" <<<"$texts" || fail "message text for '$args' was: $texts"
  grep -q "^#32770	$MSG_CAPTION$" <<<"$texts" || fail "message caption for '$args' was: $texts"
  still_running "$LAST_PID" 1
  probe close "$MSG_CAPTION" || fail "could not dismiss the message"
  wait_exit "$LAST_PID" 10
  expect_eq "$EXIT_CODE" 0 "'$args' without the renderer: message shown, then the end"
done

# /p without the renderer: no message, and nothing in the work directory.
rm -rf "$WORK_DIR"
start "$ALONE" /p 1234
wait_exit "$LAST_PID" 15
has_window "$MSG_CAPTION" && fail "/p showed the missing-renderer message"
[ ! -e "$WORK_DIR" ] || fail "/p created the work directory"
pass "/p looks for no renderer and writes nothing"

# A lone S and other letters: directory and renderer test run, then a silent end.
for args in "S" "/x" "/"; do
  rm -rf "$WORK_DIR"
  start Velnora.scr "$args"
  wait_exit "$LAST_PID" 15
  expect_eq "$EXIT_CODE" 0 "'$args' ends"
  [ -d "$WORK_DIR" ] || fail "'$args' did not create the work directory"
  [ -z "$(ini_value Settings Width)" ] || fail "'$args' wrote the screen size"
  has_window "$MSG_CAPTION" && fail "'$args' showed a message"
  pass "'$args' ends silently after the renderer test"
done

rm -rf "$ALONE_DIR"
finish
