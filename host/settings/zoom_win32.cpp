#include "host/settings/zoom_win32.h"

#include "host/base/ondrel_b.h"

namespace Ondrel_B {
namespace {

RECT PointRect() {
  const Point16 p = Shared().ZoomPoint;
  return RECT{p.x, p.y, p.x, p.y};
}

}  // namespace

void ZoomOpen(HWND window) {
  RECT to{};
  GetWindowRect(window, &to);
  const RECT from = PointRect();
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(HWND window) {
  RECT from{};
  GetWindowRect(window, &from);
  const RECT to = PointRect();
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace Ondrel_B
