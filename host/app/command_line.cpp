#include "host/app/command_line.h"

#include "host/base/ascii.h"

namespace Ondrel_B {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring ArgumentText(std::wstring_view commandLine) {
  size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    // Quoted program path: up to the closing quote.
    i = commandLine.find(L'"', 1);
    i = (i == std::wstring_view::npos) ? commandLine.size() : i + 1;
  }
  while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  return std::wstring(commandLine.substr(i));
}

wchar_t ModeLetterOf(std::wstring_view argumentText) {
  if (argumentText.size() < 2) return 0;
  return AsciiUpper(argumentText[1]);
}

uint32_t PreviewParentOf(std::wstring_view argumentText) {
  if (argumentText.size() < 4) return 0;
  size_t i = 3;
  while (i < argumentText.size() && IsBlank(argumentText[i])) ++i;
  bool negative = false;
  if (i < argumentText.size() && (argumentText[i] == L'-' || argumentText[i] == L'+')) {
    negative = argumentText[i] == L'-';
    ++i;
  }
  // Accumulate in 64 bits and keep the low 32: a handle is a 32-bit value,
  // and an absurdly long digit run must not overflow.
  uint64_t value = 0;
  for (; i < argumentText.size() && argumentText[i] >= L'0' && argumentText[i] <= L'9'; ++i) {
    value = (value * 10 + static_cast<uint64_t>(argumentText[i] - L'0')) & 0xFFFFFFFFull;
  }
  if (negative) value = (0x100000000ull - value) & 0xFFFFFFFFull;
  return static_cast<uint32_t>(value);
}

}  // namespace Ondrel_B
