// The renderer's scene: the model every monitor's frame is drawn from, one
// per program. Touches no GL.
#pragma once

#include "renderer/scene/camera.h"
#include "renderer/scene/facet.h"
#include "renderer/scene/reflector.h"

struct Scene {
  Reflector reflector;
  Vec4 eye;         // moved every frame; the reflection test reads it
  Vec4 lookAt;
  FacetList sheet;  // rebuilt every frame into the same storage
  float t = 0;      // elapsed seconds as of the current frame
};

// The reflector placed above the sheet's middle and tilted, the look-at point set.
void PlaceScene(Scene& scene);

// The reflector's turn per frame, radians: a step per frame, not per second,
// so the panel turns faster on a faster machine.
inline constexpr float kReflectorStepX = 0.015f;
inline constexpr float kReflectorStepY = 0.01f;

// Moves the model to elapsed time t (seconds) and one frame on: the sheet
// rebuilt for t, the reflector turned a step with its normal derived again,
// the eye moved.
void UpdateScene(Scene& scene, float t);
