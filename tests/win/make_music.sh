#!/usr/bin/env bash
# Makes the music files of the Windows music tests inside the test prefix,
# under a folder and names with blanks and Japanese characters:
#   C:\velnora_music_test\音楽 テスト\夜の 曲.mp3   1.5 s, 440 Hz, stereo
#   C:\velnora_music_test\音楽 テスト\ループ 音.wav  1.0 s, 660 Hz, mono
#   C:\velnora_music_test\Café ♫.mp3              a name outside code page 932
set -euo pipefail
: "${WINEPREFIX:?run inside tools/testenv.sh}"
dir="$WINEPREFIX/drive_c/velnora_music_test/音楽 テスト"
mkdir -p "$dir"
sox -q -n -r 44100 -c 2 "$dir/夜の 曲.mp3" synth 1.5 sine 440 gain -3
sox -q -n -r 22050 -c 1 "$dir/ループ 音.wav" synth 1.0 sine 660 gain -3
sox -q -n -r 44100 -c 2 "$WINEPREFIX/drive_c/velnora_music_test/Café ♫.mp3" synth 1.5 sine 440 gain -3
