// A rectangle outline one pixel wide: a child window shaped to its outline,
// so that what lies inside it shows through. Takes no input.
#pragma once

#include <windows.h>

namespace Forms {

class Shape {
 public:
  Shape() = default;
  ~Shape();
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  // bounds in the parent's client pixels; the outline is their edge.
  bool Create(HWND parent, const RECT& bounds, COLORREF colour);
  // Moves the outline, keeping its size.
  void Move(int left, int top);
  // Above its siblings, so that no sibling hides the outline.
  void BringToFront();
  RECT Bounds() const;
  HWND hwnd() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
  COLORREF colour_ = 0;
};

}  // namespace Forms
