#include "host/settings/ini.h"

#include <windows.h>

#include "host/settings/text_win32.h"

namespace Ondrel_B {
namespace {

// Section and key names pass through 128-character buffers: only the
// first 127 characters count.
std::string NameBytes(std::wstring_view name) { return ToCp932(name.substr(0, 127)); }

}  // namespace

std::wstring GetIni(std::wstring_view section, std::wstring_view key, std::wstring_view file) {
  char buffer[256] = {};
  GetPrivateProfileStringA(ToCp932(section).c_str(), ToCp932(key).c_str(), "", buffer,
                           sizeof buffer, ToCp932(file).c_str());
  buffer[sizeof buffer - 1] = '\0';
  return FromCp932(buffer);
}

void WriteIni(std::wstring_view section, std::wstring_view key, std::wstring_view value,
              std::wstring_view file) {
  WritePrivateProfileStringA(NameBytes(section).c_str(), NameBytes(key).c_str(),
                             ToCp932(value).c_str(), ToCp932(file).c_str());
}

void DeleteIniSection(std::wstring_view section, std::wstring_view file) {
  WritePrivateProfileStringA(NameBytes(section).c_str(), nullptr, nullptr, ToCp932(file).c_str());
}

}  // namespace Ondrel_B
