#include <windows.h>

#include <vector>

#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"

namespace Ondrel_B {

bool FileExists(std::wstring_view path) {
  std::wstring p(path);
  if (!p.empty() && p.back() == L'\\') p.pop_back();
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open: false, as wanted.
  HANDLE h = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool ok = h != INVALID_HANDLE_VALUE;
  if (ok) CloseHandle(h);
  SetLastError(ERROR_SUCCESS);
  return ok;
}

std::wstring HostFolder() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::wstring();
    if (n < buf.size()) return DirOf(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 2);
  }
}

std::wstring RendererPath() { return HostFolder() + L"\\" + kRendererFileName; }

}  // namespace Ondrel_B
