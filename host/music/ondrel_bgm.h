// Ondrel_BGM: background music of a saver session. An audio CD, an MP3 file
// or a WAV file, driven by MCI command strings and the simple sound player.
// The operations work on Ondrel_B::Shared() (BgmFile, BgmRepeat, KeepPolling)
// and report nothing: a failure only means that no music plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Ondrel_BGM {

// Reply capacities, in characters.
inline constexpr size_t kReplyCapacity = 512;
inline constexpr size_t kErrorCapacity = 256;
inline constexpr size_t kCdModeCapacity = 255;
inline constexpr size_t kMp3ModeCapacity = 30;

// Audio CD: open the default drive with track/minute/second/frame positions.
void CdOpen();
// One look at the CD (every 200 ms): starts the disc when it is
// stopped, and with BgmRepeat N jumps back to the start of track N whenever
// the drive is elsewhere. Leaves KeepPolling false when the drive fails.
void CdPoll();
void CdStop();

// MP3 file BgmFile under the alias MP3Play: open and play, restart from the
// beginning when it is no longer playing, stop and close.
void Mp3Open();
void Mp3KeepAlive();
void Mp3Stop();

// WAV file BgmFile, looped by the sound player itself (Windows only).
void PlayWav();
void StopWav();

// Sends a command with a reply buffer; output gets the reply, the error's
// description, or a fixed text. Returns the MCI code, -1 for an empty command.
int32_t MciSend(std::wstring_view command, std::wstring& output);
// The reply of a status query, or "Error:" and the code when it fails.
std::wstring MciStatus(std::wstring_view command);
// "play <device>" with optional " from <from>" and " to <to>"; the MCI code.
int32_t MciPlay(std::wstring_view device, std::wstring_view from, std::wstring_view to);
// True while the file opened by Mp3Open is playing.
bool Mp3IsPlaying();

}  // namespace Ondrel_BGM
