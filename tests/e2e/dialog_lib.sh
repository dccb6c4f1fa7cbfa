# Helpers for the settings dialog's scenarios; source after lib.sh.
# The dialog is driven as a user drives it: xdotool moves the real pointer,
# clicks and types on the screen; nothing is posted to its controls.
# Positions are the dialog's own, in pixels of its client area.

DIALOG="■Velnora■"
CHOOSER="ﾌｧｲﾙを開く"
FRAME_X=12 FRAME_Y=12  # GFXFrameX1 in the client area; its controls are placed in it

# The settings file's music keys as code page 932 bytes (hex).
KIND_KEY_HEX="42474d8be695aa"
REPEAT_KEY_HEX="42474dd8cbdfb0c4"
FILE_KEY_HEX="42474dcca7b2d9"

# music_ini KIND REPEAT FILE: a settings file holding just the three music keys.
music_ini() {
  ini_write "[Section]
BGM区分=$1
BGMﾘﾋﾟｰﾄ=$2
BGMﾌｧｲﾙ=$3"
}

dialog_shown() { probe shown "$DIALOG" >/dev/null; }
# NOTE: once in a full run, a probe asked right after the dialog showed
# printed nothing (Wine's answer lost, the dialog well); ask again.
dialog_client_known() { read -r CX CY CW CH <<<"$(probe client "$DIALOG")"; [ -n "${CH:-}" ]; }

# open_dialog: /c with the profile calls (and Wine's stub of the zoom
# animation) traced; waits until the dialog is
# on the screen and has the keyboard focus. Sets DIALOG_PID and the client
# area's place on the screen (CX, CY) and size (CW, CH).
open_dialog() {
  : >"$SCENARIO_TMP/wine.log"
  WINEDEBUG=+profile,fixme+graphics start Velnora.scr /c
  DIALOG_PID=$LAST_PID
  wait_until 20 "the dialog did not show" dialog_shown
  wait_until 5 "the dialog's client area unknown" dialog_client_known
  wait_focus "$DIALOG" 10
  sleep 0.2  # its first paints
}

# click_at X Y [BUTTON]: a click at a point of the client area.
click_at() { xdotool mousemove $((CX + $1)) $((CY + $2)) click "${3:-1}"; }
# click_in_frame X Y [BUTTON]: the same for a point of the frame.
click_in_frame() { click_at $((FRAME_X + $1)) $((FRAME_Y + $2)) "${3:-1}"; }
pointer_away() { xdotool mousemove 1 1; }

# The controls, at their middles.
press_choice() {  # INDEX [BUTTON]: the label of choice 0 "なし", 1 "音楽CD", 2 "MP3、WAV"
  local tops=(72 52 92)
  click_in_frame 52 $((${tops[$1]} + 6)) "${2:-1}"
}
press_mark() { local tops=(72 52 92); click_in_frame 34 $((${tops[$1]} + 6)) "${2:-1}"; }
click_repeat_box() { click_in_frame 110 59; }
click_file_button() { click_in_frame 46 124; }
click_set() { click_at 200 208; }
click_cancel() { click_at 316 208; }
click_banner() { click_at $((${1:-0} == 0 ? 73 : 445)) 218; }
click_close_box() { local x y; read -r x y <<<"$(probe closebox "$DIALOG")"; xdotool mousemove "$x" "$y" click 1; }

# dialog_closed SECONDS: the dialog's process ends (with code 0) within that time.
dialog_closed() {
  wait_exit "$DIALOG_PID" "${1:-10}"
  [ "$EXIT_CODE" = 0 ] || fail "the dialog's process ended with $EXIT_CODE; Wine's last words:
$(grep -av ':trace:profile:' "$SCENARIO_TMP/wine.log" | tail -n 15)"
}

