#include "renderer/scene/reflect.h"

namespace {

// A point of the panel's plane in world space.
Vec4 PlanePoint(const Reflector& r) { return r.corner[0] + r.position; }

}  // namespace

bool EyeSeesMirror(const Reflector& r, Vec4 eye) { return !(Dot(eye - PlanePoint(r), r.normal) < 1); }

bool MirrorFacet(const Reflector& r, Vec4 eye, const Facet& f, Facet& out) {
  const Vec4 n = r.normal;
  const Vec4 q = PlanePoint(r);
  Vec4 w[3];
  for (int i = 0; i < 3; ++i) {
    w[i] = f.corner[i];
    if (Dot(w[i] - q, n) < 0) return false;
  }
  if (!EyeSeesMirror(r, eye)) return false;
  out = f;
  for (int i = 0; i < 3; ++i) {
    const float d = Dot(q - w[i], n);
    const Vec4 m = w[i] + (2 * d) * n;
    if (Dot(m - q, n) >= 0) return false;  // the corner lies in the plane
    out.corner[i] = m;
  }
  return true;
}

bool ReflectFacet(Reflector& r, Vec4 eye, const Facet& f, Facet& out) {
  UpdateReflectorNormal(r);
  return MirrorFacet(r, eye, f, out);
}
