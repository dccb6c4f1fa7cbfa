#include "tools/assets/icon_art.h"

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The sheet seen from above and in front: a trapezoid lifted and lowered
// column by column, as the saver's waves run along it.
struct Sheet {
  double top = 0.62, bottom = 0.88;
  double topLeft = 0.20, topRight = 0.80, bottomLeft = 0.06, bottomRight = 0.94;
  double waves;

  double Lift(double s) const { return 0.045 * std::sin(2 * kPi * waves * s + 0.6); }
  double Slope(double s) const { return std::cos(2 * kPi * waves * s + 0.6); }

  // Depth t (0 far .. 1 near) and across s (0..1), or false outside.
  bool Map(Point u, double& s, double& t) const {
    s = 0.5, t = 0.5;
    for (int i = 0; i < 4; ++i) {
      t = (u.y + Lift(s) * (0.8 + 0.4 * t) - top) / (bottom - top);
      const double l = topLeft + (bottomLeft - topLeft) * t, r = topRight + (bottomRight - topRight) * t;
      s = (u.x - l) / (r - l);
    }
    return t >= 0 && t <= 1 && s >= 0 && s <= 1;
  }

  Rgba Colour(double s, double t) const {
    // A desktop-like picture, blue to teal, lit on the slopes that face the light.
    Rgba c = Mix(assets::Colour(0x2A64C0), assets::Colour(0x1AA8B8), t);
    const double light = Slope(s);
    c = light > 0 ? Mix(c, assets::Colour(0xC8F4FF), 0.55 * std::pow(light, 3))
                  : Mix(c, assets::Colour(0x06203A), 0.45 * -light);
    return Mix(c, assets::Colour(0x0A1A33), 0.30 * (1 - t));  // fades into the night far away
  }
};

struct Panel {
  Point corner[4];
  Panel(Point centre, double half, double angle, double squash) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    const double a[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; ++i) {
      const double x = half * a[i][0], y = half * a[i][1];
      corner[i] = {centre.x + ca * x - sa * y, centre.y + squash * (sa * x + ca * y)};
    }
  }
  // Panel coordinates (0..1 across each edge) of a point, by bilinear inversion
  // of the parallelogram spanned at corner 0.
  void Local(Point p, double& a, double& b) const {
    const double ex = corner[1].x - corner[0].x, ey = corner[1].y - corner[0].y;
    const double fx = corner[3].x - corner[0].x, fy = corner[3].y - corner[0].y;
    const double px = p.x - corner[0].x, py = p.y - corner[0].y;
    const double det = ex * fy - ey * fx;
    a = (px * fy - py * fx) / det;
    b = (ex * py - ey * px) / det;
  }
};

}  // namespace

Image DrawIcon(int size) {
  const double px = 1.0 / size;  // one pixel in unit lengths
  Sheet sheet;
  sheet.waves = size <= 16 ? 1.25 : 1.75;
  const Panel panel({0.52, 0.33}, 0.205, -0.30, 0.82);
  const double rim = std::max(px, 0.032);
  const double radius = size <= 16 ? 0.16 : 0.19;
  const int samples = size >= 128 ? 4 : 8;

  return Render(size, size, samples, [&](Point p) {
    const Point u{p.x * px, p.y * px};
    if (!InRoundedRect(u, 0, 0, 1, 1, radius)) return Rgba{};
    // Tile: night gradient with a faint lighter edge so it stands out on dark taskbars.
    Rgba c = Mix(assets::Colour(0x1B3564), assets::Colour(0x060C1A), u.y);
    if (!InRoundedRect(u, rim, rim, 1 - rim, 1 - rim, radius - rim)) c = Mix(c, assets::Colour(0x5E88C8), 0.75);

    double s, t;
    if (sheet.Map(u, s, t)) c = sheet.Colour(s, t);

    double a, b;
    panel.Local(u, a, b);
    const double edge = rim / 0.41;  // rim width in panel units
    if (a >= 0 && a <= 1 && b >= 0 && b <= 1) {
      if (a < edge || a > 1 - edge || b < edge || b > 1 - edge) {
        c = Mix(assets::Colour(0xF4F8FF), assets::Colour(0x9FB3CF), b);  // silver rim
      } else {
        // The sheet's mirror image: pale sky above, the rippled blue below.
        const double m = (b - 0.42) / 0.58;
        Rgba r = Mix(assets::Colour(0xE8F2FF), assets::Colour(0xA8CCF0), Clamp01(b / 0.42));
        if (m > 0) {
          r = sheet.Colour(a, 1 - m);
          r = Mix(r, assets::Colour(0xFFFFFF), 0.12);
        }
        // A glint across the glass.
        const double g = (a + b) - 0.55;
        if (std::fabs(g) < 0.07) r = Mix(r, assets::Colour(0xFFFFFF), 0.55);
        c = r;
      }
    }
    return c;
  });
}

}  // namespace assets
