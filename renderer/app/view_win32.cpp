#include "renderer/app/view_win32.h"

#include "desk/system/gdi_win32.h"

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
  const Desk::PaintDc painting(window);
  if (painting.get()) FillRect(painting.get(), &painting.area(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
