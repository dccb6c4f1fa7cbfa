// The music file's path on its way to the media devices. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Ondrel_BGM {

// Whether a path may reach the media devices at all. A double quote (never
// part of a Windows file name) would end the quoted path inside an MCI
// command and let the rest be read as command syntax; control characters
// (U+0000-U+001F, U+007F-U+009F) are no part of a file name either. An empty
// path names no file.
[[nodiscard]] bool IsPlayablePath(std::wstring_view path);

// Every MCI command that carries a path is built here: head, the path in
// double quotes (blanks stay inside one argument), tail. Nothing for a path
// that is not playable, so that no such command is ever sent.
[[nodiscard]] std::optional<std::wstring> PathCommand(std::wstring_view head, std::wstring_view path, std::wstring_view tail);

}  // namespace Ondrel_BGM
