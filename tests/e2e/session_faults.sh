#!/usr/bin/env bash
# A saver session when things around it fail: the work folder, the settings
# file or the snapshot cannot be written, or the host is killed mid-session.
# Each time the session still runs, ends on Escape and gives the cursor back.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

read -r screen_w screen_h <<<"$(screen_size)"
note "screen ${screen_w}x${screen_h}"

renderer_pid() { unix_pid_of "Velnora.dll"; }

# no_crash WHAT: Wine reported no fault in any program of the scenario.
no_crash() {
  ! grep -a -q -E 'Unhandled (exception|page fault)|wine: .*(crash|fault)' "$SCENARIO_TMP/wine.log" \
    || fail "$1: $(grep -a -m1 -E 'Unhandled|fault' "$SCENARIO_TMP/wine.log")"
}

# start_session: /s, until the renderer's window has the focus. Sets HOST.
start_session() {
  : >"$SCENARIO_TMP/wine.log"
  start Velnora.scr /s
  HOST=$LAST_PID
  wait_window Ondrel_VC 20
  wait_focus Ondrel_VC 10
}

# end_session WHAT: Escape ends the renderer and then the host, both cleanly,
# and the cursor is shown again.
end_session() {
  local rpid
  rpid=$(renderer_pid) || fail "$1: renderer process not found"
  send_key Escape
  wait_exit "$HOST" 5
  expect_eq "$EXIT_CODE" 0 "$1: Escape ends the session cleanly"
  wait_pid_gone "$rpid" 10
  expect_cursor_shown "$1: the cursor is shown again"
  no_crash "$1"
  pass "$1: nothing crashed"
}

# --- The work folder's path is taken by a file: no settings file, no
# snapshot; the renderer opens at its default size on an untextured sheet.
rm -rf "$WORK_DIR"
printf 'a file, not a folder' >"$WORK_DIR"
start_session
expect_eq "$(window_rect Ondrel_VC)" "0 0 1024 768" "work folder taken by a file: the renderer at its default size"
still_running "$HOST" 1
end_session "work folder taken by a file"
expect_eq "$(cat "$WORK_DIR")" "a file, not a folder" "the file in the folder's place is untouched"
rm -f "$WORK_DIR"

# --- The settings file read-only: the session runs with the size it holds.
trap 'writable "$INI_FILE" 2>/dev/null; _e2e_cleanup' EXIT
rm -rf "$WORK_DIR"
ini_write $'[Settings]\nWidth= 800\nHeight= 600\n'
if read_only "$INI_FILE"; then
  ini_before=$(md5sum <"$INI_FILE")
  start_session
  expect_eq "$(window_rect Ondrel_VC)" "0 0 800 600" "read-only settings file: the renderer at the size it holds"
  expect_eq "$(md5sum <"$INI_FILE")" "$ini_before" "the read-only settings file is unchanged"
  end_session "read-only settings file"
  snapshot_gone "read-only settings file"
else
  note "SKIPPED read-only settings file: this machine cannot make a file read-only for root"
fi
writable "$INI_FILE"

# --- The snapshot cannot be written (its temporary name is taken by a folder
# that cannot be removed): an untextured, white sheet, and never the stale
# magenta desktop an earlier session left under the snapshot's name.
rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR/Ondrel.alo.new/kept"
convert -size 64x64 xc:'#FF00FF' -type truecolor BMP3:"$SNAPSHOT_FILE"
start_session
[ ! -e "$SNAPSHOT_FILE" ] || fail "the stale snapshot is still there for the renderer"
pass "snapshot not writable: the stale snapshot was removed"
sleep 1
screenshot "$SCENARIO_TMP/unwritable.png"
white=$(colour_count FFFFFF "$SCENARIO_TMP/unwritable.png")
stale=$(colour_count FF00FF "$SCENARIO_TMP/unwritable.png")
note "white ${white}, stale magenta ${stale} pixels"
[ "$white" -gt 50000 ] || fail "the sheet is not white and untextured ($white pixels)"
expect_eq "$stale" 0 "snapshot not writable: no stale desktop shown"
end_session "snapshot not writable"
[ ! -e "$SNAPSHOT_FILE" ] || fail "snapshot not writable: a snapshot is left"
[ -d "$WORK_DIR/Ondrel.alo.new/kept" ] || fail "the folder in the temporary name's place was touched"
rm -rf "$WORK_DIR/Ondrel.alo.new"

# --- A link planted under the snapshot's temporary name (another user's
# doing): neither followed nor written through. Wine shows a Unix link as the
# file it leads to, so the host cannot remove it: no snapshot this time.
rm -rf "$WORK_DIR"; mkdir -p "$WORK_DIR"
printf 'not yours' >"$SCENARIO_TMP/victim"
ln -s "$SCENARIO_TMP/victim" "$SNAPSHOT_FILE.new"
start_session
expect_eq "$(cat "$SCENARIO_TMP/victim")" "not yours" "a link under the temporary name was not written through"
[ ! -e "$SNAPSHOT_FILE" ] || fail "a snapshot was written through the planted link"
end_session "link under the temporary name"
expect_eq "$(cat "$SCENARIO_TMP/victim")" "not yours" "the link's file outlives the session"
rm -f "$SNAPSHOT_FILE.new"

# --- The host killed mid-session: the renderer runs on, still ends on
# Escape, and the cursor comes back.
start_session
rpid=$(renderer_pid) || fail "renderer process not found"
host_wine=$(unix_pid_of "Velnora.scr /s") || fail "host process not found"
kill -KILL "$host_wine"
wait_exit "$HOST" 5
wait_no_window Ondrel_Main 5
still_running "$rpid" 1
has_window Ondrel_VC || fail "the renderer's window went with the host"
expect_eq "$(probe cursor)" hidden "host killed: the renderer keeps the cursor hidden"
wait_focus Ondrel_VC 10
send_key Escape
wait_pid_gone "$rpid" 10
has_window Ondrel_VC && fail "the renderer's window outlived it"
expect_cursor_shown "host killed: Escape ends the renderer and the cursor comes back"
no_crash "host killed"
# NOTE: a killed host cannot delete the snapshot; the next session replaces it.
rm -f "$SNAPSHOT_FILE"

finish
