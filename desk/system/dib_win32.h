// A picture the program draws into and reads: a DIB section selected into a
// memory DC of its own, both released with it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Desk {

class Dib {
 public:
  // 24-bit rows bottom row first, as the snapshot keeps them; or 32-bit
  // rows top row first, as pictures decode. No rows when it cannot be made.
  enum class Rows { Bgr24BottomUp, Bgrx32TopDown };
  Dib(int32_t width, int32_t height, Rows rows);
  ~Dib();
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;

  HDC dc() const { return dc_; }
  uint8_t* rows() const { return rows_; }  // null when there are none
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  uint8_t* rows_ = nullptr;
  int32_t width_, height_;
};

// Fills the rectangle (0, 0, width, height) of a DC with one colour.
void FillColour(HDC dc, int32_t width, int32_t height, COLORREF colour);

}  // namespace Desk
