// One value of a settings file, through the platform's profile functions.
#pragma once

#include <string>
#include <string_view>

namespace Ondrel_B {

// The value (at most 255 bytes of it); empty when file, section or key is missing.
std::wstring GetIni(std::wstring_view section, std::wstring_view key, std::wstring_view file);

// Writes the value; an empty value keeps the key with nothing after "=".
// Failure is not reported.
void WriteIni(std::wstring_view section, std::wstring_view key, std::wstring_view value,
              std::wstring_view file);

// Removes a section with all its keys; a section that is not there leaves
// the file as it is. Failure is not reported.
void DeleteIniSection(std::wstring_view section, std::wstring_view file);

}  // namespace Ondrel_B
