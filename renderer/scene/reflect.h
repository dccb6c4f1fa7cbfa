// The mirror image of a sheet facet in the reflector's plane.
#pragma once

#include "renderer/scene/facet.h"
#include "renderer/scene/reflector.h"

// True when the eye is at least one unit in front of the reflector's plane,
// the only case in which the sheet has a mirror image. Takes the reflector's
// normal as it stands.
bool EyeSeesMirror(const Reflector& r, Vec4 eye);

// True when the facet lies wholly on or in front of the reflector's plane,
// the eye sees the mirror and no corner lies in the plane; out then holds the
// mirrored facet (texture kept). Takes the reflector's normal
// as it stands: the frame derives it once after turning the panel.
[[nodiscard]] bool MirrorFacet(const Reflector& r, Vec4 eye, const Facet& f, Facet& out);

// MirrorFacet after deriving the reflector's normal again from its corners.
[[nodiscard]] bool ReflectFacet(Reflector& r, Vec4 eye, const Facet& f, Facet& out);
