// The frame widget's painter: one paint of GFXFrameX with GDI into a DC,
// within a rectangle.
#pragma once

#include <windows.h>

#include "host/widgets/frame_model.h"

namespace Widgets {

// `back` is the background as the container gives it; system colours are
// resolved for the arithmetic, while smoothing only touches pixels of
// exactly the value given. Returns false when the paint stopped early.
[[nodiscard]] bool PaintFrame(HDC dc, const RECT& area, const FrameProperties& props, DWORD back);

}  // namespace Widgets
