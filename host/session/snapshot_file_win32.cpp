#include "host/session/snapshot_file_win32.h"

#include <windows.h>

#include "host/session/snapshot_bmp.h"

namespace Ondrel_B {
namespace {

// Writes all bytes or reports failure.
bool WriteAll(HANDLE file, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  while (size > 0) {
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD put = 0;
    if (!WriteFile(file, p, chunk, &put, nullptr) || put != chunk) return false;
    p += put;
    size -= put;
  }
  return true;
}

}  // namespace

bool WriteSnapshotFile(const Forms::Surface& image, const std::wstring& path) {
  const Forms::SurfaceFormat format = image.format();
  if (!image.bits() || format.bit_count != 24 || !format.bottom_up) return false;
  const auto headers = Bmp24Headers(image.width(), image.height());
  if (!headers) return false;
  GdiFlush();  // drawing into a DIB section may still be queued

  const std::wstring temp = path + L".new";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const size_t rows = Bmp24Stride(image.width()) * static_cast<size_t>(image.height());
  const bool written = WriteAll(file, headers->data(), headers->size()) && WriteAll(file, image.bits(), rows) &&
                       FlushFileBuffers(file);
  CloseHandle(file);
  if (written && MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temp.c_str());
  return false;
}

}  // namespace Ondrel_B
