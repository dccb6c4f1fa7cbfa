// Pictures described as functions of the plane and sampled on a fine grid:
// every edge is smoothed the same way at every size, and the result depends
// on this code alone (no font, no outside file).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assets {

// Premultiplied colour, each channel 0..1.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB at the given opacity.
Rgba Colour(uint32_t rgb, double alpha = 1);
Rgba Over(Rgba top, Rgba under);
// Straight mix of two premultiplied colours (t = 0 gives a).
Rgba Mix(Rgba a, Rgba b, double t);
Rgba Scale(Rgba c, double k);

struct Point {
  double x, y;
};

bool InPolygon(const std::vector<Point>& poly, Point p);
bool InRoundedRect(Point p, double x0, double y0, double x1, double y1, double radius);
double SegmentDistance(Point p, Point a, Point b);
double Clamp01(double v);
double SmoothStep(double e0, double e1, double v);

// Straight-alpha RGBA, 8 bits a channel, top row first.
struct Image {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
  const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// paint(x, y) in pixel units (0..width, 0..height, y down); each pixel is the
// mean of samples x samples points spread evenly over it.
using Painter = std::function<Rgba(Point)>;
Image Render(int width, int height, int samples, const Painter& paint);

}  // namespace assets
