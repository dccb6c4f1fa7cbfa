// A picture box with a persistent image: a child window whose drawing goes
// to an off-screen 24-bit bitmap of its size, shown whenever it repaints.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace Ondrel_B {

class PictureBox {
 public:
  PictureBox() = default;
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Creates the child window of the parent (not shown) and an image of the given size.
  bool Create(HWND parent, int width, int height);
  // New size; the image is replaced by a blank one of that size.
  bool Resize(int width, int height);

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The image rows, bottom row first, each padded to 4 bytes.
  const uint8_t* Bits() const { return static_cast<const uint8_t*>(bits_); }

  // Writes the image as a 24-bit bitmap file. The file appears complete or
  // not at all: it is written beside the target and then moved over it.
  bool SaveBitmap(const std::wstring& path) const;

 private:
  void ReleaseImage();

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace Ondrel_B
