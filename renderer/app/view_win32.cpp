#include "renderer/app/view_win32.h"

namespace {

// BeginPaint's DC for the length of one WM_PAINT.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
  ~Painting() { EndPaint(window_, &ps_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace

void SetUpView(View& view, HWND window) {
  view.window = window;
  view.dc = GetDC(window);
  if (!view.dc || !SetupPixelFormat(view.dc) || !view.context.Create(view.dc)) return;
  if (!view.swapWaits) SwapWithoutWaiting();
}

bool MakeViewCurrent(View& view) {
  if (view.context.MakeCurrent()) return true;
  if (view.context.held()) {
    view.context.Reset();
    InvalidateRect(view.window, nullptr, FALSE);
  }
  return false;
}

void ReleaseView(View& view) {
  if (MakeViewCurrent(view)) ReleaseTexture(view.picture);
  view.context.Reset();
}

void PaintBlack(HWND window) {
  const Painting painting(window);
  if (painting.dc()) FillRect(painting.dc(), &painting.area(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
