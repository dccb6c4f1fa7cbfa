// Helpers shared by the runtime's small child controls (label, image,
// shape, picture box): the parent's picture under a control that has no
// background of its own, and the button of a press.
#pragma once

#include <windows.h>

namespace Forms {

// Paints into dc (the child's client coordinates) what the parent shows
// under the child: its background, then its own picture.
void PaintParentBackdrop(HWND child, HDC dc);

// Mouse-button mask of a button-down message (1 left, 2 right, 4 middle); 0 for others.
int ButtonOfMessage(UINT message);

}  // namespace Forms
