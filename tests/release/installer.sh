#!/usr/bin/env bash
# The installer and its uninstaller, silent, as a user or a deployment tool
# runs them: the programs land in the 64-bit System32 only, Programs and
# Features lists Velnora, the installed saver runs a session from there, and
# the uninstaller takes away exactly that, leaving the work folder and
# another saver alone.
. "$VELNORA_SOURCE/tests/release/install_lib.sh"

for kind in unsigned signed; do
  mkdir -p "$SCENARIO_TMP/$kind"
  unzip -q "$VELNORA_RELEASE/$kind"/velnora-*-win64.zip Velnora.scr Velnora.dll -d "$SCENARIO_TMP/$kind"
done

# A user's work folder from earlier sessions, and another saver chosen.
rm -rf "$WORK_DIR"
ini_write $'[Section]\nBGM=2\nBGMFile=C:\\music\\曲.mp3\nRepeat=0\n[Settings]\nWidth=1280\nHeight=1024\n'
echo "kept" >"$WORK_DIR/notes.txt"
before_work=$(work_folder_state)
wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null 2>&1
wine reg add "$DESKTOP_KEY" /v ScreenSaveActive /d 1 /f >/dev/null 2>&1
# A run ended from outside (a timeout's kill) leaves its installation behind.
uninstalled || { note "removing an earlier run's installation"; remove_installation; }

# --- Silent install, unsigned build: the programs and the entry, the current saver untouched.
install unsigned /S
installed_files_present unsigned
entry_present
expect_eq "$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)" "$OTHER_SAVER" "a silent install leaves the current saver alone"
uninstall
pass "the uninstaller removes both programs, itself and the entry"
expect_eq "$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)" "$OTHER_SAVER" "the uninstaller leaves another current saver alone"
expect_eq "$(reg_value "$DESKTOP_KEY" ScreenSaveActive)" 1 "the uninstaller leaves the saver switched on for another saver"
expect_eq "$(work_folder_state)" "$before_work" "the uninstaller leaves the work folder as it was"

# --- Silent install asked to make Velnora current, signed build.
install signed /S /CURRENT=1
installed_files_present signed
entry_present
saver=$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)
expect_eq "$(echo "$saver" | lower)" 'c:\windows\system32\velnora.scr' "/CURRENT=1 makes the installed Velnora.scr the current saver"
expect_eq "$(unix_path "$saver")" "$SYS/Velnora.scr" "the current saver's path is the installed file"
expect_eq "$(reg_value "$DESKTOP_KEY" ScreenSaveActive)" 1 "the screen saver is switched on"
for f in "$SYS/Velnora.scr" "$SYS/Velnora.dll" "$UNINSTALL_DIR/uninstall.exe"; do
  osslsigncode verify -CAfile "$CA" -in "$f" >"$SCENARIO_TMP/verify.log" 2>&1 ||
    { cat "$SCENARIO_TMP/verify.log"; fail "$(basename "$f") installed without a valid signature"; }
done
pass "the installed programs and the uninstaller carry the release's signature"

# The saver as Windows starts it: the registry's path with /s.
timeout -k 5 60 wine "$saver" /s >>"$SCENARIO_TMP/wine.log" 2>&1 &
host=$!
STARTED_PIDS+=("$host")
wait_window Ondrel_VC 20
note "renderer window after ${WAITED_MS} ms"
rpid=$(unix_pid_of 'Velnora.dll') || fail "renderer process not found"
renderer_cmd=$(tr '\0' ' ' <"/proc/$rpid/cmdline" | lower)
case $renderer_cmd in
  *'c:\windows\system32\velnora.dll'*) pass "the renderer runs from system32, beside the installed saver" ;;
  *) fail "the renderer runs as '$renderer_cmd'" ;;
esac
wait_focus Ondrel_VC 10
send_key Escape
wait_no_window Ondrel_VC 10
wait_exit "$host" 5
expect_eq "$EXIT_CODE" 0 "Escape ends the installed saver's session"
wait_pid_gone "$rpid" 10
after_session=$(work_folder_state)

uninstall
pass "the uninstaller removes both programs, itself and the entry"
reg_value "$DESKTOP_KEY" SCRNSAVE.EXE >/dev/null && fail "Velnora is still the current saver"
pass "the uninstaller clears Velnora as the current saver"
expect_eq "$(reg_value "$DESKTOP_KEY" ScreenSaveActive)" 0 "and switches the screen saver off"
expect_eq "$(work_folder_state)" "$after_session" "the uninstaller leaves the work folder as it was"
[ -f "$WORK_DIR/notes.txt" ] && [ -f "$INI_FILE" ] || fail "the work folder lost files"
[ ! -e "$SNAPSHOT_FILE" ] || fail "the installed saver's session left its desktop snapshot behind"

# --- The wizard speaks the system's language and makes Velnora current unless told otherwise.
# press TITLE BUTTON NEXT-TEXT SECONDS: clicks the button, waits for the next page's text.
press() {
  probe click "$(wizard_title "$1")" "$2" || fail "no button '$2' in '$1'"
  wait_until "$4" "'$3' not shown after '$2'" shows "$1" "$3"
}

LC_ALL=en_US.UTF-8 timeout -k 5 60 wine "$(setup_of unsigned)" >>"$SCENARIO_TMP/wine.log" 2>&1 &
wizard=$!
STARTED_PIDS+=("$wizard")
wait_until 20 "no English wizard" shows "Velnora Setup" "Welcome to Velnora Setup"
pass "on an English system the wizard is in English"
kill "$wizard"
wait_exit "$wizard" 10
uninstalled || fail "a wizard ended on its first page installed something"

TITLE="Velnora セットアップ"
timeout -k 5 60 wine "$(setup_of unsigned)" >>"$SCENARIO_TMP/wine.log" 2>&1 &
wizard=$!
STARTED_PIDS+=("$wizard")
wait_until 20 "no Japanese wizard" shows "$TITLE" "Velnora セットアップへようこそ"
pass "on a Japanese system the wizard is in Japanese"
press "$TITLE" "次へ(&N) >" "構成要素の選択" 10
press "$TITLE" "インストール(&I)" "Velnora セットアップの完了" 30
probe click "$(wizard_title "$TITLE")" "完了(&F)" || fail "no finish button"
wait_exit "$wizard" 10
expect_eq "$EXIT_CODE" 0 "the wizard installs with its defaults"
installed_files_present unsigned
entry_present
expect_eq "$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE | lower)" 'c:\windows\system32\velnora.scr' \
  "by default the wizard makes Velnora the current saver"
uninstall
pass "the uninstaller removes what the wizard installed"
reg_value "$DESKTOP_KEY" SCRNSAVE.EXE >/dev/null && fail "Velnora is still the current saver"

finish
