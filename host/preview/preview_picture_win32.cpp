#include "host/preview/preview_picture_win32.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "assets/resource_ids.h"
#include "desk/system/com_win32.h"
#include "desk/system/dib_win32.h"
#include "host/preview/picture_scale.h"

namespace Ondrel_B {
namespace {

using Desk::ComPtr;

// The JPEG's bytes in a stream of their own (OleLoadPicture reads a stream).
bool OpenResourceStream(ComPtr<IStream>& stream, DWORD& size) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(IDR_PREVIEW_JPEG), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!found) return false;
  size = SizeofResource(self, found);
  HGLOBAL loaded = LoadResource(self, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return false;
  if (void* into = GlobalLock(copy)) {
    std::memcpy(into, bytes, size);
    GlobalUnlock(copy);
  }
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.out()))) {
    GlobalFree(copy);
    return false;
  }
  return true;
}

// The decoded picture as 32-bit top-down pixels.
bool DecodePicture(std::vector<uint32_t>& pixels, int& width, int& height) {
  Desk::ComScope com;  // for the length of one decode
  ComPtr<IStream> stream;
  DWORD size = 0;
  if (!OpenResourceStream(stream, size)) return false;
  ComPtr<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.out()))) ||
      !picture) {
    return false;
  }
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Handle(&handle)) || !handle) return false;
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
  width = info.bmWidth;
  height = info.bmHeight;

  BITMAPINFO want = Desk::DibInfo(width, height, Desk::DibRows::Bgrx32TopDown);
  pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  const Desk::WindowDc screen(nullptr);
  return GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &want, DIB_RGB_COLORS) == height;
}

}  // namespace

void DrawPreviewPicture(Forms::Surface& surface) {
  if (!surface.bits() || surface.rows() != Forms::DibRows::Bgrx32TopDown) return;
  std::vector<uint32_t> picture;
  int width = 0, height = 0;
  if (!DecodePicture(picture, width, height)) return;
  const std::vector<uint32_t> scaled = ScalePicture(picture, width, height, surface.width(), surface.height());
  if (scaled.empty()) return;
  GdiFlush();
  std::memcpy(surface.bits(), scaled.data(), scaled.size() * sizeof(uint32_t));
}

}  // namespace Ondrel_B
