#include "host/forms/backdrop_control_win32.h"

#include "host/forms/control_window_win32.h"
#include "host/forms/surface_win32.h"

namespace Forms {

bool BackdropControl::CreateWindowIn(const wchar_t* class_name, HWND parent, const RECT& bounds) {
  if (!RegisterWindowClass(class_name) || !CreateOwnWindow(class_name, {0, WS_CHILD | WS_CLIPSIBLINGS, L"", bounds, parent})) {
    return false;
  }
  ShowWindow(hwnd(), SW_SHOWNA);
  return true;
}

void BackdropControl::Paint(HDC target) const {
  RECT area{};
  GetClientRect(hwnd(), &area);
  Surface buffer;
  if (!buffer.Resize(area.right, area.bottom)) return;
  PaintParentBackdrop(hwnd(), buffer.dc());
  PaintOver(buffer.dc(), area);
  buffer.ShowOn(target, area);
}

LRESULT BackdropControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(hwnd(), &ps)) Paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (MouseDown) MouseDown(ButtonOfMessage(message));
      return 0;
    default:
      break;
  }
  return CallDefault(message, wparam, lparam);
}

}  // namespace Forms
