#!/usr/bin/env bash
# The settings dialog as a screen reader meets it, from another process
# through Active Accessibility: what every control says (role, name, value,
# state, default action, shortcut) as the dialog opens and after a source is
# chosen, and the dialog worked by default actions alone.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
. "$VELNORA_SOURCE/tests/e2e/dialog_lib.sh"


# expected_tree CHOSEN FILE_BUTTON_STATE: the dialog with no file chosen and
# "設定" focused and default. States: 10 checked, 40 read-only, 1 unavailable,
# 100000 focusable, 4 focused, 100 default, 400000 linked.
expected_tree() {
  local checks=(00000000 00000000 00000000)
  checks[$1]=00000010
  cat <<TREE
VelnoraForm|18|■Velnora■||00000000||
VelnoraWidget|20|BGM||00000000||
VelnoraShape|40|||00000000||
VelnoraShape|40|||00000000||
VelnoraLabel|41|BGM||00000040||
VelnoraImage|40|||00000000||
VelnoraLabel|45|なし||${checks[0]}|Check|Alt+N
VelnoraImage|40|||00000000||
VelnoraLabel|45|音楽CD||${checks[1]}|Check|Alt+C
VelnoraImage|40|||00000000||
VelnoraLabel|45|MP3、WAV||${checks[2]}|Check|Alt+M
ComboBox|46|曲目をﾘﾋﾟｰﾄ||00000001||
Edit|42|曲目をﾘﾋﾟｰﾄ||00000001||
VelnoraLabel|41|曲目をﾘﾋﾟｰﾄ||00000040||
VelnoraWidget|43|...||$2|Press|
VelnoraLabel|41|||00000040||
VelnoraWidget|43|設定||00100104|Press|
VelnoraWidget|43|ｷｬﾝｾﾙ||00100000|Press|
VelnoraPictureBox|30|Velnora ホームページ|https://velnora.github.io/|00500000|Jump|
VelnoraPictureBox|30|Velnora ホームページ|https://velnora.github.io/|00500000|Jump|
VelnoraLabel|41|$(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/Velnora \1/p' "$VELNORA_BUILD/generated/velnora_version.h")  © Velnora Project||00000040||
TREE
}
expect_tree() {  # CHOSEN FILE_BUTTON_STATE WHAT
  local seen
  seen=$(reader_tree)
  [ "$seen" = "$(expected_tree "$1" "$2")" ] || fail "$3: the reader heard
$seen
where it should hear
$(expected_tree "$1" "$2")
differences:
$(diff <(echo "$seen") <(expected_tree "$1" "$2"))"
  pass "$3"
}
mp3_checked() { reader_tree | grep -q '^VelnoraLabel|45|MP3、WAV||00000010|'; }

# --- No settings file: "なし" checked, "..." unavailable. "MP3、WAV" by its
# default action: checked alone, "..." available; "ｷｬﾝｾﾙ" writes nothing.
rm -f "$INI_FILE"
open_dialog
expect_tree 0 00000001 "as it opens, every control says what it is"
expect_eq "$(reader_do "MP3、WAV")" 00000000 "\"MP3、WAV\" takes its default action"
wait_until 5 "\"MP3、WAV\" not checked" mp3_checked
expect_tree 2 00100000 "after the choice, \"MP3、WAV\" alone is checked and \"...\" is available"
expect_eq "$(reader_do "ｷｬﾝｾﾙ")" 00000000 "\"ｷｬﾝｾﾙ\" takes its default action"
dialog_closed 10
expect_no_writes
[ ! -e "$INI_FILE" ] || fail "\"ｷｬﾝｾﾙ\" left a settings file"
pass "\"ｷｬﾝｾﾙ\" by its default action closes the dialog and writes nothing"

# --- Source 1, track 3, a file whose name holds "&": the repeat box's value
# is its text, in the box and its field; the file's name is heard as it shows.
# A disabled "..." refuses and opens nothing; "設定" writes the choice.
mkdir -p "$WINEPREFIX/drive_c/velnora_rd"
sox -n -r 22050 -c 1 "$WINEPREFIX/drive_c/velnora_rd/Rock & Roll.wav" synth 0.2 sine 440 2>/dev/null || fail "sox could not make a WAV"
music_ini 1 3 'C:\velnora_rd\Rock & Roll.wav'
open_dialog
expect_eq "$(reader_tree | grep -E '^(ComboBox|Edit)\||Roll')" "ComboBox|46|曲目をﾘﾋﾟｰﾄ|3|00100004||
Edit|42|曲目をﾘﾋﾟｰﾄ|3|00100004||
VelnoraLabel|41|C:\velnora_rd\Rock & Roll.wav||00000040||" \
  "the repeat box is a focused combo box named by its label, its value its text; the file is heard with its \"&\""
expect_eq "$(reader_do "...")" 80070005 "the disabled \"...\" refuses its default action"
sleep 1
has_window "$CHOOSER" && fail "the disabled \"...\" opened the file chooser"
pass "the refused default action opened nothing"
reader_do "MP3、WAV" >/dev/null
wait_until 5 "\"MP3、WAV\" not checked" mp3_checked
expect_eq "$(reader_do "設定")" 00000000 "\"設定\" takes its default action"
dialog_closed 10
expect_confirmed_writes 2 3
expect_ini_line "$KIND_KEY_HEX" 2
expect_ini_line "$REPEAT_KEY_HEX" 3
rm -rf "$WINEPREFIX/drive_c/velnora_rd"
finish
