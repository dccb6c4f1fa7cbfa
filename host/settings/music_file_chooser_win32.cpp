#include "host/settings/music_file_chooser_win32.h"

#include <commdlg.h>

#include "host/settings/music_path.h"
#include "host/settings/text_win32.h"

namespace Ondrel_B {
namespace {

constexpr wchar_t kPatterns[] = L"*.MP3;*.WAV";
constexpr DWORD kBufferChars = 255;

// The short (8.3) form of an existing file's path; empty where there is none.
std::wstring ShortPathOf(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD n = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

std::optional<std::wstring> ChooseMusicFile(HWND owner, const std::wstring& folder, const UiTexts& texts) {
  // One entry, its description and its patterns; the list ends with an empty entry.
  std::wstring filter = texts.chooserFilter;
  filter.append(1, L'\0').append(kPatterns).append(1, L'\0');
  wchar_t file[kBufferChars] = {};  // empty: the current file is not preselected
  wchar_t fileTitle[kBufferChars] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = kBufferChars;
  ofn.lpstrFileTitle = fileTitle;
  ofn.nMaxFileTitle = kBufferChars;
  ofn.lpstrInitialDir = folder.c_str();
  ofn.lpstrTitle = texts.chooserTitle;
  ofn.Flags = 0;  // a name that does not exist may be typed in and is taken
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  const std::wstring chosen(file);
  return StorablePath(chosen, ShortPathOf(chosen), ToCp932Exact);
}

}  // namespace Ondrel_B
