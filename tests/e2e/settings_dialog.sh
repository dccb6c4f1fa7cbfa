#!/usr/bin/env bash
# The settings dialog (/c) as a user meets it: where it opens and how it is
# laid out, its look against a golden screenshot, the keyboard's focus
# order, and what "設定", "ｷｬﾝｾﾙ", the close button and Escape leave in the
# settings file from each of the edge-case states. Real pointer and keys only.
#
# Golden image tolerance: the client area with the two banners blacked out
# (they animate); at most 0.5 % of its pixels may differ by more than 2 %
# per channel: room for another build of the font rasteriser, none for a
# misplaced control, line or colour. VELNORA_UPDATE_GOLDEN=1 rewrites it.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
. "$VELNORA_SOURCE/tests/e2e/dialog_lib.sh"

GOLDEN="$VELNORA_SOURCE/tests/e2e/golden/settings_dialog.png"
MUSIC_DIR="$WINEPREFIX/drive_c/velnora_dlg/音楽"
MUSIC_WIN='C:\velnora_dlg\音楽'
rm -rf "$WINEPREFIX/drive_c/velnora_dlg"; mkdir -p "$MUSIC_DIR"
sox -n -r 22050 -c 1 "$MUSIC_DIR/夜の 曲.wav" synth 0.5 sine 660 2>/dev/null || fail "sox could not make a WAV"
SONG_WIN="$MUSIC_WIN\\夜の 曲.wav"

read -r screen_w screen_h <<<"$(screen_size)"

# --- No settings file: place, layout, look, focus order; "設定" creates the file.
rm -f "$INI_FILE"
open_dialog
dialog_handle=$(printf '%016X' "$(probe find "$DIALOG")")
expect_eq "$CW $CH" "522 265" "the client area is 522 x 265"
read -r wx wy ww wh <<<"$(window_rect "$DIALOG")"
# Centred across, a third of the free height down, in twips (15 to the pixel).
want_x=$(awk -v f=$(( (screen_w - ww) * 15 )) 'BEGIN { t = int(f / 2); p = t / 15; r = int(p + 0.5); if (r - p == 0.5 && r % 2) r--; print r }')
want_y=$(awk -v f=$(( (screen_h - wh) * 15 )) 'BEGIN { t = int(f / 3); p = t / 15; r = int(p + 0.5); if (r - p == 0.5 && r % 2) r--; print r }')
expect_eq "$wx $wy" "$want_x $want_y" "the dialog opens centred across and a third of the free height down"

