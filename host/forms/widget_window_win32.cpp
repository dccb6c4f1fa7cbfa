#include "host/forms/widget_window_win32.h"

#include <windowsx.h>

#include "host/forms/widget_events.h"

namespace Forms {

namespace {

const wchar_t kClassName[] = L"VelnoraWidget";

ATOM RegisterWidgetClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

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
  RegisterWidgetClass(Proc);
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (focusable ? WS_TABSTOP : 0);
  // The window procedure finds this object from WM_NCCREATE on.
  CreateWindowExW(0, kClassName, L"", style, bounds.left, bounds.top, bounds.right - bounds.left,
                          bounds.bottom - bounds.top, container, nullptr, GetModuleHandleW(nullptr), this);
}

WidgetWindow::~WidgetWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

WidgetWindow* WidgetWindow::FromHandle(HWND window) {
  wchar_t name[32];
  if (!window || !GetClassNameW(window, name, 32) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<WidgetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int WidgetWindow::ClientWidth() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.right;
}

int WidgetWindow::ClientHeight() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

void WidgetWindow::Present() {
  if (!hwnd_) return;
  HDC dc = GetDC(hwnd_);
  if (!dc) return;
  RECT all{0, 0, surface_.width(), surface_.height()};
  surface_.ShowOn(dc, all);
  ReleaseDC(hwnd_, dc);
}

LRESULT CALLBACK WidgetWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<WidgetWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    created->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<WidgetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT WidgetWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
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
      OnButtonDown(1, wparam, lparam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(2, wparam, lparam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(4, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(1, wparam, lparam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(2, wparam, lparam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(4, wparam, lparam);
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
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void WidgetWindow::OnSize() {
  surface_.Resize(ClientWidth(), ClientHeight());
  events_.Resize();
}

void WidgetWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (dc) surface_.ShowOn(dc, ps.rcPaint);
  EndPaint(hwnd_, &ps);
}

void WidgetWindow::OnButtonDown(int16_t button, WPARAM wparam, LPARAM lparam) {
  if (focusable_ && GetFocus() != hwnd_) SetFocus(hwnd_);
  SetCapture(hwnd_);
  events_.MouseDown(button, ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                    static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnButtonUp(int16_t button, WPARAM wparam, LPARAM lparam) {
  if (ButtonsHeld(wparam) == 0 && GetCapture() == hwnd_) ReleaseCapture();
  events_.MouseUp(button, ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                  static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnMouseMove(WPARAM wparam, LPARAM lparam) {
  events_.MouseMove(ButtonsHeld(wparam), ShiftOf(wparam), static_cast<float>(GET_X_LPARAM(lparam)),
                    static_cast<float>(GET_Y_LPARAM(lparam)));
}

void WidgetWindow::OnDoubleClick() {
  SetCapture(hwnd_);
  events_.DblClick();
}

void WidgetWindow::OnDestroy() {
  if (terminated_) return;
  terminated_ = true;
  events_.Terminate();
}

}  // namespace Forms
