#include "host/forms/shape_win32.h"

#include "host/forms/control_window_win32.h"
#include "host/forms/gdi_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kClassName[] = L"VelnoraShape";

// The one-pixel edge of a width x height rectangle.
HRGN OutlineRegion(int width, int height) {
  HRGN outline = CreateRectRgn(0, 0, width, height);
  GdiObject<HRGN> inside(CreateRectRgn(1, 1, width - 1, height - 1));
  if (outline && inside) CombineRgn(outline, outline, inside.get(), RGN_DIFF);
  return outline;
}

}  // namespace

Shape::~Shape() {
  if (window_) DestroyWindow(window_);
}

bool Shape::Create(HWND parent, const RECT& bounds, COLORREF colour) {
  if (window_ || !RegisterControlClass(kClassName, Proc)) return false;
  colour_ = colour;
  window_ = CreateControlWindow(kClassName, WS_CLIPSIBLINGS, parent, bounds, this);
  if (!window_) return false;
  // The window owns the region from here on.
  if (HRGN outline = OutlineRegion(bounds.right - bounds.left, bounds.bottom - bounds.top)) {
    if (!SetWindowRgn(window_, outline, FALSE)) DeleteObject(outline);
  }
  ShowWindow(window_, SW_SHOWNA);
  return true;
}

void Shape::Move(int left, int top) {
  if (window_) SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Shape::BringToFront() {
  if (window_) SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

RECT Shape::Bounds() const {
  RECT r{};
  if (!window_) return r;
  GetWindowRect(window_, &r);
  MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LRESULT CALLBACK Shape::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Shape* self = ControlOf<Shape>(window);
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(window, &ps)) {
        RECT all{};
        GetClientRect(window, &all);
        GdiObject<HBRUSH> brush(CreateSolidBrush(self->colour_));
        if (brush) FillRect(dc, &all, brush.get());
      }
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // presses fall through to what lies under the line
    case WM_NCDESTROY:
      self->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace Forms
