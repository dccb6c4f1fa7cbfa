#include "host/forms/control_window_win32.h"

namespace Forms {

void PaintParentBackdrop(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (!parent) return;
  POINT at{0, 0};
  MapWindowPoints(child, parent, &at, 1);
  POINT before{};
  OffsetViewportOrgEx(dc, -at.x, -at.y, &before);
  // A form fills its background on the first; a widget shows its surface on the second.
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, before.x, before.y, nullptr);
}

int ButtonOfMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return 1;
    case WM_RBUTTONDOWN: return 2;
    case WM_MBUTTONDOWN: return 4;
    default: return 0;
  }
}

}  // namespace Forms
