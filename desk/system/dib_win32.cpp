#include "desk/system/dib_win32.h"

namespace Desk {

Dib::Dib(int32_t width, int32_t height, Rows rows) : width_(width), height_(height) {
  if (width < 1 || height < 1) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = rows == Rows::Bgr24BottomUp ? height : -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = rows == Rows::Bgr24BottomUp ? 24 : 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = dc_ ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (!bitmap_) return;
  original_ = SelectObject(dc_, bitmap_);
  rows_ = static_cast<uint8_t*>(bits);
}

Dib::~Dib() {
  if (original_) SelectObject(dc_, original_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void FillColour(HDC dc, int32_t width, int32_t height, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return;
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

}  // namespace Desk
