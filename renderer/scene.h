// The renderer's scene: everything a frame is drawn from, one per program.
#pragma once

#include <cstdint>

#include "renderer/camera.h"
#include "renderer/facet.h"
#include "renderer/reflector.h"
#include "renderer/texture.h"

struct Scene {
  Reflector reflector;
  Texture snapshot;
  Vec4 eye;             // moved every frame; the reflection test reads it
  Vec4 lookAt;
  FacetList sheet;      // rebuilt every frame into the same storage
  float t = 0;          // elapsed seconds as of the current frame
  int32_t clientWidth = 0;   // latest client size; the projection's aspect
  int32_t clientHeight = 0;  // comes from it once, at InitScene
};

// GL state, projection, snapshot texture from snapshotPath (its absence only
// leaves the sheet white), reflector placed and tilted, look-at point set.
// Needs the GL context current and the client size known. Always true.
bool InitScene(Scene& scene, const char* snapshotPath);

// What InitScene sets in a window's own context: the fixed GL state, the
// projection for that client size, and the picture from snapshotPath as the
// bound texture. Each further monitor's window draws through one of these.
void InitSceneView(Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath);

// The reflector's turn per frame, radians: a step per frame, not per second,
// so the panel turns faster on a faster machine.
inline constexpr float kReflectorStepX = 0.015f;
inline constexpr float kReflectorStepY = 0.01f;

// Moves the model to elapsed time t (seconds) and one frame on: the sheet
// rebuilt for t, the reflector turned a step with its normal derived again,
// the eye moved. Touches no GL.
void UpdateScene(Scene& scene, float t);
