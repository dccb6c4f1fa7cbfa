#include "host/forms/widget_window_win32.h"

#include <windowsx.h>

#include "host/forms/widget_events.h"

namespace Forms {

namespace {

const wchar_t kClassName[] = L"VelnoraWidget";

int16_t ButtonsHeld(WPARAM wparam) {
  int16_t mask = 0;
  if (wparam & MK_LBUTTON) mask |= 1;
  if (wparam & MK_RBUTTON) mask |= 2;
  if (wparam & MK_MBUTTON) mask |= 4;
  return mask;
}

int16_t ShiftOf(WPARAM wparam) {
  int16_t mask = 0;
  if (wparam & MK_SHIFT) mask |= 1;
  if (wparam & MK_CONTROL) mask |= 2;
  if (GetKeyState(VK_MENU) < 0) mask |= 4;
  return mask;
}

int16_t KeyShift() {
  int16_t mask = 0;
  if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
  if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
  if (GetKeyState(VK_MENU) < 0) mask |= 4;
  return mask;
}

}  // namespace

WidgetWindow::WidgetWindow(HWND container, const RECT& bounds, WidgetEvents& events, WidgetSite& site, bool focusable)
    : events_(events), site_(site), focusable_(focusable) {
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (focusable ? WS_TABSTOP : 0);
  // NOTE: a widget whose window cannot be made stays without one; every use checks hWnd().
  if (RegisterWindowClass(kClassName, CS_DBLCLKS)) {
    static_cast<void>(CreateOwnWindow(kClassName, {0, style, L"", bounds, container}));
  }
}

WidgetWindow::~WidgetWindow() {
  // Destroyed here, so that the widget hears of its end.
  if (hWnd()) DestroyWindow(hWnd());
}

WidgetWindow* WidgetWindow::FromHandle(HWND window) {
  return dynamic_cast<WidgetWindow*>(WindowObject::FromHandle(window));
}

int WidgetWindow::ClientWidth() const {
  RECT r{};
  GetClientRect(hWnd(), &r);
  return r.right;
}

int WidgetWindow::ClientHeight() const {
  RECT r{};
  GetClientRect(hWnd(), &r);
  return r.bottom;
}

void WidgetWindow::Present() {
  if (!hWnd()) return;
  const Desk::WindowDc dc(hWnd());
  const RECT all{0, 0, surface_.width(), surface_.height()};
  if (dc.get()) surface_.ShowOn(dc.get(), all);
}

LRESULT WidgetWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT all{0, 0, surface_.width(), surface_.height()};
      surface_.ShowOn(reinterpret_cast<HDC>(wparam), all);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFOCUS:
      events_.GotFocus();
      return 0;
    case WM_KILLFOCUS:
      events_.LostFocus();
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(kLeftButton, wparam, lparam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(kRightButton, wparam, lparam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(kMiddleButton, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(kLeftButton, wparam, lparam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(kRightButton, wparam, lparam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(kMiddleButton, wparam, lparam);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wparam, lparam);
      return 0;
    case WM_KEYDOWN:
      events_.KeyDown(static_cast<int16_t>(wparam), KeyShift());
      return 0;
    case WM_KEYUP:
      events_.KeyUp(static_cast<int16_t>(wparam), KeyShift());
      return 0;
    case WM_GETDLGCODE: {
      // Arrows, characters and Enter belong to the widget, Tab to the dialog.
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      const MSG* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return CallDefault(message, wparam, lparam);
  }
}

void WidgetWindow::OnSize() {
  // NOTE: a surface that cannot take the new size keeps its image; the widget is told all the same.
  static_cast<void>(surface_.Resize(ClientWidth(), ClientHeight()));
  events_.Resize();
}

void WidgetWindow::OnPaint() {
  const Desk::PaintDc painting(hWnd());
  if (painting.get()) surface_.ShowOn(painting.get(), painting.area());
}

void WidgetWindow::OnButtonDown(int16_t button, WPARAM wparam, LPARAM lparam) {
  if (focusable_ && GetFocus() != hWnd()) SetFocus(hWnd());
  SetCapture(hWnd());
  events_.MouseDown(button, ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                    static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnButtonUp(int16_t button, WPARAM wparam, LPARAM lparam) {
  if (ButtonsHeld(wparam) == 0 && GetCapture() == hWnd()) ReleaseCapture();
  events_.MouseUp(button, ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                  static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnMouseMove(WPARAM wparam, LPARAM lparam) {
  events_.MouseMove(ButtonsHeld(wparam), ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                    static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnDoubleClick() {
  SetCapture(hWnd());
  events_.DblClick();
}

void WidgetWindow::OnDestroy() {
  if (terminated_) return;
  terminated_ = true;
  events_.Terminate();
}

}  // namespace Forms
