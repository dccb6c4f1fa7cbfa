// Frame drawing: the textured sheet, the reflector and the sheet's mirror
// image in it, made with geometry and the depth buffer alone.
#pragma once

#include "renderer/facet.h"
#include "renderer/reflector.h"
#include "renderer/scene.h"

// Draws one frame for scene.t into the current GL context (no swap).
void RenderFrame(Scene& scene);

// One textured triangle in the current colour, culling off while drawn.
void DrawFacet(const Facet& f);

// The panel: front face white without depth, back face grey with depth.
void DrawReflector(Reflector& r);

// A depth-only ring in the panel's plane that hides the mirror image
// everywhere but through the panel itself.
void DrawReflectorSurround(const Reflector& r);
