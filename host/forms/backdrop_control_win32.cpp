#include "host/forms/backdrop_control_win32.h"

#include "host/forms/control_window_win32.h"
#include "host/forms/surface_win32.h"

namespace Forms {

BackdropControl::~BackdropControl() {
  if (window_) DestroyWindow(window_);
}

bool BackdropControl::CreateWindowIn(const wchar_t* class_name, HWND parent, const RECT& bounds) {
  if (window_ || !RegisterControlClass(class_name, Proc)) return false;
  window_ = CreateControlWindow(class_name, WS_CLIPSIBLINGS, parent, bounds, this);
  if (!window_) return false;
  ShowWindow(window_, SW_SHOWNA);
  return true;
}

void BackdropControl::Paint(HDC target) const {
  RECT area{};
  GetClientRect(window_, &area);
  Surface buffer;
  if (!buffer.Resize(area.right, area.bottom)) return;
  PaintParentBackdrop(window_, buffer.dc());
  PaintOver(buffer.dc(), area);
  buffer.ShowOn(target, area);
}

LRESULT CALLBACK BackdropControl::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  BackdropControl* self = ControlOf<BackdropControl>(window);
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(window, &ps)) self->Paint(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      self->Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (self->MouseDown) self->MouseDown(ButtonOfMessage(message));
      return 0;
    case WM_NCDESTROY:
      self->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace Forms
