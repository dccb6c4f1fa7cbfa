# shellcheck shell=bash
# Sourced by the installer scenarios (installer.sh, upgrade.sh): the
# scenario library, the installed places, the registry readers, the
# installer's and uninstaller's runs, and a clean-up that leaves the shared
# prefix as found (no Velnora in System32, no entry, the desktop settings and
# the work folder of before).
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
: "${VELNORA_RELEASE:?}"

SYS="$WINEPREFIX/drive_c/windows/system32"
WOW="$WINEPREFIX/drive_c/windows/syswow64"
UNINSTALL_DIR="$WINEPREFIX/drive_c/Program Files/Velnora"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velnora'
DESKTOP_KEY='HKCU\Control Panel\Desktop'
CA="$VELNORA_RELEASE/cert/ca.pem"
# The home page the programs carry (CMake's HOMEPAGE_URL), and the version.
HEADER="$VELNORA_BUILD/generated/velnora_version.h"
HOME_PAGE=$(sed -n 's/^#define VELNORA_HOME_PAGE "\(.*\)"$/\1/p' "$HEADER")
VERSION=$(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/\1/p' "$HEADER")
OTHER_SAVER='C:\windows\system32\other.scr'

# reg_value KEY NAME [32|64]: the value's data as reg.exe prints it; fails when there is none.
reg_value() {
  wine reg query "$1" /v "$2" /reg:"${3:-64}" 2>/dev/null | tr -d '\r' |
    awk -F '    ' -v n="$2" '$2 == n { print $4; found = 1 } END { exit !found }'
}
has_key() { wine reg query "$1" /reg:"$2" >/dev/null 2>&1; }
lower() { tr '[:upper:]' '[:lower:]'; }
# unix_path 'C:\...': the Unix path of a drive path, through the prefix's drive
# links: no Wine process for it (a winepath run once came back empty on a
# busy CI machine).
unix_path() {
  local drive rest=${1:2}
  drive=$(lower <<<"${1:0:1}")
  realpath -m "$WINEPREFIX/dosdevices/$drive:${rest//\\//}"
}

# The user's work folder, as a list of files with their sums.
work_folder_state() { (cd "$WORK_DIR" && find . -type f -exec sha256sum {} + | sort); }

# Leave the shared prefix as found, whatever happened: no Velnora in
# System32, no entry, the desktop settings of before.
saved_saver=$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE || echo '<none>')
saved_active=$(reg_value "$DESKTOP_KEY" ScreenSaveActive || echo '<none>')
saved_work="$SCENARIO_TMP/work-before"
[ ! -d "$WORK_DIR" ] || cp -a "$WORK_DIR" "$saved_work"
remove_installation() {
  rm -f "$SYS/Velnora.scr" "$SYS/Velnora.dll"
  rm -rf "$UNINSTALL_DIR"
  wine reg delete "$UNINSTALL_KEY" /f /reg:64 >/dev/null 2>&1
  wine reg delete "$UNINSTALL_KEY" /f /reg:32 >/dev/null 2>&1
}
_installer_cleanup() {
  local pid
  pid=$(unix_pid_of 'system32\Velnora.dll') && kill "$pid" 2>/dev/null
  remove_installation
  if [ "$saved_saver" = '<none>' ]; then
    wine reg delete "$DESKTOP_KEY" /v SCRNSAVE.EXE /f >/dev/null 2>&1
  else
    wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$saved_saver" /f >/dev/null 2>&1
  fi
  if [ "$saved_active" = '<none>' ]; then
    wine reg delete "$DESKTOP_KEY" /v ScreenSaveActive /f >/dev/null 2>&1
  else
    wine reg add "$DESKTOP_KEY" /v ScreenSaveActive /d "$saved_active" /f >/dev/null 2>&1
  fi
  # The settings the scenario wrote go with it.
  rm -rf "$WORK_DIR"
  [ ! -d "$saved_work" ] || cp -a "$saved_work" "$WORK_DIR"
  _e2e_cleanup
}
trap _installer_cleanup EXIT

# The wizard's title is TITLE followed by the page's subcaption, as X shows it.
wizard_title() { xdotool search --name "^$1" getwindowname %@ 2>/dev/null | head -n 1; }
# shows TITLE TEXT: a line of the wizard's or its children's texts holds TEXT.
shows() {
  local t
  t=$(wizard_title "$1") && [ -n "$t" ] && probe texts "$t" | grep -q -F -- "$2"
}

setup_of() { ls "$VELNORA_RELEASE/$1"/velnora-*-setup.exe; }

# install KIND ARGS...: runs that release's installer and waits for it; it must end with code 0.
install() { install_ends 0 "$@"; }
# install_ends CODE KIND ARGS...: the same, ending with CODE.
install_ends() {
  local code=$1 kind=$2 start_ms; shift 2
  start_ms=$(now_ms)
  windows_exit_code "$(setup_of "$kind")" "$@" >"$SCENARIO_TMP/code" 2>>"$SCENARIO_TMP/wine.log"
  expect_eq "$(cat "$SCENARIO_TMP/code")" "$code" "the $kind installer $* ends with code $code"
  note "installer ran for $(( $(now_ms) - start_ms )) ms"
}

# windows_exit_code PROGRAM ARGS...: runs it and prints its whole exit code
# (a Unix exit status keeps only the low 8 bits: 1638 would read as 102),
# as a batch file's start /wait sees it.
windows_exit_code() {
  local program bat
  program=$(winepath -w "$1"); shift
  bat=$(mktemp -p "$SCENARIO_TMP" --suffix=.bat)
  printf '@start "" /wait "%s" %s\r\n@echo exit=%%ERRORLEVEL%%\r\n' "$program" "$*" >"$bat"
  timeout -k 5 120 wine cmd /c "$(winepath -w "$bat")" </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^exit=//p'
}

