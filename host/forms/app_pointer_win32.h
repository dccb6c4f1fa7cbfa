// The application-wide mouse pointer: while it is set to anything but the
// default, every window of the host shows it instead of its own pointer.
#pragma once

#include <windows.h>

namespace Forms {

enum class MousePointer { Default, Hourglass };

// Takes effect at once over the host's windows.
void SetAppMousePointer(MousePointer pointer);
MousePointer AppMousePointer();

// For a window's WM_SETCURSOR: shows the application-wide pointer when one
// is set and returns true; false leaves the window to show its own.
bool ShowAppMousePointer();

}  // namespace Forms
