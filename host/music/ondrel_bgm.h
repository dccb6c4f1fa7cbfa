// Ondrel_BGM: background music of a saver session. An audio CD, an MP3 file
// or a WAV file, driven by MCI command strings and the simple sound player.
// The operations take what they play as arguments, write only KeepPolling
// of the shared state, and report nothing: a failure only means that no
// music plays.
#pragma once

#include <cstdint>
#include <string>

namespace Ondrel_BGM {

// Audio CD: open the default drive with track/minute/second/frame positions.
void CdOpen();
// One look at the CD (every 200 ms): starts the disc when it is stopped,
// and with repeatTrack N (BgmRepeat) jumps back to the start of track N
// whenever the drive is elsewhere. Leaves KeepPolling false when the drive
// fails.
void CdPoll(int16_t repeatTrack);
void CdStop();

// An MP3 file (BgmFile) under the alias MP3Play: open and play, restart
// from the beginning when it is no longer playing, stop and close.
void Mp3Open(const std::wstring& path);
void Mp3KeepAlive();
void Mp3Stop();

// A WAV file (BgmFile), looped by the sound player itself (Windows only).
void PlayWav(const std::wstring& path);
void StopWav();

}  // namespace Ondrel_BGM
