// Path helpers of the host.
#pragma once

#include <string>
#include <string_view>

namespace Ondrel_B {

// The path up to its last ":" or "\", without a trailing "\":
// C:\Music\a.mp3 -> C:\Music, C:\a.mp3 -> C:, a.mp3 -> "".
std::wstring DirOf(std::wstring_view path);

// True when the file opens for reading; a folder is false, a trailing "\" is dropped.
[[nodiscard]] bool FileExists(std::wstring_view path);

// Folder of the running host executable.
std::wstring HostFolder();

// The renderer beside the host: HostFolder() + "\Velnora.dll".
std::wstring RendererPath();

}  // namespace Ondrel_B
