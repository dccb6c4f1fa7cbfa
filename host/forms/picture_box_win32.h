// A picture box with a persistent image: a child window whose drawing goes
// to an off-screen bitmap of its size, shown whenever it repaints.
#pragma once

#include <windows.h>

#include "host/forms/surface_win32.h"

namespace Forms {

class PictureBox {
 public:
  explicit PictureBox(SurfaceFormat format = {}) : image_(format) {}
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Creates the child window of the parent (not shown) and a blank image of that size.
  bool Create(HWND parent, int width, int height);

  HWND hwnd() const { return window_; }
  // Null when there is no image to draw into.
  HDC Dc() const { return image_.bits() ? image_.dc() : nullptr; }
  const Surface& Image() const { return image_; }
  Surface& Image() { return image_; }

 private:
  HWND window_ = nullptr;
  Surface image_;
};

}  // namespace Forms
