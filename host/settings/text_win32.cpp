#include "host/settings/text_win32.h"

#include <windows.h>

namespace Ondrel_B {

constexpr UINT kShiftJis = 932;

std::string ToCp932(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int n = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring FromCp932(std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int n = MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::optional<std::string> ToCp932Exact(std::wstring_view text) {
  if (text.empty()) return std::string();
  BOOL substituted = FALSE;
  const int n = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, &substituted);
  if (n <= 0 || substituted) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, &substituted);
  if (substituted || FromCp932(out) != text) return std::nullopt;
  return out;
}

}  // namespace Ondrel_B
