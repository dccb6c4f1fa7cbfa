#include "tools/assets/marks_art.h"

namespace assets {
namespace {

constexpr int kSide = 12;

bool OnBorder(Point p) { return p.x < 1 || p.y < 1 || p.x > kSide - 1 || p.y > kSide - 1; }

}  // namespace

Image DrawMarkNotChosen() {
  return Render(kSide, kSide, 1, [](Point p) {
    if (OnBorder(p)) return Colour(0x8C8C8C);
    // A hint of depth: the inner edge at the top left is a shade darker.
    if (p.x < 2 || p.y < 2) return Colour(0xE4E4E4);
    return Colour(0xFFFFFF);
  });
}

Image DrawMarkChosen() {
  return Render(kSide, kSide, 1, [](Point p) {
    if (OnBorder(p)) return Colour(0x1D3F9A);
    // Lighter towards the top, like a lit button.
    return Mix(Colour(0x4A8CF0), Colour(0x2160D8), (p.y - 1) / (kSide - 2));
  });
}

}  // namespace assets
