#include "host/music/media_path.h"

namespace Ondrel_BGM {
namespace {

bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool IsPlayablePath(std::wstring_view path) {
  if (path.empty()) return false;
  for (wchar_t c : path) {
    if (c == L'"' || IsControl(c)) return false;
  }
  return true;
}

std::optional<std::wstring> PathCommand(std::wstring_view head, std::wstring_view path, std::wstring_view tail) {
  if (!IsPlayablePath(path)) return std::nullopt;
  std::wstring command(head);
  ((command += L'"') += path) += L'"';
  return command += tail;
}

}  // namespace Ondrel_BGM
