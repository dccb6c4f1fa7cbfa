#include "renderer/scene/facet.h"

#include <cmath>

Vec4 NormalizedOrKept(Vec4 n) {
  const float len2 = Dot(n, n);
  if (len2 >= 1e-8f) {
    const float len = std::sqrt(len2);
    n.x /= len;
    n.y /= len;
    n.z /= len;
  }
  return n;
}

Facet MakeFacet(Vec4 p0, Vec4 p1, Vec4 p2, TexCoord a, TexCoord b, TexCoord c) {
  Facet f;
  f.corner[0] = p0;
  f.corner[1] = p1;
  f.corner[2] = p2;
  f.normal = NormalizedOrKept(Cross(p2 - p1, p2 - p0));
  f.s[0] = a.s;
  f.t[0] = a.t;
  f.s[1] = b.s;
  f.t[1] = b.t;
  f.s[2] = c.s;
  f.t[2] = c.t;
  return f;
}
