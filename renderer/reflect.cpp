#include "renderer/reflect.h"

bool ReflectFacet(Reflector& r, Vec4 eye, const Facet& f, Facet& out) {
  UpdateReflectorNormal(r);
  const Vec4 n = r.normal;
  const Vec4 q = r.corner[0] + r.position;
  Vec4 w[3];
  for (int i = 0; i < 3; ++i) {
    w[i] = f.corner[i] + f.offset;
    if (Dot(w[i] - q, n) < 0) return false;
  }
  if (Dot(eye - q, n) < 1) return false;
  out = f;
  for (int i = 0; i < 3; ++i) {
    const float d = Dot(q - w[i], n);
    const Vec4 m = w[i] + (2 * d) * n;
    if (Dot(m - q, n) >= 0) return false;  // the corner lies in the plane
    out.corner[i] = m;
  }
  out.offset = Vec4{0, 0, 0, 1};
  return true;
}