installed_files_present() {
  for f in Velnora.scr Velnora.dll; do
    cmp -s "$SYS/$f" "$SCENARIO_TMP/$1/$f" || fail "$f in system32 is not the $1 release's"
    [ ! -e "$WOW/$f" ] || fail "$f landed in syswow64"
  done
  [ ! -e "$WINEPREFIX/drive_c/Program Files (x86)/Velnora" ] || fail "a 32-bit program folder was made"
  pass "both programs in system32, as the zip has them; nothing in syswow64"
}

# entries BITS: how many entries of Programs and Features are named Velnora in that registry view.
entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s /reg:"$1" 2>/dev/null |
    tr -d '\r' | grep -c -E '^ +DisplayName +REG_SZ +Velnora$'
}

# entry_present [VERSION]: the one entry, complete, of that version (default this build's).
entry_present() {
  local version=${1:-$VERSION}
  has_key "$UNINSTALL_KEY" 64 || fail "no uninstall entry in the 64-bit registry"
  has_key "$UNINSTALL_KEY" 32 && fail "an uninstall entry in the 32-bit registry"
  expect_eq "$(entries 64)/$(entries 32)" "1/0" "one Velnora entry in Programs and Features"
  expect_eq "$(reg_value "$UNINSTALL_KEY" DisplayName)" Velnora "DisplayName"
  expect_eq "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" "$version" "DisplayVersion"
  expect_eq "$(( $(reg_value "$UNINSTALL_KEY" VersionMajor) )).$(( $(reg_value "$UNINSTALL_KEY" VersionMinor) ))" \
    "$(cut -d. -f1-2 <<<"$version")" "VersionMajor and VersionMinor"
  [ -n "$HOME_PAGE" ] || fail "no home page in $HEADER"
  expect_eq "$(reg_value "$UNINSTALL_KEY" URLInfoAbout)" "$HOME_PAGE" "URLInfoAbout is the home page"
  expect_eq "$(reg_value "$UNINSTALL_KEY" HelpLink)" "$HOME_PAGE" "HelpLink is the home page"
  expect_eq "$(reg_value "$UNINSTALL_KEY" Publisher)" "Velnora Project" "Publisher"
  expect_eq "$(reg_value "$UNINSTALL_KEY" DisplayIcon | lower)" 'c:\windows\system32\velnora.scr,0' "DisplayIcon"
  expect_eq "$(reg_value "$UNINSTALL_KEY" NoModify)/$(reg_value "$UNINSTALL_KEY" NoRepair)" "0x1/0x1" "NoModify and NoRepair"
  local kb files_kb
  kb=$(( $(reg_value "$UNINSTALL_KEY" EstimatedSize) ))
  files_kb=$(( ($(stat -c %s "$SYS/Velnora.scr") + $(stat -c %s "$SYS/Velnora.dll") + 1023) / 1024 ))
  [ "$kb" -ge $((files_kb - 1)) ] && [ "$kb" -le $((files_kb + 1)) ] ||
    fail "EstimatedSize $kb KB for $files_kb KB of programs"
  pass "EstimatedSize $kb KB, the programs' size"
  UNINSTALL_STRING=$(reg_value "$UNINSTALL_KEY" UninstallString)
  QUIET_STRING=$(reg_value "$UNINSTALL_KEY" QuietUninstallString)
  expect_eq "$QUIET_STRING" "$UNINSTALL_STRING /S" "QuietUninstallString is UninstallString with /S"
  UNINSTALLER=${UNINSTALL_STRING#\"}
  UNINSTALLER=${UNINSTALLER%\"}
  expect_eq "$(unix_path "$UNINSTALLER")" "$UNINSTALL_DIR/uninstall.exe" "UninstallString names the uninstaller"
  [ -f "$UNINSTALL_DIR/uninstall.exe" ] || fail "no uninstaller at $UNINSTALLER"
  pass "the uninstaller is where the entry says"
  expect_eq "$(unix_path "$(reg_value "$UNINSTALL_KEY" InstallLocation)")" "$UNINSTALL_DIR" \
    "InstallLocation is the uninstaller's folder, not the system's"
}

# uninstall: runs QuietUninstallString as Windows would. NSIS's uninstaller
# hands over to a copy of itself in %TEMP% and returns at once, so wait for
# what it does, and for the copy to end.
uninstall() {
  local start_ms args=${QUIET_STRING#\""$UNINSTALLER"\" }
  [ "$args" = /S ] || fail "QuietUninstallString has the arguments '$args'"
  start_ms=$(now_ms)
  # shellcheck disable=SC2086
  timeout -k 5 60 wine "$UNINSTALLER" $args >>"$SCENARIO_TMP/wine.log" 2>&1
  wait_until 60 "the uninstaller left files or the entry" uninstalled
  wait_until 30 "the uninstaller's copy still running" not unix_pid_of '_?='
  note "uninstalled in $(( $(now_ms) - start_ms )) ms"
}
uninstalled() {
  [ ! -e "$SYS/Velnora.scr" ] && [ ! -e "$SYS/Velnora.dll" ] && [ ! -e "$UNINSTALL_DIR" ] &&
    ! has_key "$UNINSTALL_KEY" 64 && ! has_key "$UNINSTALL_KEY" 32
}
