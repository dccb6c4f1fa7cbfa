// A widget's persistent drawing surface: an off-screen image of its client
// area that keeps what was drawn and is shown whenever the window must be
// repainted. 32-bit colour, whatever the display's depth.
#pragma once

#include <windows.h>

#include "host/forms/gdi_win32.h"

namespace Forms {

class Surface {
 public:
  Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() {
    if (original_) SelectObject(dc_.get(), original_);
  }

  // A new size keeps the drawn image's overlapping part.
  bool Resize(int width, int height);
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  void Clear(COLORREF colour);
  void ShowOn(HDC target, const RECT& area) const;

 private:
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, put back before ours is deleted
  int width_ = 0, height_ = 0;
};

// 32-bit top-down bitmap for a memory DC.
HBITMAP CreateSurfaceBitmap(int width, int height);

// A colour as the painter's arithmetic needs it: system colours (top bit
// set, index in the low byte) become their current RGB value.
COLORREF ResolveColour(DWORD colour);

}  // namespace Forms
