#include <windows.h>

#include <algorithm>
#include <memory>
#include <new>

#include "renderer/scene/file_bytes.h"

namespace {

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using ScopedHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace

bool ReadFileBytes(const char* path, std::vector<uint8_t>& out) {
  HANDLE raw = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return false;
  ScopedHandle file(raw);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(raw, &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > kMaxFileBytes)
    return false;
  try {
    out.resize(static_cast<size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return false;
  }
  size_t done = 0;
  while (done < out.size()) {
    const DWORD want = static_cast<DWORD>(std::min<size_t>(out.size() - done, 1u << 24));
    DWORD got = 0;
    if (!ReadFile(raw, out.data() + done, want, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}
