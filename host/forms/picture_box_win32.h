// A picture box with a persistent image: a child window whose drawing goes
// to an off-screen bitmap of its size, shown whenever it repaints. It may
// have its own mouse pointer, be a tab stop, and report clicks.
#pragma once

#include <windows.h>

#include <functional>

#include "host/forms/surface_win32.h"
#include "host/forms/window_object_win32.h"

namespace Forms {

class PictureBox : public WindowObject {
 public:
  explicit PictureBox(DibRows rows = DibRows::Bgrx32TopDown) : image_(rows) {}

  // Creates the child window of the parent (not shown) and a blank image of that size.
  [[nodiscard]] bool Create(HWND parent, int width, int height);

  // Null when there is no image to draw into.
  HDC dc() const { return image_.bits() ? image_.dc() : nullptr; }
  const Surface& Image() const { return image_; }
  Surface& Image() { return image_; }

  // Places and shows the box at (left, top) of its parent's client area.
  void ShowAt(int left, int top);
  // Clears the image to a colour.
  void Clear(COLORREF colour);
  // Draws a picture at the image's top left corner and shows it.
  void ShowPicture(HBITMAP picture);
  // Shows what was drawn into dc().
  void Refresh();

  // The pointer over the box (not owned; a shared or resource cursor); null for the arrow.
  void SetMousePointer(HCURSOR pointer) { pointer_ = pointer; }
  // A tab stop takes the focus when pressed.
  void SetTabStop(bool tabStop);

  // Left button pressed and released over the box.
  std::function<void()> Click;

 private:
  // A picture without a name unless its owner says what it means.
  std::optional<AccessibleFacts> KindFacts() const override { return FactsOfRole(ROLE_SYSTEM_GRAPHIC); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnButtonUp(LPARAM lparam);

  Surface image_;
  HCURSOR pointer_ = nullptr;
  bool pressed_ = false;
};

}  // namespace Forms
