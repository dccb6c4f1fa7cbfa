// The plumbing shared by the runtime's small child controls (label, image,
// shape, picture box): one window class per kind, the control object found
// from its window, and the parent's picture under a control that has no
// background of its own.
#pragma once

#include <windows.h>

namespace Forms {

// Registers the class once per name; false when it cannot be registered.
bool RegisterControlClass(const wchar_t* name, WNDPROC proc);

// A child window of the class at bounds (parent's client pixels) whose
// control object is owner. Not shown.
HWND CreateControlWindow(const wchar_t* class_name, DWORD style, HWND parent, const RECT& bounds, void* owner);

template <typename T>
T* ControlOf(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Paints into dc (the child's client coordinates) what the parent shows
// under the child: its background, then its own picture.
void PaintParentBackdrop(HWND child, HDC dc);

// Mouse-button mask of a button-down message (1 left, 2 right, 4 middle); 0 for others.
int ButtonOfMessage(UINT message);

}  // namespace Forms
