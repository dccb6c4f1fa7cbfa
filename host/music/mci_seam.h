// The one way the music module reaches the platform's media control
// interface: every command string goes through SendMciString. Windows
// implements it in mci_win32.cpp; the native tests link a scripted device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Ondrel_BGM {

struct MciReply {
  int32_t code = 0;   // 0 on success, else the MCI error code
  std::wstring text;  // the reply up to its first NUL (at most capacity - 1 characters)
};

// Sends one command string, without the wait and notify flags, so it returns
// at once. capacity: size of the reply buffer in characters; 0 sends none.
MciReply SendMciString(std::wstring_view command, size_t capacity);

// The platform's description of an MCI error code, read into a buffer of
// capacity characters; nothing when the platform has no description.
std::optional<std::wstring> MciErrorDescription(int32_t code, size_t capacity);

}  // namespace Ondrel_BGM
