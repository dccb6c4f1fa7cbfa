// The caption-zoom animation the settings dialog opens and closes with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Ondrel_B {

// A point of the screen in 16-bit coordinates, as the dialog keeps the mouse's.
struct Point16 {
  int16_t x = 0;
  int16_t y = 0;
};

// From the empty rectangle at the point to the window's rectangle.
void ZoomOpen(HWND window, Point16 from);
// From the window's rectangle back into the point.
void ZoomClose(HWND window, Point16 to);

}  // namespace Ondrel_B
