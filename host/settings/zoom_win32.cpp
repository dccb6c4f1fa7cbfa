#include "host/settings/zoom_win32.h"

namespace Ondrel_B {

void ZoomOpen(HWND window, Point16 from) {
  RECT to{};
  GetWindowRect(window, &to);
  const RECT start{from.x, from.y, from.x, from.y};
  DrawAnimatedRects(window, IDANI_CAPTION, &start, &to);
}

void ZoomClose(HWND window, Point16 to) {
  RECT from{};
  GetWindowRect(window, &from);
  const RECT end{to.x, to.y, to.x, to.y};
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &end);
}

}  // namespace Ondrel_B
