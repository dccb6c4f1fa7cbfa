// Conversions between the host's UTF-16 text and code page 932 bytes,
// the encoding of the settings file whatever the system's code page is.
#pragma once

#include <string>
#include <string_view>

namespace Ondrel_B {

std::string ToCp932(std::wstring_view text);
std::wstring FromCp932(std::string_view bytes);

}  // namespace Ondrel_B
