#include "tools/assets/raster.h"

#include <algorithm>
#include <cmath>

namespace assets {

Rgba Colour(uint32_t rgb, double alpha) {
  return {alpha * ((rgb >> 16) & 0xFF) / 255.0, alpha * ((rgb >> 8) & 0xFF) / 255.0, alpha * (rgb & 0xFF) / 255.0,
          alpha};
}

Rgba Over(Rgba top, Rgba under) {
  const double k = 1 - top.a;
  return {top.r + k * under.r, top.g + k * under.g, top.b + k * under.b, top.a + k * under.a};
}

Rgba Mix(Rgba a, Rgba b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba Scale(Rgba c, double k) { return {c.r * k, c.g * k, c.b * k, c.a * k}; }

bool InPolygon(const std::vector<Point>& poly, Point p) {
  bool in = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point a = poly[i], b = poly[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

bool InRoundedRect(Point p, double x0, double y0, double x1, double y1, double radius) {
  if (p.x < x0 || p.x > x1 || p.y < y0 || p.y > y1) return false;
  const double cx = std::clamp(p.x, x0 + radius, x1 - radius);
  const double cy = std::clamp(p.y, y0 + radius, y1 - radius);
  return (p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy) <= radius * radius;
}

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double e0, double e1, double v) {
  const double t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

Image Render(int width, int height, int samples, const Painter& paint) {
  Image img;
  img.width = width;
  img.height = height;
  img.rgba.resize(static_cast<size_t>(width) * height * 4);
  const double n = static_cast<double>(samples) * samples;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgba sum;
      for (int j = 0; j < samples; ++j) {
        for (int i = 0; i < samples; ++i) {
          const Rgba c = paint({x + (i + 0.5) / samples, y + (j + 0.5) / samples});
          sum.r += c.r, sum.g += c.g, sum.b += c.b, sum.a += c.a;
        }
      }
      uint8_t* out = &img.rgba[(static_cast<size_t>(y) * width + x) * 4];
      const double a = sum.a / n;
      const auto byte = [](double v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255)); };
      out[0] = byte(a > 0 ? sum.r / sum.a : 0);
      out[1] = byte(a > 0 ? sum.g / sum.a : 0);
      out[2] = byte(a > 0 ? sum.b / sum.a : 0);
      out[3] = byte(a);
    }
  }
  return img;
}

}  // namespace assets
