// Reading the saver's command line: the mode switch and the preview parent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Ondrel_B {

// The arguments without the program's own path (quoted or not) and the
// blanks that separate them from it.
std::wstring ArgumentText(std::wstring_view commandLine);

// Second character of the upper-cased argument text; 0 when the text is
// shorter than two characters. The first character (slash or dash) is not examined.
wchar_t ModeLetterOf(std::wstring_view argumentText);

// For "/p 1234" and "/p:1234": the decimal number from the fourth character
// on, leading blanks skipped, stopping at the first non-digit; 0 when none.
// Handles are 32-bit values; the result is that value.
uint32_t PreviewParentOf(std::wstring_view argumentText);

}  // namespace Ondrel_B
