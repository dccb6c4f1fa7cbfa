#include "host/forms/surface_win32.h"

#include <algorithm>

namespace Forms {

HBITMAP CreateSurfaceBitmap(int width, int height, SurfaceFormat format, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = std::max(width, 1);
  info.bmiHeader.biHeight = format.bottom_up ? std::max(height, 1) : -std::max(height, 1);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = format.bit_count;
  info.bmiHeader.biCompression = BI_RGB;
  void* rows = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &rows, nullptr, 0);
  if (bits) *bits = bitmap ? rows : nullptr;
  return bitmap;
}

bool Surface::Resize(int width, int height) {
  if (!dc_.get()) return false;
  if (width == width_ && height == height_ && bitmap_) return true;
  void* next_bits = nullptr;
  GdiObject<HBITMAP> next(CreateSurfaceBitmap(width, height, format_, &next_bits));
  if (!next) return false;
  {
    MemoryDc copy;
    ScopedSelect into(copy.get(), next.get());
    if (bitmap_) BitBlt(copy.get(), 0, 0, std::min(width, width_), std::min(height, height_), dc_.get(), 0, 0, SRCCOPY);
  }
  HGDIOBJ previous = SelectObject(dc_.get(), next.get());
  if (!original_) original_ = previous;
  bitmap_ = std::move(next);
  bits_ = next_bits;
  width_ = width;
  height_ = height;
  return true;
}

void Surface::Clear(COLORREF colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  RECT all{0, 0, width_, height_};
  if (brush) FillRect(dc_.get(), &all, brush.get());
}

void Surface::ShowOn(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left, area.top,
         SRCCOPY);
}

COLORREF ResolveColour(DWORD colour) {
  if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
  return colour;
}

}  // namespace Forms
