#include "host/settings/music_file_chooser_win32.h"

#include <commdlg.h>

#include "host/settings/music_path.h"
#include "host/settings/text_win32.h"

namespace Ondrel_B {
namespace {

// One entry, its description and its patterns; the list ends with an empty entry.
constexpr wchar_t kFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kTitle[] = L"ﾌｧｲﾙを開く";
constexpr DWORD kBufferChars = 255;

// The short (8.3) form of an existing file's path; empty where there is none.
std::wstring ShortPathOf(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD n = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

std::optional<std::wstring> ChooseMusicFile(HWND owner, const std::wstring& folder) {
  wchar_t file[kBufferChars] = {};  // empty: the current file is not preselected
  wchar_t file_title[kBufferChars] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = file;
  ofn.nMaxFile = kBufferChars;
  ofn.lpstrFileTitle = file_title;
  ofn.nMaxFileTitle = kBufferChars;
  ofn.lpstrInitialDir = folder.c_str();
  ofn.lpstrTitle = kTitle;
  ofn.Flags = 0;  // a name that does not exist may be typed in and is taken
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  const std::wstring chosen(file);
  return StorablePath(chosen, ShortPathOf(chosen), ToCp932Exact);
}

}  // namespace Ondrel_B
