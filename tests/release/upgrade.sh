#!/usr/bin/env bash
# An installer run over an installed Velnora, silent, as a deployment tool
# runs it: 1.1.0 over 1.0.0 and 1.1.0 over 1.1.0 replace it in place (one
# entry, of the new version; the programs and the uninstaller rewritten; the
# user's current saver as it was, Velnora or another); /CURRENT=0 over a
# current Velnora makes it stop being current; 1.0.0 over 1.1.0 changes
# nothing and ends with 1638 (ERROR_PRODUCT_VERSION), silent or in the
# wizard, which says why; one uninstall then removes everything.
. "$VELNORA_SOURCE/tests/release/install_lib.sh"

OLD=1.0.0
mkdir -p "$SCENARIO_TMP/old"
cp "$VELNORA_RELEASE/old/programs/Velnora.scr" "$VELNORA_RELEASE/old/programs/Velnora.dll" "$SCENARIO_TMP/old/"
for kind in signed token-signed; do
  mkdir -p "$SCENARIO_TMP/$kind"
  unzip -q "$VELNORA_RELEASE/$kind"/velnora-*-win64.zip Velnora.scr Velnora.dll -d "$SCENARIO_TMP/$kind"
done

# Everything an install leaves, for "nothing changed".
installed_state() {
  sha256sum "$SYS/Velnora.scr" "$SYS/Velnora.dll" "$UNINSTALL_DIR/uninstall.exe" 2>&1
  # Its output only: Wine's own stderr at exit (an ld.so assertion, once) is not state.
  wine reg query "$UNINSTALL_KEY" /reg:64 2>/dev/null | tr -d '\r' | sort
  reg_value "$DESKTOP_KEY" SCRNSAVE.EXE; reg_value "$DESKTOP_KEY" ScreenSaveActive
}
current_is_velnora() {
  expect_eq "$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE | lower)" 'c:\windows\system32\velnora.scr' "$1"
}
uninstaller_signed_by() {  # KIND: the installed uninstaller is that release's (signed, so it differs per release)
  osslsigncode verify -CAfile "$CA" -in "$UNINSTALL_DIR/uninstall.exe" >"$SCENARIO_TMP/verify.log" 2>&1 ||
    { cat "$SCENARIO_TMP/verify.log"; fail "the installed uninstaller carries no valid signature"; }
  grep -q "Subject: /CN=$1\$" "$SCENARIO_TMP/verify.log" || fail "the installed uninstaller is not signed by $1"
}

wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null 2>&1
wine reg add "$DESKTOP_KEY" /v ScreenSaveActive /d 1 /f >/dev/null 2>&1
uninstalled || { note "removing an earlier run's installation"; remove_installation; }

# --- 1.0.0, made the current saver.
install old /S /CURRENT=1
installed_files_present old
entry_present "$OLD"
current_is_velnora "$OLD made Velnora the current saver"

# --- 1.1.0 over 1.0.0, silent, without /CURRENT=: replaced, Velnora still current.
install signed /S
installed_files_present signed
entry_present
pass "1.1.0 over $OLD: one entry, version $VERSION, the programs replaced"
uninstaller_signed_by "Velnora Throw-away Signer"
pass "1.1.0 over $OLD: the uninstaller replaced"
current_is_velnora "1.1.0 over $OLD keeps Velnora the current saver"
expect_eq "$(reg_value "$DESKTOP_KEY" ScreenSaveActive)" 1 "and the saver switched on"

# --- 1.1.0 over 1.1.0, another saver chosen meanwhile: replaced, that saver stays.
wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null 2>&1
install token-signed /S
installed_files_present token-signed
entry_present
uninstaller_signed_by "Velnora Throw-away Token Signer"
pass "1.1.0 over 1.1.0: one entry, the programs and the uninstaller replaced"
expect_eq "$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)" "$OTHER_SAVER" "1.1.0 over 1.1.0 keeps another current saver"

# --- /CURRENT=1, then /CURRENT=0 over it: the user's word decides.
install token-signed /S /CURRENT=1
current_is_velnora "/CURRENT=1 over an installed Velnora makes it current"
install token-signed /S /CURRENT=0
reg_value "$DESKTOP_KEY" SCRNSAVE.EXE >/dev/null && fail "/CURRENT=0 left Velnora the current saver"
pass "/CURRENT=0 over a current Velnora: it is no longer the current saver"
install token-signed /S /CURRENT=1

# --- 1.0.0 over 1.1.0, silent: code 1638 and nothing changed.
before=$(installed_state)
install_ends 1638 old /S
expect_eq "$(installed_state)" "$before" "$OLD over $VERSION changes no file, entry value or desktop setting"
entry_present
pass "$OLD over $VERSION, silent: exit code 1638, $VERSION still installed"

# --- The same in the wizard: it says why and stops.
LC_ALL=en_US.UTF-8 windows_exit_code "$(setup_of old)" >"$SCENARIO_TMP/wizard.code" 2>>"$SCENARIO_TMP/wine.log" &
wizard=$!
STARTED_PIDS+=("$wizard")
wait_until 20 "the wizard did not say that a newer Velnora is installed" \
  shows "Velnora Setup" "A newer Velnora ($VERSION) is installed already"
shows "Velnora Setup" "Nothing was changed" || fail "the message does not say that nothing changed"
pass "the $OLD wizard over $VERSION says a newer Velnora is installed"
probe click "$(wizard_title "Velnora Setup")" OK || fail "no OK button"
wait_exit "$wizard" 10
expect_eq "$(cat "$SCENARIO_TMP/wizard.code")" 1638 "the wizard stops with code 1638"
expect_eq "$(installed_state)" "$before" "the wizard changed nothing"

# --- One uninstall removes it all.
uninstall
pass "one uninstall after the upgrades removes the programs, the uninstaller and the entry"
expect_eq "$(entries 64)/$(entries 32)" "0/0" "no Velnora entry left"
reg_value "$DESKTOP_KEY" SCRNSAVE.EXE >/dev/null && fail "Velnora is still the current saver"

finish
