#include "host/forms/picture_box_win32.h"

#include <windowsx.h>

#include "host/forms/app_pointer_win32.h"

namespace Forms {
namespace {

constexpr const wchar_t* kClassName = L"VelnoraPictureBox";

}  // namespace

bool PictureBox::Create(HWND parent, int width, int height) {
  if (!RegisterWindowClass(kClassName) || width <= 0 || height <= 0) return false;
  if (!CreateOwnWindow(kClassName, {0, WS_CHILD, L"", RECT{0, 0, width, height}, parent})) return false;
  return image_.Resize(width, height);
}

void PictureBox::ShowAt(int left, int top) {
  if (hWnd()) SetWindowPos(hWnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void PictureBox::Clear(COLORREF colour) {
  if (!dc()) return;
  image_.Clear(colour);
  Refresh();
}

void PictureBox::ShowPicture(HBITMAP picture) {
  BITMAP info{};
  if (!dc() || !picture || !GetObjectW(picture, sizeof info, &info)) return;
  Desk::MemoryDc source;
  {
    Desk::ScopedSelect selected(source.get(), picture);
    BitBlt(dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  Refresh();
}

void PictureBox::Refresh() {
  if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

void PictureBox::SetTabStop(bool tabStop) {
  if (!hWnd()) return;
  const LONG style = GetWindowLongW(hWnd(), GWL_STYLE);
  SetWindowLongW(hWnd(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      const Desk::PaintDc painting(hWnd());
      if (painting.get()) image_.ShowOn(painting.get(), painting.area());
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
      if ((GetWindowLongW(hWnd(), GWL_STYLE) & WS_TABSTOP) && GetFocus() != hWnd()) SetFocus(hWnd());
      SetCapture(hWnd());
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(lparam);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    default:
      break;
  }
  return CallDefault(message, wparam, lparam);
}

void PictureBox::OnButtonUp(LPARAM lparam) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == hWnd()) ReleaseCapture();
  RECT all{};
  GetClientRect(hWnd(), &all);
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (wasPressed && PtInRect(&all, at) && Click) Click();
}

}  // namespace Forms
