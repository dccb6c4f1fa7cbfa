#!/usr/bin/env bash
# Music during a saver session: heard while it runs, silent once it ends;
# the file's ending decides how it plays.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"

MUSIC_DIR="$WINEPREFIX/drive_c/velnora_music/音楽 フォルダ"
MUSIC_WIN='C:\velnora_music\音楽 フォルダ'
rm -rf "$WINEPREFIX/drive_c/velnora_music"; mkdir -p "$MUSIC_DIR"
sox -n -r 44100 -c 2 "$MUSIC_DIR/夜の 曲.mp3" synth 3 sine 440 2>/dev/null || fail "sox could not make an MP3"
cp "$MUSIC_DIR/夜の 曲.mp3" "$MUSIC_DIR/song.Mp3"
sox -n -r 44100 -c 2 "$MUSIC_DIR/short.mp3" synth 0.8 sine 520 2>/dev/null || fail "sox could not make an MP3"
sox -n -r 22050 -c 1 "$MUSIC_DIR/ループ.wav" synth 1 sine 660 2>/dev/null || fail "sox could not make a WAV"
cp "$MUSIC_DIR/ループ.wav" "$MUSIC_DIR/song.ogg"
: >"$MUSIC_DIR/空.mp3"

# session_with KIND FILE: runs a session with that music choice for a few
# seconds; sets HEARD (share of loud samples during it), LATE (during its
# last second and a half) and AFTER (after it).
session_with() {
  ini_write "[Section]
BGM区分= $1
BGMﾘﾋﾟｰﾄ= 0
BGMﾌｧｲﾙ=$2"
  : >"$VELNORA_AUDIO_SINK"
  start Velnora.scr /s
  local host=$LAST_PID
  wait_window Ondrel_VC 20
  # Longer than the WAV and the short MP3: they must still be heard at the end.
  sleep 1.5
  local mark
  mark=$(sink_size)
  sleep 1.5
  # A new sound stream starts the sink afresh: then all of it is late.
  [ "$(sink_size)" -ge "$mark" ] || mark=0
  LATE=$(sink_audible "$mark")
  HEARD=$(sink_audible 0)
  wait_focus Ondrel_VC 10
  send_key Escape
  wait_exit "$host" 5
  local ended_at
  ended_at=$(sink_size)
  sleep 1.5
  AFTER=$(sink_audible "$ended_at")
}

for file in "夜の 曲.mp3" "song.Mp3" "ループ.wav" "short.mp3"; do
  session_with 2 "$MUSIC_WIN\\$file"
  note "$file: ${HEARD}% loud during the session, ${LATE}% in its last 1.5 s, ${AFTER}% after it"
  [ "$HEARD" -ge 5 ] || fail "$file was not heard during the session"
  [ "$LATE" -ge 5 ] || fail "$file was not kept going to the end of the session"
  [ "$AFTER" -lt 1 ] || fail "$file went on after the session"
  pass "$file plays during the session and stops at its end"
done

for choice in "2|$MUSIC_WIN\\song.ogg" "2|" "2|$MUSIC_WIN\\空.mp3" "0|$MUSIC_WIN\\夜の 曲.mp3"; do
  session_with "${choice%%|*}" "${choice#*|}"
  [ "$HEARD" -lt 1 ] || fail "source ${choice%%|*} with '${choice#*|}' played something (${HEARD}%)"
  pass "source ${choice%%|*} with '${choice#*|}' plays nothing"
done

# A real file's path followed by command words: silent, and no command at all
# reaches the media devices (Wine's trace of MCI, as a played file shows it).
mci_commands() { grep -c 'mciSendString' "$SCENARIO_TMP/wine.log"; }
: >"$SCENARIO_TMP/wine.log"
WINEDEBUG=+mci session_with 2 "$MUSIC_WIN\\夜の 曲.mp3"
[ "$(mci_commands)" -gt 0 ] || fail "the MCI trace shows no command for a file that played"
: >"$SCENARIO_TMP/wine.log"
WINEDEBUG=+mci session_with 2 "$MUSIC_WIN\\夜の 曲.mp3\" wait \""
[ "$HEARD" -lt 1 ] || fail "a path with command words played something (${HEARD}%)"
expect_eq "$(mci_commands)" 0 "a path with command words sends no MCI command"

# Closed from outside (as at shutdown): the music stops, the renderer stays.
ini_write "[Section]
BGM区分= 2
BGMﾘﾋﾟｰﾄ= 0
BGMﾌｧｲﾙ=$MUSIC_WIN\\夜の 曲.mp3"
: >"$VELNORA_AUDIO_SINK"
start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
sleep 1.5
[ "$(sink_audible 0)" -ge 5 ] || fail "the MP3 was not heard before the close"
probe close Ondrel_Main || fail "could not close the session window"
wait_exit "$host" 5
ended_at=$(sink_size)
sleep 1.5
after=$(sink_audible "$ended_at")
[ "$after" -lt 1 ] || fail "the music went on after the session window was closed (${after}%)"
has_window Ondrel_VC || fail "closing the session closed the renderer"
pass "closing the session window stops the music and leaves the renderer running"
probe close Ondrel_VC
wait_no_window Ondrel_VC 10

rm -rf "$WINEPREFIX/drive_c/velnora_music"
finish
