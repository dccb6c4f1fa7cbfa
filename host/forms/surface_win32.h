// A persistent drawing surface: an off-screen image that keeps what was
// drawn and is shown whenever its window must be repainted. Widgets use
// 32-bit top-down images whatever the display's depth; a picture box that
// is saved as a bitmap file keeps the file's 24-bit bottom-up rows.
#pragma once

#include <windows.h>

#include "host/forms/gdi_win32.h"

namespace Forms {

struct SurfaceFormat {
  WORD bit_count = 32;
  bool bottom_up = false;
};

class Surface {
 public:
  explicit Surface(SurfaceFormat format = {}) : format_(format) {}
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
  // The image's rows, laid out as the format says; null before the first Resize.
  const void* bits() const { return bits_; }
  void* bits() { return bits_; }
  SurfaceFormat format() const { return format_; }

  void Clear(COLORREF colour);
  void ShowOn(HDC target, const RECT& area) const;

 private:
  SurfaceFormat format_;
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, put back before ours is deleted
  void* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

// A DIB section for a memory DC; bits (optional) receives its rows.
HBITMAP CreateSurfaceBitmap(int width, int height, SurfaceFormat format = {}, void** bits = nullptr);

// A colour as the painter's arithmetic needs it: system colours (top bit
// set, index in the low byte) become their current RGB value.
COLORREF ResolveColour(DWORD colour);

}  // namespace Forms
