#include "tools/assets/banner_art.h"

#include <cmath>

#include "tools/assets/letter_strokes.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kUnit = 14;      // pixels to the small letters' height
constexpr double kBaseline = 31;  // the sheet's surface, in pixels from the top
constexpr double kGap = 3;        // the word floats this high above it
constexpr double kLeft = (kBannerWidth - kWordWidth * kUnit) / 2 - 0.5;

// The word's colour at a pixel: a cold blue gradient, white where the sheen is.
Rgba Ink(double height, double sheen) {
  Rgba c = Mix(Colour(0x2F78D0), Colour(0xA8DCFF), std::pow(Clamp01(height / 1.4), 0.8));
  return Mix(c, Colour(0xFFFFFF), sheen);
}

// Coverage of the word (pen plus a soft glow) at text point t; ink for the glyphs.
Rgba Word(Point t, Rgba ink) {
  const double d = WordDistance(t) * kUnit;  // in pixels
  const double pen = kPenWidth * kUnit / 2;
  if (d <= pen) return ink;
  // The glow takes on the ink's brightness, so the sheen lights it too.
  const double glow = std::exp(-(d - pen) / 1.6) * 0.35;
  return Scale(Mix(Colour(0x2E7FD0), ink, 0.3), glow);
}

}  // namespace

Image DrawBannerFrame(int frame) {
  const double phase = 2 * kPi * frame / kBannerFrames;
  // The sheen crosses once per loop, from well left of the picture to well right of it.
  const double sheenAt = -45 + (kBannerWidth + 90) * frame / static_cast<double>(kBannerFrames);

  return Render(kBannerWidth, kBannerHeight, 6, [&](Point p) {
    // Night sky above the sheet, deep water below it.
    Rgba c = p.y < kBaseline ? Mix(Colour(0x0C1A38), Colour(0x050B18), p.y / kBaseline)
                             : Mix(Colour(0x071430), Colour(0x010308), (p.y - kBaseline) / (kBannerHeight - kBaseline));
    // Faint ripple lines on the water, drifting towards the viewer.
    if (p.y > kBaseline) {
      const double depth = (p.y - kBaseline) / (kBannerHeight - kBaseline);
      const double line = std::sin(2 * kPi * 4 * std::sqrt(depth) - phase + 0.6 * std::sin(2 * kPi * p.x / 60));
      c = Mix(c, Colour(0x3A78C0), 0.10 * std::pow(std::max(0.0, line), 8) * (1 - depth));
    }
    const double sheen = 0.9 * std::exp(-std::pow((p.x + 0.45 * p.y - sheenAt) / 9, 2));

    // The word, lifted and lowered by a wave running left to right.
    const double lift = 1.6 * std::sin(2 * kPi * p.x / 56 - phase);
    const Point t{(p.x - kLeft) / kUnit, (kBaseline - kGap - p.y + lift) / kUnit};
    c = Over(Word(t, Ink(t.y, sheen)), c);

    // Its mirror image in the sheet: squashed, wavering, fading with depth.
    if (p.y > kBaseline) {
      const double below = p.y - kBaseline;
      const double waver = 1.1 * std::sin(2 * kPi * below / 7 - 2 * phase);
      const Point m{(p.x + waver - kLeft) / kUnit, (below / 0.75 - kGap - lift) / kUnit};
      const double fade = 0.42 * (1 - below / (kBannerHeight - kBaseline));
      c = Over(Scale(Word(m, Ink(m.y, sheen * 0.6)), fade), c);
    }
    return c;
  });
}

}  // namespace assets
