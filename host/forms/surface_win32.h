// A persistent drawing surface: an off-screen image that keeps what was
// drawn and is shown whenever its window must be repainted. Widgets use
// 32-bit top-down images whatever the display's depth; a picture box that
// is saved as a bitmap file keeps the file's 24-bit bottom-up rows.
#pragma once

#include <windows.h>

#include <optional>

#include "desk/system/dib_win32.h"
#include "desk/system/gdi_win32.h"

namespace Forms {

using Desk::DibRows;

class Surface {
 public:
  explicit Surface(DibRows rows = DibRows::Bgrx32TopDown) : rows_(rows) {}
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // A new size keeps the drawn image's overlapping part.
  [[nodiscard]] bool Resize(int width, int height);
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // The image's rows, laid out as rows() says; null before the first Resize.
  const void* bits() const { return bits_; }
  void* bits() { return bits_; }
  DibRows rows() const { return rows_; }

  void Clear(COLORREF colour) { Desk::FillColour(dc_.get(), width_, height_, colour); }
  void ShowOn(HDC target, const RECT& area) const;

 private:
  DibRows rows_;
  Desk::MemoryDc dc_;
  Desk::GdiObject<HBITMAP> bitmap_;
  std::optional<Desk::ScopedSelect> selected_;  // released before the bitmap
  void* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

// A colour as the painter's arithmetic needs it: system colours (top bit
// set, index in the low byte) become their current RGB value.
COLORREF ResolveColour(DWORD colour);

}  // namespace Forms
