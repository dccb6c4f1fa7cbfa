#include "host/forms/shape_win32.h"

#include "desk/system/dib_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kClassName[] = L"VelnoraShape";

// The one-pixel edge of a width x height rectangle.
HRGN OutlineRegion(int width, int height) {
  HRGN outline = CreateRectRgn(0, 0, width, height);
  Desk::GdiObject<HRGN> inside(CreateRectRgn(1, 1, width - 1, height - 1));
  if (outline && inside) CombineRgn(outline, outline, inside.get(), RGN_DIFF);
  return outline;
}

}  // namespace

bool Shape::Create(HWND parent, const RECT& bounds, COLORREF colour) {
  colour_ = colour;
  if (!RegisterWindowClass(kClassName) ||
      !CreateOwnWindow(kClassName, {0, WS_CHILD | WS_CLIPSIBLINGS, L"", bounds, parent})) {
    return false;
  }
  // The window owns the region from here on.
  if (HRGN outline = OutlineRegion(bounds.right - bounds.left, bounds.bottom - bounds.top)) {
    if (!SetWindowRgn(hWnd(), outline, FALSE)) DeleteObject(outline);
  }
  ShowWindow(hWnd(), SW_SHOWNA);
  return true;
}

void Shape::Move(int left, int top) {
  if (hWnd()) SetWindowPos(hWnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Shape::BringToFront() {
  if (hWnd()) SetWindowPos(hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

RECT Shape::Bounds() const {
  RECT r{};
  if (!hWnd()) return r;
  GetWindowRect(hWnd(), &r);
  MapWindowPoints(nullptr, GetParent(hWnd()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LRESULT Shape::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      const Desk::PaintDc painting(hWnd());
      RECT all{};
      GetClientRect(hWnd(), &all);
      if (painting.get()) Desk::FillColour(painting.get(), all.right, all.bottom, colour_);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // presses fall through to what lies under the line
    default:
      break;
  }
  return CallDefault(message, wparam, lparam);
}

}  // namespace Forms
