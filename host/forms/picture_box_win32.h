// A picture box with a persistent image: a child window whose drawing goes
// to an off-screen 24-bit bitmap of its size, shown whenever it repaints.
#pragma once

#include <windows.h>

#include <string>

#include "host/forms/gdi_win32.h"

namespace Ondrel_B {

class PictureBox {
 public:
  PictureBox() = default;
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Creates the child window of the parent (not shown) and a blank image of that size.
  bool Create(HWND parent, int width, int height);

  HDC Dc() const { return image_ ? dc_.get() : nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Writes the image as a 24-bit bitmap file. The file appears complete or
  // not at all: it is written beside the target and then moved over it.
  bool SaveBitmap(const std::wstring& path) const;

 private:
  HWND window_ = nullptr;
  Forms::MemoryDc dc_;
  Forms::GdiObject<HBITMAP> image_;  // bottom-up rows, as the file stores them
  HGDIOBJ original_ = nullptr;       // the DC's own bitmap, put back before ours is deleted
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace Ondrel_B
