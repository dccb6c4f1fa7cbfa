// A child control with no background of its own (label, image): each paint
// starts from what its parent shows under it, then the control draws over
// that. Presses of any mouse button are reported; it takes no focus.
#pragma once

#include <windows.h>

#include <functional>

#include "host/forms/window_object_win32.h"

namespace Forms {

class BackdropControl : public WindowObject {
 public:
  // Button mask: 1 left, 2 right, 4 middle.
  std::function<void(int button)> MouseDown;

 protected:
  BackdropControl() = default;

  // A shown child window of its own class; false when it cannot be made.
  [[nodiscard]] bool CreateWindowIn(const wchar_t* className, HWND parent, const RECT& bounds);
  // Draws the control over its parent's picture, in client coordinates.
  virtual void PaintOver(HDC dc, const RECT& area) const = 0;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC target) const;
};

}  // namespace Forms
