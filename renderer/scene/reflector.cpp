#include "renderer/scene/reflector.h"

#include <cmath>

namespace {

void TurnX(Reflector& r, float s, float c) {
  for (Vec4& p : r.corner) {
    const float y = p.y * c - p.z * s;
    const float z = p.y * s + p.z * c;
    p.y = y;
    p.z = z;
  }
}

void TurnY(Reflector& r, float s, float c) {
  for (Vec4& p : r.corner) {
    const float x = p.x * c + p.z * s;
    const float z = p.z * c - p.x * s;
    p.x = x;
    p.z = z;
  }
}

}  // namespace

void TurnReflector(Reflector& r, float ax, float ay) {
  TurnX(r, std::sin(ax), std::cos(ax));
  TurnY(r, std::sin(ay), std::cos(ay));
}

void TurnReflectorX(Reflector& r, float ax) { TurnX(r, std::sin(ax), std::cos(ax)); }

void UpdateReflectorNormal(Reflector& r) {
  const Vec4 n = NormalizedOrKept(Cross(r.corner[1] - r.corner[0], r.corner[3] - r.corner[0]));
  r.normal.x = n.x;
  r.normal.y = n.y;
  r.normal.z = n.z;
}
