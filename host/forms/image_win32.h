// An image control: shows a picture at its top left corner over the
// parent's own picture (no background of its own). Presses of any mouse
// button are reported; it takes no focus.
#pragma once

#include <windows.h>

#include <functional>

namespace Forms {

class Image {
 public:
  Image() = default;
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  // bounds in the parent's client pixels.
  bool Create(HWND parent, const RECT& bounds);

  // The picture is not owned and must outlive the control; null shows none.
  void SetPicture(HBITMAP picture);
  HBITMAP Picture() const { return picture_; }
  HWND hwnd() const { return window_; }

  std::function<void(int button)> MouseDown;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HDC target) const;

  HWND window_ = nullptr;
  HBITMAP picture_ = nullptr;
};

}  // namespace Forms
