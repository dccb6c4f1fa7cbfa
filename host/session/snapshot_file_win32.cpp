#include "host/session/snapshot_file_win32.h"

#include <windows.h>

#include <vector>

#include "host/session/private_file_security_win32.h"
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

// A Win32 path-returning call into a string, growing the buffer as asked.
template <typename Call>
std::wstring PathFrom(Call call) {
  std::vector<wchar_t> buf(MAX_PATH);
  for (int tries = 0; tries < 3; ++tries) {
    const DWORD n = call(buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::wstring();
    if (n < buf.size()) return std::wstring(buf.data(), n);
    buf.resize(n + 1);
  }
  return std::wstring();
}

// Whether an open handle is the object its name names, not one reached
// through a link: its final path is the name itself.
bool IsNamedObject(HANDLE h, const std::wstring& name) {
  const std::wstring full =
      PathFrom([&](wchar_t* b, DWORD n) { return GetFullPathNameW(name.c_str(), n, b, nullptr); });
  if (full.empty()) return false;
  std::wstring expected = PathFrom([&](wchar_t* b, DWORD n) { return GetLongPathNameW(full.c_str(), b, n); });
  if (expected.empty()) expected = full;
  std::wstring final =
      PathFrom([&](wchar_t* b, DWORD n) { return GetFinalPathNameByHandleW(h, b, n, VOLUME_NAME_DOS); });
  if (final.rfind(L"\\\\?\\", 0) == 0) final.erase(0, 4);
  return !final.empty() && CompareStringOrdinal(final.c_str(), -1, expected.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Removes whatever lies under a name: a file, a link (the link itself, never
// what it leads to), or an empty folder. True when the name is free afterwards.
// NOTE: Wine shows a Unix symbolic link as the file it leads to, and deleting
// it by name deletes that file; so the name is opened first and deleted only
// when it is the object itself.
bool FreeName(const std::wstring& name) {
  if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  HANDLE h = CreateFileW(name.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  FILE_DISPOSITION_INFO dispose{TRUE};
  const bool marked =
      IsNamedObject(h, name) && SetFileInformationByHandle(h, FileDispositionInfo, &dispose, sizeof dispose);
  CloseHandle(h);
  return marked && GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// The handle is a plain file of one name: not a link, not a folder.
bool IsPlainFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return GetFileInformationByHandle(file, &info) &&
         !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
         info.nNumberOfLinks == 1;
}

}  // namespace

std::wstring SnapshotTempPath(const std::wstring& path) { return path + L".new"; }

bool WriteSnapshotFile(const Forms::Surface& image, const std::wstring& path) {
  if (!image.bits() || image.rows() != Forms::DibRows::Bgr24BottomUp) return false;
  const auto headers = Bmp24Headers(image.width(), image.height());
  if (!headers) return false;
  // The user's screen is written only where nobody else can read it.
  PrivateFileSecurity security;
  if (!security.ok()) return false;
  GdiFlush();  // drawing into a DIB section may still be queued

  // Created new: a file or link planted under the temporary name is removed
  // first, and should one appear again meanwhile, the creation fails rather
  // than open it.
  const std::wstring temp = SnapshotTempPath(path);
  if (!FreeName(temp)) return false;
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, security.attributes(), CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const size_t rows = Bmp24Stride(image.width()) * static_cast<size_t>(image.height());
  const bool written = IsPlainFile(file) && WriteAll(file, headers->data(), headers->size()) &&
                       WriteAll(file, image.bits(), rows) && FlushFileBuffers(file);
  CloseHandle(file);
  // The move replaces the name's entry (a link there is replaced, not
  // followed) and the file keeps its own security.
  if (written && MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  FreeName(temp);
  return false;
}

void DeleteSnapshotFiles(const std::wstring& path) {
  // NOTE: a renderer reading the file as the session ends (one just started
  // again) shares it with nobody who deletes: the name goes once it has read.
  for (int tries = 0; !FreeName(path) && GetLastError() == ERROR_SHARING_VIOLATION && tries < 20; ++tries) Sleep(100);
  FreeName(SnapshotTempPath(path));
}

}  // namespace Ondrel_B