# control_at X Y: the layout line of the control placed at (X, Y) of the client area.
control_at() { probe layout "$DIALOG" | awk -F'\t' -v at="$1 $2" 'index($3, at " ") == 1 { print; exit }'; }
enabled_at() { [ "$(control_at "$1" "$2" | cut -f4)" = 1 ]; }
focus_at() { probe focus "$DIALOG" | cut -f3 | cut -d' ' -f1,2; }
label_text_at() { control_at "$1" "$2" | cut -f2; }

# mark_colour INDEX: the colour in the middle of choice INDEX's mark on the screen.
mark_colour() {
  local tops=(72 52 92) shot="$SCENARIO_TMP/mark.png"
  import -window root -crop "1x1+$((CX + FRAME_X + 34))+$((CY + FRAME_Y + ${tops[$1]} + 6))" +repage "$shot"
  pixel "$shot" 0 0
}
# chosen_mark: the index of the mark that shows "chosen" (blue), or "none".
chosen_mark() {
  local i found=none
  for i in 0 1 2; do
    case "$(mark_colour "$i")" in FFFFFF) ;; *) found=$i ;; esac
  done
  echo "$found"
}

# profile_writes: what the dialog handed the profile writer, one
# "key|value" a line as Wine's trace shows it (non-ASCII as \xxxx).
profile_writes() {
  grep -a -o 'WritePrivateProfileStringW (L"[^"]*", L"[^"]*", L"[^"]*"' "$SCENARIO_TMP/wine.log" |
    sed 's/^WritePrivateProfileStringW (L"\([^"]*\)", L"\([^"]*\)", L"\([^"]*\)"$/\1|\2|\3/'
}
KIND_KEY_TRACE='BGM\533a\5206'
REPEAT_KEY_TRACE='BGM\ff98\ff8b\ff9f\ff70\ff84'
FILE_KEY_TRACE='BGM\ff8c\ff67\ff72\ff99'

# expect_confirmed_writes KIND REPEAT: the three music keys were handed
# over in order, numbers with their sign column (" 7"), all to "Section".
expect_confirmed_writes() {
  local seen want
  seen=$(profile_writes)
  want=$(printf 'Section|%s| %s\nSection|%s| %s' "$KIND_KEY_TRACE" "$1" "$REPEAT_KEY_TRACE" "$2")
  [ "$(head -n 2 <<<"$seen")" = "$want" ] && [ "$(wc -l <<<"$seen")" = 3 ] &&
    [[ "$(sed -n 3p <<<"$seen")" == "Section|$FILE_KEY_TRACE|"* ]] || fail "writes were:
$seen
expected, then the file:
$want"
}

# zooms: the caption zoom animations the dialog asked for, as "window,animation".
zooms() { grep -a -o 'DrawAnimatedRects ([0-9A-Fa-f]*,[0-9]*' "$SCENARIO_TMP/wine.log" | cut -d'(' -f2; }

expect_no_writes() {
  [ -z "$(profile_writes)" ] || fail "the dialog wrote: $(profile_writes)"
}

# ini_hex: the settings file's bytes in hex, one line.
ini_hex() { od -An -v -tx1 "$INI_FILE" | tr -d ' \n'; }
# cp932_hex TEXT: TEXT's bytes in code page 932, in hex.
cp932_hex() { printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -v -tx1 | tr -d ' \n'; }

# expect_ini_line KEY_HEX VALUE: the file holds exactly that key with that
# value, byte for byte (the value in code page 932), once.
expect_ini_line() {
  local line
  line="0d0a$1""3d$(cp932_hex "$2")0d"
  [ "$(ini_hex | grep -o "$line" | wc -l)" = 1 ] ||
    fail "no line with key $1 and value '$2' in $(ini_hex)"
}

# A screen reader's view, from another process. reader_tree: one
# "class|role|name|value|state|action|shortcut" line a control.
reader_tree() { probe reader "$DIALOG" | tr -d '\r' | tr '\t' '|'; }
# reader_do NAME: the default action of the control of that name; prints the result in hex.
reader_do() { probe readerdo "$DIALOG" "$1" | tr -d '\r'; }
