// ASCII-only upper-casing, as the host compares switches and file endings:
// other characters (full-width letters, kana) stay as they are.
#pragma once

#include <string>

namespace Ondrel_B {

inline wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

inline std::wstring AsciiUpper(std::wstring text) {
  for (wchar_t& c : text) c = AsciiUpper(c);
  return text;
}

}  // namespace Ondrel_B
