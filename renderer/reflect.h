// The mirror image of a sheet facet in the reflector's plane.
#pragma once

#include "renderer/facet.h"
#include "renderer/reflector.h"

// True when the facet lies wholly on or in front of the reflector's plane,
// the eye is at least one unit in front of it and no corner lies in it; out
// then holds the mirrored facet (offset cleared, texture kept). Recomputes the
// reflector's normal first.
bool ReflectFacet(Reflector& r, Vec4 eye, const Facet& f, Facet& out);
