// A rectangle outline one pixel wide: a child window shaped to its outline,
// so that what lies inside it shows through. Takes no input.
#pragma once

#include <windows.h>

#include "host/forms/window_object_win32.h"

namespace Forms {

class Shape : public WindowObject {
 public:
  Shape() = default;

  // bounds in the parent's client pixels; the outline is their edge.
  bool Create(HWND parent, const RECT& bounds, COLORREF colour);
  // Moves the outline, keeping its size.
  void Move(int left, int top);
  // Above its siblings, so that no sibling hides the outline.
  void BringToFront();
  RECT Bounds() const;

 private:
  // A drawn line without a name: readers pass over it.
  std::optional<AccessibleFacts> KindFacts() const override { return FactsOfRole(ROLE_SYSTEM_GRAPHIC); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  COLORREF colour_ = 0;
};

}  // namespace Forms
