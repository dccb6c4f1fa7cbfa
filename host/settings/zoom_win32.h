// The caption-zoom animation the settings dialog opens and closes with.
#pragma once

#include <windows.h>

namespace Ondrel_B {

// From the empty rectangle at ZoomPoint to the window's rectangle.
void ZoomOpen(HWND window);
// From the window's rectangle back into ZoomPoint.
void ZoomClose(HWND window);

}  // namespace Ondrel_B
