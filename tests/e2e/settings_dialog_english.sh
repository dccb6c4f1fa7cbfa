#!/usr/bin/env bash
# The settings dialog where Windows speaks English (its UI language and code
# page 1252 come from the process's locale): English words and access keys,
# the names a screen reader hears,
# every text fitting its control at 100, 150 and 200 %, an English file
# chooser, and the settings file written byte for byte as the Japanese
# dialog writes it for the same choices. Keeps a screenshot of the English
# dialog for the README.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
. "$VELNORA_SOURCE/tests/e2e/dialog_lib.sh"
ENGLISH=en_US.UTF-8
VERSION=$(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/\1/p' "$VELNORA_BUILD/generated/velnora_version.h")

MUSIC_DIR="$WINEPREFIX/drive_c/velnora_dlg/音楽"
rm -rf "$WINEPREFIX/drive_c/velnora_dlg"; mkdir -p "$MUSIC_DIR"
for song in "$MUSIC_DIR/夜の 曲.wav" "$MUSIC_DIR/../night song.wav"; do
  sox -n -r 22050 -c 1 "$song" synth 0.5 sine 660 2>/dev/null || fail "sox could not make a WAV"
done
SONG_WIN='C:\velnora_dlg\音楽\夜の 曲.wav'
# An English user's file for the screenshot: the test prefix links no
# Japanese face to the system's message font as Windows does.
ENGLISH_SONG_WIN='C:\velnora_dlg\night song.wav'

# Without the renderer the one message is English too.
ALONE_DIR="$WINEPREFIX/drive_c/velnora_alone"
rm -rf "$ALONE_DIR"; mkdir -p "$ALONE_DIR"; cp "$VELNORA_DIST/Velnora.scr" "$ALONE_DIR/"
LC_ALL=$ENGLISH start "$ALONE_DIR/Velnora.scr" /c
wait_window "Velnora(ScreenSaver)" 20
window_texts "Velnora(ScreenSaver)" | grep -q -F "Velnora.dll was not found in the same folder." ||
  fail "the missing-renderer message was: $(window_texts "Velnora(ScreenSaver)")"
probe close "Velnora(ScreenSaver)"
wait_exit "$LAST_PID" 10
pass "the missing-renderer message is English"

# The words, in the Japanese dialog's order; the repeat box right of "Audio CD".
music_ini 2 0 "$ENGLISH_SONG_WIN"
LC_ALL=$ENGLISH open_dialog
layout=$(probe layout "$DIALOG")
expect_eq "$(awk -F'\t' '$2 != "" && $1 != "Edit" { printf "%s|", $2 }' <<<"$layout")" \
  "Music|&None|Audio &CD|&MP3 or WAV file|&Repeat track|...|$ENGLISH_SONG_WIN|OK|Cancel|Velnora $VERSION  © Velnora Project|" \
  "the dialog's texts are English"
expect_eq "$(reader_tree | awk -F'|' '$3 != "" { printf "%s|", $3 }')" \
  "■Velnora■|Music|Music|None|Audio CD|MP3 or WAV file|Repeat track|Repeat track|Repeat track|...|$ENGLISH_SONG_WIN|OK|Cancel|Velnora home page|Velnora home page|Velnora $VERSION  © Velnora Project|" \
  "a screen reader hears the English names, without their access keys' ampersands"
read -r cd_right box_left <<<"$(awk -F'\t' '$2 == "Audio &CD" { split($3, r, " "); right = r[1] + r[3] }
  $1 == "ComboBox" { split($3, b, " "); print right, b[1] }' <<<"$layout")"
[ "$cd_right" -lt "$box_left" ] || fail "\"Audio CD\" (to $cd_right) runs into the repeat box (from $box_left)"
misfits=$(LC_ALL=$ENGLISH probe fits "$DIALOG" 9.75) || fail "texts wider than their controls:
$misfits"
pass "every label and button holds its text at 100, 150 and 200 %"
pointer_away; sleep 0.3
read -r wx wy ww wh <<<"$(window_rect "$DIALOG")"
import -window root -crop "${ww}x${wh}+${wx}+${wy}" +repage "$SCENARIO_TMP/dialog-en.png"
keep_screenshot dialog-en "$SCENARIO_TMP/dialog-en.png"
click_file_button
wait_window "Open Music File" 15
window_texts "Open Music File" | grep -q -x -F "ComboBox	Music files (MP3, WAV)" ||
  fail "the file chooser's filter was not English: $(window_texts "Open Music File")"
send_key Escape
wait_no_window "Open Music File" 10
pass "the file chooser's title and filter are English"
click_cancel
dialog_closed
expect_no_writes

# The same steps in both languages write the same bytes; the keys are the
# English labels' access keys (Alt+R leads to the repeat box; the Japanese
# label shows none, so the box is clicked there). "Cancel" writes nothing.
for steps in "alt+n ok" "alt+c alt+r 7 ok" "alt+m ok" "alt+c alt+r 9 cancel"; do
  written=()
  for locale in "$ENGLISH" ja_JP.UTF-8; do
    music_ini 0 0 "$SONG_WIN"
    LC_ALL=$locale open_dialog
    for step in $steps; do
      case $step in
        alt+r) if [ "$locale" = "$ENGLISH" ]; then
                 send_key alt+r; sleep 0.2
                 expect_eq "$(probe focus "$DIALOG" | cut -f1)" Edit "Alt+R puts the focus in the repeat box"
               else click_repeat_box; fi ;;
        [0-9]) xdotool type "$step" ;;
        ok) click_set ;;
        cancel) click_cancel ;;
        *) send_key "$step"; sleep 0.2 ;;
      esac
    done
    dialog_closed
    [ "$step" = cancel ] && expect_no_writes
    written+=("$(ini_hex)")
  done
  expect_eq "${written[0]}" "${written[1]}" "'$steps' leaves the same bytes in English and Japanese"
done
rm -rf "$WINEPREFIX/drive_c/velnora_dlg" "$ALONE_DIR"
finish
