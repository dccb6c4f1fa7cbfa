// Inside the music module: the command layer its players build on, and the
// reply capacities they send with. Not for the session; tests use it to
// drive the layer directly.
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

// Sends a command with a reply buffer; output gets the reply, the error's
// description, or a fixed text. Returns the MCI code, -1 for an empty command.
int32_t MciSend(std::wstring_view command, std::wstring& output);
// The reply of a status query, or "Error:" and the code when it fails.
std::wstring MciStatus(std::wstring_view command);
// "play <device>" with optional " from <from>" and " to <to>"; the MCI code.
int32_t MciPlay(std::wstring_view device, std::wstring_view from, std::wstring_view to);
// True while the file opened by Mp3Open is playing.
[[nodiscard]] bool Mp3IsPlaying();

}  // namespace Ondrel_BGM
