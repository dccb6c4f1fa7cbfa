// The frame drawn with exactly the GL calls the system describes: state set
// around every facet, one glBegin/glEnd per triangle, blending on throughout
// and the surround ring drawn textured under a (0, 1) blend. The production
// drawing must give the same colour and depth bytes; the frame-rate bench
// runs it as "the previous drawing".
#pragma once

#include "renderer/gl/texture.h"
#include "renderer/scene/scene.h"

// One frame for scene.t: rebuilds the sheet, turns the reflector a step,
// moves the eye and draws with picture on the sheet, all in the literal
// order (no swap).
void ReferenceRenderFrame(Scene& scene, const Texture& picture);
