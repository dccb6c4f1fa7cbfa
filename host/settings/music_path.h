// Which path the settings file keeps for a music file chosen in the
// dialog. The file is read back through the profile functions in code page
// 932 with a 256-byte buffer, so a path is kept only in a form that code
// page spells exactly and that comes back whole. Portable: no <windows.h>.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Ondrel_B {

// The longest path, in bytes of the settings file's code page, that a later
// read gets back whole (its buffer holds 255 bytes and a NUL; the chooser's
// buffer held 254 and a NUL).
inline constexpr size_t kMaxStoredPathBytes = 254;

// The text's exact bytes in the settings file's code page, or nothing when
// some character has no such bytes (no best-fit stand-ins).
using ExactEncoder = std::function<std::optional<std::string>(std::wstring_view)>;

// The chosen path when it can be kept as it is; else its short (8.3) form
// when that one can (shortForm is empty where the volume has none);
// otherwise nothing, and the previous file stays.
[[nodiscard]] std::optional<std::wstring> StorablePath(std::wstring_view chosen, std::wstring_view shortForm,
                                         const ExactEncoder& encode);

}  // namespace Ondrel_B