# Every control where the table puts it; "*" for sizes that follow the text.
# The buttons carry their captions as window text, for screen readers.
layout=$(probe layout "$DIALOG" | grep -v '^Edit	')
expected_layout="VelnoraWidget		12 12 501 173	1
VelnoraShape		33 29 113 21	1
VelnoraShape		32 28 113 21	1
VelnoraLabel	BGM	32 32 111 13	1
VelnoraImage		40 84 13 13	1
VelnoraLabel	なし	56 84 * *	1
VelnoraImage		40 64 13 13	1
VelnoraLabel	音楽CD	56 64 * *	1
VelnoraImage		40 104 13 13	1
VelnoraLabel	MP3、WAV	56 104 * *	1
ComboBox		108 60 41 *	0
VelnoraLabel	曲目をﾘﾋﾟｰﾄ	152 64 * *	1
VelnoraWidget	...	36 124 45 25	0
VelnoraLabel		84 124 397 33	1
VelnoraWidget	設定	144 192 113 33	1
VelnoraWidget	ｷｬﾝｾﾙ	260 192 113 33	1
VelnoraPictureBox		12 192 123 52	1
VelnoraPictureBox		384 192 123 52	1
VelnoraLabel	Velnora $(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/\1/p' "$VELNORA_BUILD/generated/velnora_version.h")  © Velnora Project	172 232 * *	1"
matched=$(paste <(echo "$layout") <(echo "$expected_layout") | awk -F'\t' '
  { split($3, got, " "); split($7, want, " "); ok = ($1 == $5 && $2 == $6 && $4 == $8)
    for (i = 1; i <= 4; i++) if (want[i] != "*" && want[i] != got[i]) ok = 0
    if (!ok) { print "line " NR ": " $0; bad = 1 } }
  END { exit bad }') || fail "layout differs from the table:
$matched
all of it:
$layout"
expect_eq "$(echo "$layout" | wc -l)" "$(echo "$expected_layout" | wc -l)" "every control of the table is there, and no other"
misfits=$(probe fits "$DIALOG" 9.75 "ＭＳ Ｐゴシック") || fail "texts wider than their controls:
$misfits"
expect_eq "$(chosen_mark)" 0 "no settings file: \"なし\" is chosen"
expect_eq "$(probe texts "$DIALOG" | grep -c '^Edit	$')" 1 "the repeat box is empty"

# The look, with the pointer off the dialog (no hot button).
pointer_away
sleep 0.3
import -window root -crop "${CW}x${CH}+${CX}+${CY}" +repage "$SCENARIO_TMP/client.png"
mask=(-fill black -draw "rectangle 12,192 134,243" -draw "rectangle 384,192 506,243")
convert "$SCENARIO_TMP/client.png" "${mask[@]}" "$SCENARIO_TMP/masked.png"
if [ "${VELNORA_UPDATE_GOLDEN:-0}" = 1 ]; then
  cp "$SCENARIO_TMP/masked.png" "$GOLDEN"
  note "golden image updated: $GOLDEN"
else
  differing=$(compare -metric AE -fuzz 2% "$SCENARIO_TMP/masked.png" "$GOLDEN" "$SCENARIO_TMP/diff.png" 2>&1 >/dev/null || true)
  differing=${differing%% *}
  [[ "$differing" =~ ^[0-9]+$ ]] || fail "compare failed: $differing"
  if [ "$differing" -gt $((CW * CH / 200)) ]; then
    cp "$SCENARIO_TMP/masked.png" "$VELNORA_BUILD/settings_dialog_actual.png"
    cp "$SCENARIO_TMP/diff.png" "$VELNORA_BUILD/settings_dialog_diff.png"
    fail "the dialog differs from its golden image in $differing pixels; see $VELNORA_BUILD/settings_dialog_{actual,diff}.png"
  fi
  pass "the dialog looks as its golden image ($differing of $((CW * CH)) pixels beyond 2 %)"
fi

# Focus order: "設定", "ｷｬﾝｾﾙ", the two banners, round again; the disabled
# repeat box and file button are skipped. The arrows on a button move too.
expect_eq "$(focus_at)" "144 192" "the focus starts on \"設定\" (the box and \"...\" are disabled)"
stops=""
for _ in 1 2 3 4; do send_key Tab; sleep 0.1; stops="$stops|$(focus_at)"; done
expect_eq "$stops" "|260 192|12 192|384 192|144 192" "Tab visits ｷｬﾝｾﾙ, both banners and comes back"
send_key shift+Tab; sleep 0.1
expect_eq "$(focus_at)" "384 192" "Shift+Tab goes back"
send_key Tab; sleep 0.1; send_key Right; sleep 0.2
expect_eq "$(focus_at)" "260 192" "the right arrow on a button moves to the next control"

click_set
dialog_closed
expect_eq "$(zooms | tr '\n' ' ')" "$dialog_handle,3 $dialog_handle,3 " "the dialog zooms open and closed (caption animation)"
expect_confirmed_writes 0 0
expect_eq "$(od -An -c "$INI_FILE" | tr -s ' \n' ' ')" \
  "$(printf '[Section]\r\nBGM区分=0\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=\r\n' | iconv -f UTF-8 -t CP932 | od -An -c | tr -s ' \n' ' ')" \
  "\"設定\" with no settings file writes none, 0 and no file, with the code page 932 keys"

# --- Source 2 with an existing file on a Japanese path: shown, and written
# back byte for byte.
music_ini 2 0 "$SONG_WIN"
open_dialog
expect_eq "$(chosen_mark)" 2 "source 2: \"MP3、WAV\" is chosen"
expect_eq "$(label_text_at 84 124)" "$SONG_WIN" "the file's path is shown"
enabled_at 36 124 || fail "\"...\" is disabled for source 2"
enabled_at 108 60 && fail "the repeat box is enabled for source 2"
pass "source 2 enables \"...\" only"
click_set
dialog_closed
expect_confirmed_writes 2 0
expect_ini_line "$KIND_KEY_HEX" 2
expect_ini_line "$FILE_KEY_HEX" "$SONG_WIN"
pass "the Japanese path comes back into the file byte for byte"

# --- Source 2 with a file that is gone: "なし" and no name; "設定" writes
# source 0 and an empty file.
music_ini 2 3 "$MUSIC_WIN\\消えた.wav"
open_dialog
expect_eq "$(chosen_mark)" 0 "source 2 with a missing file opens as \"なし\""
expect_eq "$(label_text_at 84 124)" "" "no file name is shown"
click_set
dialog_closed
expect_confirmed_writes 0 3
expect_eq "$(ini_value Section BGMﾌｧｲﾙ)" "" "the missing file is written as empty"

# --- Source 1 with track 45 (beyond the list): shown and kept.
music_ini 1 45 ""
open_dialog
expect_eq "$(chosen_mark)" 1 "source 1: \"音楽CD\" is chosen"
expect_eq "$(probe texts "$DIALOG" | grep '^Edit	' | cut -f2)" 45 "the repeat box shows 45"
enabled_at 108 60 || fail "the repeat box is disabled for source 1"
enabled_at 36 124 && fail "\"...\" is enabled for source 1"
expect_eq "$(focus_at)" "111 63" "the focus starts in the repeat box"
pass "source 1 enables the repeat box only"
click_set
dialog_closed
expect_confirmed_writes 1 45
expect_ini_line "$REPEAT_KEY_HEX" 45

# --- An unknown source 7: nothing chosen, both disabled, written back as it was.
music_ini 7 3 "$SONG_WIN"
open_dialog
expect_eq "$(chosen_mark)" none "source 7: no choice is shown"
enabled_at 108 60 && fail "the repeat box is enabled for source 7"
enabled_at 36 124 && fail "\"...\" is enabled for source 7"
click_set
dialog_closed
expect_confirmed_writes 7 3
expect_ini_line "$KIND_KEY_HEX" 7
pass "source 7 is written back unchanged"

# --- A right-button press on "音楽CD" chooses it; what is typed into the
# repeat box decides the track: halves to even, anything else no track.
# The last one is confirmed with Enter: "設定" is the default button.
for typed in "7|7" "abc|0" "2.5|2" "3.5|4" "12|12"; do
  music_ini 0 0 "$SONG_WIN"
  open_dialog
  press_choice 1 3
  sleep 0.2
  expect_eq "$(chosen_mark)" 1 "a right-button press on \"音楽CD\" chooses it"
  enabled_at 108 60 || fail "choosing \"音楽CD\" did not enable the repeat box"
  click_repeat_box
  xdotool type --delay 40 "${typed%%|*}"
  sleep 0.1
  if [ "${typed%%|*}" = 12 ]; then send_key Return; else click_set; fi
  dialog_closed
  expect_confirmed_writes 1 "${typed#*|}"
  expect_ini_line "$REPEAT_KEY_HEX" "${typed#*|}"
  expect_ini_line "$FILE_KEY_HEX" "$SONG_WIN"
  pass "typing '${typed%%|*}' writes track ${typed#*|}"
done

# --- The repeat box's open list keeps Enter and Escape: Escape only closes
# the list, Enter takes the entry; neither closes the dialog.
music_ini 1 0 ""
open_dialog
list_dropped() { probe dropped "$DIALOG"; }
click_in_frame 130 59  # the box's arrow
wait_until 5 "the repeat box's list did not open" list_dropped
send_key Escape
wait_until 5 "Escape left the list open" not list_dropped
sleep 0.3
dialog_shown || fail "Escape in the repeat box's open list closed the dialog"
send_key F4  # the keyboard's way to open it
wait_until 5 "F4 did not open the repeat box's list" list_dropped
send_key Down Down Return  # the empty entry, then "1"
wait_until 5 "Enter left the list open" not list_dropped
sleep 0.3
dialog_shown || fail "Enter in the repeat box's open list closed the dialog"
expect_no_writes
taken=$(probe texts "$DIALOG" | grep '^Edit	' | cut -f2)
[[ "$taken" =~ ^[0-9]+$ ]] || fail "Enter in the list took '$taken'"
click_set
dialog_closed
expect_confirmed_writes 1 "$taken"
pass "the open list keeps Escape and Enter; its entry ($taken) is confirmed with \"設定\""

# --- "なし" after a file: the source becomes 0 and the file stays.
music_ini 2 0 "$SONG_WIN"
open_dialog
press_mark 0
sleep 0.2
expect_eq "$(chosen_mark)" 0 "a press on the mark of \"なし\" chooses it"
enabled_at 36 124 && fail "\"...\" stays enabled after \"なし\""
click_set
dialog_closed
expect_confirmed_writes 0 0
expect_ini_line "$KIND_KEY_HEX" 0
expect_ini_line "$FILE_KEY_HEX" "$SONG_WIN"
pass "\"なし\" keeps the file in the settings file"

# --- Keys alone choose each source (Alt and the letter, or the letter where
# the focus does not type text); Enter confirms with "設定". Choosing "なし"
# while "..." has the focus disables it: the focus goes on to "設定".
for pass_ in "0|alt+c|1" "1|alt+m|2" "2|alt+n|0" "0|m|2" "2|c|1"; do
  IFS='|' read -r from keys to <<<"$pass_"
  music_ini "$from" 0 "$SONG_WIN"
  open_dialog
  [ "$from" = 1 ] && send_key Tab  # from the repeat box's text to "設定" ("..." is disabled)
  send_key "$keys"
  sleep 0.2
  expect_eq "$(chosen_mark)" "$to" "$keys chooses source $to"
  [ "$to" = 1 ] && { enabled_at 108 60 || fail "$keys did not enable the repeat box"; }
  [ "$to" = 2 ] && { enabled_at 36 124 || fail "$keys did not enable \"...\""; }
  send_key Return
  dialog_closed
  expect_ini_line "$KIND_KEY_HEX" "$to"
done
pass "the keyboard alone chooses every source and confirms it"

# --- "ｷｬﾝｾﾙ", the close button and Escape leave the file's bytes as they were,
# after the choice and the repeat box were changed.
for way in cancel close escape; do
  music_ini 2 5 "$SONG_WIN"
  before=$(ini_hex)
  open_dialog
  press_choice 1
  click_repeat_box
  xdotool type "9"
  case $way in
    cancel) click_cancel ;;
    close) click_close_box ;;
    escape) send_key Escape ;;
  esac
  dialog_closed
  expect_no_writes
  expect_eq "$(ini_hex)" "$before" "$way leaves the settings file's bytes unchanged"
done

# --- A settings file that cannot be written: "設定" closes the dialog quietly.
trap 'writable "$INI_FILE" 2>/dev/null; _e2e_cleanup' EXIT
music_ini 0 0 ""
before=$(ini_hex)
if read_only "$INI_FILE"; then
  open_dialog
  press_choice 1
  click_set
  dialog_closed
  has_window "Velnora(ScreenSaver)" && fail "a read-only settings file brought a message"
  expect_eq "$(ini_hex)" "$before" "a read-only settings file stays as it was"
  pass "\"設定\" with a read-only settings file closes the dialog without a word"
  writable "$INI_FILE"
else
  note "SKIPPED read-only settings file: this machine cannot make a file read-only for root"
fi

rm -rf "$WINEPREFIX/drive_c/velnora_dlg"
finish
