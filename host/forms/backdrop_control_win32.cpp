#include "host/forms/backdrop_control_win32.h"

#include "host/forms/surface_win32.h"
#include "host/forms/widget_events.h"

namespace Forms {
namespace {

// Paints into dc (the child's client coordinates) what the parent shows
// under the child: its background, then its own picture.
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

// Mouse-button mask of a button-down message; 0 for others.
int ButtonOfMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return kLeftButton;
    case WM_RBUTTONDOWN: return kRightButton;
    case WM_MBUTTONDOWN: return kMiddleButton;
    default: return 0;
  }
}

}  // namespace

bool BackdropControl::CreateWindowIn(const wchar_t* className, HWND parent, const RECT& bounds) {
  if (!RegisterWindowClass(className) ||
      !CreateOwnWindow(className, {0, WS_CHILD | WS_CLIPSIBLINGS, L"", bounds, parent})) {
    return false;
  }
  ShowWindow(hWnd(), SW_SHOWNA);
  return true;
}

void BackdropControl::Paint(HDC target) const {
  RECT area{};
  GetClientRect(hWnd(), &area);
  Surface buffer;
  if (!buffer.Resize(area.right, area.bottom)) return;
  PaintParentBackdrop(hWnd(), buffer.dc());
  PaintOver(buffer.dc(), area);
  buffer.ShowOn(target, area);
}

LRESULT BackdropControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      const Desk::PaintDc painting(hWnd());
      if (painting.get()) Paint(painting.get());
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
