#include "desk/system/dib_win32.h"

namespace Desk {

BITMAPINFO DibInfo(int32_t width, int32_t height, DibRows rows) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = rows == DibRows::Bgr24BottomUp ? height : -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = rows == DibRows::Bgr24BottomUp ? 24 : 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

HBITMAP CreateDib(int32_t width, int32_t height, DibRows rows, void** bits) {
  const BITMAPINFO info = DibInfo(width, height, rows);
  void* made = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &made, nullptr, 0);
  *bits = bitmap ? made : nullptr;
  return bitmap;
}

Dib::Dib(int32_t width, int32_t height, DibRows rows) : width_(width), height_(height) {
  if (width < 1 || height < 1 || !dc_.get()) return;
  void* bits = nullptr;
  bitmap_.reset(CreateDib(width, height, rows, &bits));
  if (!bitmap_) return;
  selected_.emplace(dc_.get(), bitmap_.get());
  rows_ = static_cast<uint8_t*>(bits);
}

void FillColour(HDC dc, int32_t width, int32_t height, COLORREF colour) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  const RECT all{0, 0, width, height};
  if (brush) FillRect(dc, &all, brush.get());
}

}  // namespace Desk
