// The settings dialog's repeat box: the CD track as text and back.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Ondrel_B {

// The box's text for a stored track: 0 (the whole disc) shows empty.
std::wstring RepeatText(int16_t track);

// The track a confirmed text stands for: a number (blanks around it, a sign,
// a fraction allowed) rounded to the nearest whole, halves to even. Not a
// number, or a result beyond the signed 16-bit range: 0.
int16_t RepeatFromText(std::wstring_view text);

// The box's list: an empty entry, then "1" to "30".
std::vector<std::wstring> RepeatEntries();

}  // namespace Ondrel_B
