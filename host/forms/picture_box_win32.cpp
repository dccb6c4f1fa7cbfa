#include "host/forms/picture_box_win32.h"

#include <windowsx.h>

#include "host/forms/app_pointer_win32.h"
#include "host/forms/control_window_win32.h"

namespace Forms {
namespace {

constexpr const wchar_t* kClassName = L"VelnoraPictureBox";

}  // namespace

PictureBox::~PictureBox() {
  if (window_) DestroyWindow(window_);
}

bool PictureBox::Create(HWND parent, int width, int height) {
  if (!RegisterControlClass(kClassName, Proc) || width <= 0 || height <= 0) return false;
  window_ = CreateControlWindow(kClassName, 0, parent, RECT{0, 0, width, height}, this);
  if (!window_) return false;
  return image_.Resize(width, height);
}

void PictureBox::ShowAt(int left, int top) {
  if (window_) SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void PictureBox::Clear(COLORREF colour) {
  if (!Dc()) return;
  image_.Clear(colour);
  Refresh();
}

void PictureBox::ShowPicture(HBITMAP picture) {
  BITMAP info{};
  if (!Dc() || !picture || !GetObjectW(picture, sizeof info, &info)) return;
  MemoryDc source;
  {
    ScopedSelect selected(source.get(), picture);
    BitBlt(Dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  Refresh();
}

void PictureBox::Refresh() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void PictureBox::SetTabStop(bool tab_stop) {
  if (!window_) return;
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  SetWindowLongW(window_, GWL_STYLE, tab_stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

LRESULT CALLBACK PictureBox::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  PictureBox* self = ControlOf<PictureBox>(w);
  if (!self) return DefWindowProcW(w, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT PictureBox::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      if (dc) image_.ShowOn(dc, ps.rcPaint);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (ShowAppMousePointer()) return TRUE;
      if (pointer_ && LOWORD(lparam) == HTCLIENT) {
        SetCursor(pointer_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if ((GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) && GetFocus() != window_) SetFocus(window_);
      SetCapture(window_);
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(lparam);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      window_ = nullptr;
      return DefWindowProcW(window, message, wparam, lparam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void PictureBox::OnButtonUp(LPARAM lparam) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  if (GetCapture() == window_) ReleaseCapture();
  RECT all{};
  GetClientRect(window_, &all);
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (was_pressed && PtInRect(&all, at) && Click) Click();
}

}  // namespace Forms
