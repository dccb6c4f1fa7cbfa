#include "host/forms/surface_win32.h"

#include <algorithm>

namespace Forms {

bool Surface::Resize(int width, int height) {
  if (!dc_.get()) return false;
  if (width == width_ && height == height_ && bitmap_) return true;
  void* nextBits = nullptr;
  Desk::GdiObject<HBITMAP> next(Desk::CreateDib(std::max(width, 1), std::max(height, 1), rows_, &nextBits));
  if (!next) return false;
  {
    Desk::MemoryDc copy;
    Desk::ScopedSelect into(copy.get(), next.get());
    if (bitmap_) BitBlt(copy.get(), 0, 0, std::min(width, width_), std::min(height, height_), dc_.get(), 0, 0, SRCCOPY);
  }
  selected_.reset();
  selected_.emplace(dc_.get(), next.get());
  bitmap_ = std::move(next);
  bits_ = nextBits;
  width_ = width;
  height_ = height;
  return true;
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
