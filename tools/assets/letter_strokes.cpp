#include "tools/assets/letter_strokes.h"

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Arc of radius r about c from angle a0 to a1 (radians, counter-clockwise).
double ArcDistance(Point p, Point c, double r, double a0, double a1) {
  const double dx = p.x - c.x, dy = p.y - c.y;
  double a = std::atan2(dy, dx);
  while (a < a0) a += 2 * kPi;
  if (a <= a1) return std::fabs(std::hypot(dx, dy) - r);
  const Point e0{c.x + r * std::cos(a0), c.y + r * std::sin(a0)};
  const Point e1{c.x + r * std::cos(a1), c.y + r * std::sin(a1)};
  return std::min(std::hypot(p.x - e0.x, p.y - e0.y), std::hypot(p.x - e1.x, p.y - e1.y));
}

double Line(Point p, double x0, double y0, double x1, double y1) { return SegmentDistance(p, {x0, y0}, {x1, y1}); }

// Each letter at its own origin; the word places them one after the other.
double V(Point p) { return std::min(Line(p, 0, 1.45, 0.52, 0), Line(p, 0.52, 0, 1.04, 1.45)); }
double E(Point p) {
  return std::min(ArcDistance(p, {0.5, 0.5}, 0.5, 0, 2 * kPi - 0.75), Line(p, 0, 0.5, 1, 0.5));
}
double L(Point p) { return Line(p, 0, 0, 0, 1.55); }
double N(Point p) {
  return std::min({Line(p, 0, 0, 0, 1), ArcDistance(p, {0.43, 0.57}, 0.43, 0, kPi), Line(p, 0.86, 0, 0.86, 0.57)});
}
double O(Point p) { return ArcDistance(p, {0.5, 0.5}, 0.5, 0, 2 * kPi); }
double R(Point p) { return std::min(Line(p, 0, 0, 0, 1), ArcDistance(p, {0.43, 0.57}, 0.43, kPi / 3, kPi)); }
double A(Point p) { return std::min(ArcDistance(p, {0.5, 0.5}, 0.5, 0, 2 * kPi), Line(p, 1, 0, 1, 1)); }

struct Placed {
  double (*glyph)(Point);
  double x;
};
// Advances chosen by eye so the gaps look even.
constexpr Placed kWord[] = {{V, 0}, {E, 1.08}, {L, 2.40}, {N, 2.72}, {O, 3.92}, {R, 5.20}, {A, 5.95}};

}  // namespace

double WordDistance(Point p) {
  double d = 1e9;
  for (const Placed& g : kWord) {
    if (p.x < g.x - 1 || p.x > g.x + 2.2) continue;  // too far from this letter to matter
    d = std::min(d, g.glyph({p.x - g.x, p.y}));
  }
  return d;
}

}  // namespace assets
