// Conversions between the host's UTF-16 text and code page 932 bytes,
// the encoding of the settings file whatever the system's code page is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Ondrel_B {

std::string ToCp932(std::wstring_view text);
std::wstring FromCp932(std::string_view bytes);

// The text's bytes only when code page 932 spells every character of it
// and they read back as the same text; no best-fit stand-ins.
[[nodiscard]] std::optional<std::string> ToCp932Exact(std::wstring_view text);

}  // namespace Ondrel_B
