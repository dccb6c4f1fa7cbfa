// Reflector: the square mirror panel turning above the sheet.
#pragma once

#include "renderer/scene/vec4.h"

struct Reflector {
  Vec4 position{0, 0, 0, 1};  // world position of the panel's centre
  Vec4 normal{0, 0, 1, 1};    // unit normal, derived from the corners on demand
  // Relative to position, counter-clockwise seen from the side the normal points to.
  Vec4 corner[4] = {{-5, -5, 0, 1}, {5, -5, 0, 1}, {5, 5, 0, 1}, {-5, 5, 0, 1}};
};

// Turns the corners about X by ax, then about Y by ay (radians). The turns
// accumulate in the corners themselves; the position does not move.
void TurnReflector(Reflector& r, float ax, float ay);

// Turns the corners about X only (used once when the scene is placed).
void TurnReflectorX(Reflector& r, float ax);

// Derives the face normal again from the corners; w is left as it is.
void UpdateReflectorNormal(Reflector& r);
