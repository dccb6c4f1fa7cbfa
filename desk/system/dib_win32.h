// Pictures the program draws into and reads: DIB sections, made one way.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "desk/system/gdi_win32.h"

namespace Desk {

// 24-bit rows bottom row first, as the snapshot keeps them; or 32-bit rows
// top row first, as pictures decode and widgets draw.
enum class DibRows { Bgr24BottomUp, Bgrx32TopDown };

// The header of a DIB of that size and layout.
BITMAPINFO DibInfo(int32_t width, int32_t height, DibRows rows);

// A DIB section; bits receives its rows. Null when it cannot be made.
[[nodiscard]] HBITMAP CreateDib(int32_t width, int32_t height, DibRows rows, void** bits);

// A DIB section selected into a memory DC of its own, both released with it.
class Dib {
 public:
  // No rows when it cannot be made.
  Dib(int32_t width, int32_t height, DibRows rows);
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;

  HDC dc() const { return dc_.get(); }
  uint8_t* rows() const { return rows_; }  // null when there are none
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

 private:
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  std::optional<ScopedSelect> selected_;  // released before the bitmap
  uint8_t* rows_ = nullptr;
  int32_t width_, height_;
};

// Fills the rectangle (0, 0, width, height) of a DC with one colour.
void FillColour(HDC dc, int32_t width, int32_t height, COLORREF colour);

}  // namespace Desk
