// What a window's own GL context needs before its first frame.
#pragma once

#include <cstdint>

#include "renderer/gl/texture.h"
#include "renderer/scene/scene.h"

// The fixed GL state (depth test, blending on, culling off), the projection
// for that client size, and the picture from snapshotPath as the bound
// texture (its absence only leaves the sheet white). Needs the context current.
void InitSceneView(Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath);

// The same with a picture already in memory. False when GL refuses it.
[[nodiscard]] bool InitSceneViewWith(Texture& picture, int32_t clientWidth, int32_t clientHeight, const SnapshotImage& image);

// The projection for a client size, leaving the modelview matrix current.
void SetProjection(int32_t clientWidth, int32_t clientHeight);

// A single window's start: InitSceneView, then PlaceScene.
void InitScene(Scene& scene, Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath);
