// Where the settings dialog opens. Portable: no <windows.h>.
#pragma once

namespace Ondrel_B {

struct DialogPlacement {
  int left = 0;  // screen pixels
  int top = 0;
};

// Centred across the screen and a third of the free height down, worked in
// twips as the form measures itself (15 to the pixel): the differences
// whole, the divisions truncated, the result back in pixels halves to even.
DialogPlacement PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace Ondrel_B
