#!/usr/bin/env bash
# The settings dialog's file chooser, driven by hand: where it opens the
# first and the second time, a cancelled choice, a name that code page 932
# cannot spell (kept as its short 8.3 form), and the chosen WAV heard in the
# next saver session.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
. "$VELNORA_SOURCE/tests/e2e/dialog_lib.sh"

ROOT="$WINEPREFIX/drive_c/velnora_dlg"
rm -rf "$ROOT"; mkdir -p "$ROOT/音楽" "$ROOT/two"
sox -n -r 22050 -c 1 "$ROOT/音楽/夜の 曲.wav" synth 0.5 sine 440 2>/dev/null || fail "sox could not make a WAV"
sox -n -r 22050 -c 1 "$ROOT/été.wav" synth 1 sine 660 2>/dev/null || fail "sox could not make a WAV"
SONG_WIN='C:\velnora_dlg\音楽\夜の 曲.wav'
HOST_FOLDER="Z:$(tr / '\\' <<<"$VELNORA_DIST")"

chooser_open() { has_window "$CHOOSER"; }
chooser_shown() { probe shown "$CHOOSER" >/dev/null; }

# choose TEXT: opens the chooser with "...", types TEXT into its file name
# field (which has the focus), then Enter (or Escape for TEXT "-"); waits
# until it is gone.
# NOTE: without a window manager the X side of the focus can stay on the
# dialog when Wine activates the chooser before its X window is mapped;
# Wine still hands the keys to the chooser's focused field.
name_field_focused() { [ "$(probe focus "$CHOOSER" | cut -f1)" = Edit ]; }
choose() {
  local before
  before=$(shown_file)
  click_file_button
  wait_until 15 "no chooser on the screen" chooser_shown
  wait_until 10 "the chooser's file name has no focus" name_field_focused
  sleep 0.3
  if [ "$1" = - ]; then
    send_key Escape
  else
    probe type "$1" || fail "could not type '$1'"
    send_key Return
  fi
  wait_until 15 "the chooser stayed open" not chooser_open
  # A choice shows as soon as the dialog has painted it; a cancel shows nothing new.
  if [ "$1" = - ]; then sleep 0.5; else wait_until 10 "'$1' is not shown" shown_other_than "$before"; fi
}
shown_other_than() { [ "$(shown_file)" != "$1" ]; }
shown_file() { label_text_at 84 124; }

# No music file yet: the chooser opens in the host's own folder.
rm -f "$INI_FILE"
open_dialog
press_choice 2
sleep 0.2
enabled_at 36 124 || fail "\"MP3、WAV\" did not enable \"...\""
choose first.wav
expect_eq "$(shown_file)" "$HOST_FOLDER\\first.wav" "with no file the chooser opens in the host's folder"
send_key Escape
dialog_closed
expect_no_writes

# A music file: the chooser opens in its folder; after a choice elsewhere,
# the next opening is in that folder; a cancelled chooser keeps the file.
music_ini 2 0 "$SONG_WIN"
open_dialog
choose b.wav
expect_eq "$(shown_file)" 'C:\velnora_dlg\音楽\b.wav' "the chooser opens in the current file's folder"
choose 'C:\velnora_dlg\two\tone.wav'
choose x.wav
expect_eq "$(shown_file)" 'C:\velnora_dlg\two\x.wav' "the next opening is in the chosen file's folder"
choose -
expect_eq "$(shown_file)" 'C:\velnora_dlg\two\x.wav' "a cancelled chooser keeps the file"

# "été.wav" has no code page 932 spelling: its short form is kept instead,
# and "設定" writes it; nothing garbled reaches the settings file.
choose 'C:\velnora_dlg\été.wav'
short=$(shown_file)
[[ "$short" =~ ^[A-Za-z]:\\[!-~]+\\[!-~]+$ ]] || fail "the name without a code page 932 spelling shows as '$short'"
expect_eq "$(readlink -f "$(winepath -u "$short" 2>/dev/null)")" "$(readlink -f "$ROOT/été.wav")" \
  "the kept short form names été.wav"
click_set
dialog_closed
expect_confirmed_writes 2 0
expect_ini_line "$FILE_KEY_HEX" "$short"
pass "the short form, not a garbled name, is in the settings file"

# The next saver session plays it.
: >"$VELNORA_AUDIO_SINK"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
sleep 1.5
heard=$(sink_audible 0)
note "${heard}% loud samples during the session"
[ "$heard" -ge 5 ] || fail "the WAV chosen in the dialog was not heard"
wait_focus Ondrel_VC 10
send_key Escape
wait_exit "$host" 10
pass "the WAV chosen in the dialog plays in the next session"

rm -rf "$ROOT"
finish
