#include "tools/preview/desktop_picture.h"

#include <algorithm>
#include <cmath>

namespace preview {
namespace {

using assets::Colour;
using assets::InRoundedRect;
using assets::Mix;
using assets::Point;
using assets::Rgba;

constexpr double kPi = 3.14159265358979323846;

bool InRect(Point p, double x, double y, double w, double h) {
  return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h;
}

// Rows of grey bars standing in for text, one every 18 px.
bool TextBar(Point p, double x, double y, double w, double h, int seed) {
  if (!InRect(p, x, y, w, h)) return false;
  const int line = static_cast<int>((p.y - y) / 18);
  const double within = std::fmod(p.y - y, 18.0);
  const double length = w * (0.45 + 0.5 * std::fabs(std::sin(1.7 * line + seed)));
  return within >= 6 && within < 12 && p.x - x < length;
}

// A window: frame, title bar with its title and three buttons, and a client area
// whose content client(p, local) paints.
template <typename Client>
Rgba Window(Point p, double x, double y, double w, double h, bool active, Rgba under, Client client) {
  if (!InRect(p, x - 6, y - 6, w + 14, h + 14)) return under;
  if (!InRect(p, x, y, w, h)) {
    // A soft shadow below and right of the window.
    const double dx = std::max(0.0, std::max(x + 4 - p.x, p.x - (x + w + 4)));
    const double dy = std::max(0.0, std::max(y + 6 - p.y, p.y - (y + h + 6)));
    const double d = std::hypot(dx, dy);
    return Mix(under, Colour(0x000000), 0.35 * std::max(0.0, 1 - d / 8));
  }
  const Point local{p.x - x, p.y - y};
  if (local.x < 1 || local.y < 1 || local.x >= w - 1 || local.y >= h - 1) return Colour(0x3A4C6E);
  constexpr double kTitle = 30;
  if (local.y < kTitle) {
    Rgba bar = active ? Mix(Colour(0x2C6FD6), Colour(0x1A4FA8), local.y / kTitle)
                      : Mix(Colour(0x8AA0C4), Colour(0x7088B0), local.y / kTitle);
    if (InRect(local, 10, 10, 14, 12)) bar = Colour(0xF2C14E);              // the window's icon
    if (InRect(local, 32, 12, w * 0.3, 7)) bar = Colour(0xF4F7FC);            // its title
    for (int i = 0; i < 3; ++i) {
      if (InRoundedRect(local, w - 30 - 26 * i, 6, w - 8 - 26 * i, 24, 3))
        bar = i == 0 ? Colour(0xD9443B) : Colour(active ? 0x4F8CE8 : 0x9BB0D0);
    }
    return bar;
  }
  return client(Point{local.x, local.y - kTitle}, w - 2, h - kTitle - 1);
}

Rgba Wallpaper(Point p, double width, double height) {
  const double u = p.x / width, v = p.y / height;
  Rgba c = Mix(Colour(0x1B6FB8), Colour(0x5B3C9E), 0.6 * u + 0.4 * v);
  // Two broad light swells across the picture.
  for (int k = 0; k < 2; ++k) {
    const double crest = 0.55 + 0.18 * k + 0.08 * std::sin(2 * kPi * (u * (1.2 + 0.5 * k) + 0.3 * k));
    const double d = v - crest;
    if (d > 0) c = Mix(c, Colour(k == 0 ? 0x38B4D8 : 0x7FD6C8), 0.55 * std::exp(-d * 9));
  }
  // A warm glow at the upper right.
  const double g = std::hypot(u - 0.82, v - 0.18);
  return Mix(c, Colour(0xFFD58A), 0.5 * std::exp(-g * g * 40));
}

}  // namespace

assets::Image DrawDesktop(int pixelWidth, int pixelHeight) {
  // Laid out on a 1216 x 896 screen and scaled to the size asked for.
  constexpr double width = 1216, height = 896, taskbar = 44;
  const double sx = width / pixelWidth, sy = height / pixelHeight;
  return assets::Render(pixelWidth, pixelHeight, 2, [&](Point pixel) {
    const Point p{pixel.x * sx, pixel.y * sy};
    if (p.y >= height - taskbar) {
      const Point t{p.x, p.y - (height - taskbar)};
      Rgba c = Mix(Colour(0x26304A), Colour(0x151B2B), t.y / taskbar);
      if (InRoundedRect(t, 8, 6, 96, 38, 6)) c = Mix(Colour(0x3FAF5A), Colour(0x2B8A44), t.y / taskbar);
      for (int i = 0; i < 3; ++i)
        if (InRoundedRect(t, 112 + 170 * i, 6, 272 + 170 * i, 38, 4))
          c = InRect(t, 122 + 170 * i, 14, 16, 16) ? Colour(i == 0 ? 0xF2C14E : 0x4F8CE8)
                                                    : Colour(i == 1 ? 0x4A5E88 : 0x36425F);
      if (InRect(t, width - 96, 14, 70, 8) || InRect(t, width - 84, 26, 46, 6)) c = Colour(0xDDE3F0);
      return c;
    }
    Rgba c = Wallpaper(p, width, height);
    // Desktop icons down the left edge, each a tile and a label.
    for (int i = 0; i < 5; ++i) {
      const double y = 24 + 96.0 * i;
      static const uint32_t kTiles[] = {0xF2C14E, 0x58A6F0, 0xE8E8E8, 0x5CC77A, 0xE8715A};
      if (InRoundedRect(p, 30, y, 78, y + 48, 8)) c = Colour(kTiles[i]);
      if (InRect(p, 22, y + 58, 64, 8)) c = Colour(0xF4F7FC);
    }
    // A text editor behind, a picture viewer in front.
    c = Window(p, 150, 70, 440, 330, false, c, [&](Point q, double w, double h) {
      if (q.x < 40) return Colour(0xEEF1F6);
      return TextBar(q, 56, 12, w - 90, h - 24, 3) ? Colour(0x5A6170) : Colour(0xFFFFFF);
    });
    c = Window(p, 660, 360, 440, 320, true, c, [&](Point q, double w, double h) {
      // A landscape: sky, sun, hills, a lake.
      const double u = q.x / w, v = q.y / h;
      Rgba sky = Mix(Colour(0x5AA8F0), Colour(0xFFE0A8), v / 0.6);
      if (std::hypot(u - 0.72, v - 0.28) < 0.08) sky = Colour(0xFFF4C8);
      const double hill = 0.55 - 0.12 * std::sin(2 * kPi * (u * 0.9 + 0.1)) - 0.06 * std::sin(2 * kPi * u * 2.3);
      if (v > hill) sky = Mix(Colour(0x3E8E4A), Colour(0x24603A), (v - hill) * 3);
      if (v > 0.78) sky = Mix(Colour(0x2F7FC0), Colour(0x1C4F88), (v - 0.78) * 4);
      return sky;
    });
    return c;
  });
}

}  // namespace preview
