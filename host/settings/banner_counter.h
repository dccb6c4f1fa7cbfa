// The settings dialog's banner animation: which box shows which frame on
// each tick. Portable: no <windows.h>.
#pragma once

#include <cstdint>

namespace Ondrel_B {

inline constexpr int kBannerFrames = 24;

struct BannerTick {
  int16_t counter = 0;  // the counter after this tick
  int box = -1;         // 0 left, 1 right, -1 nothing changes
  int frame = 0;        // 1 .. kBannerFrames when box is not -1
};

// One tick: the left box plays frames 1 to 24, then the right one, then
// both rest for a tick and the cycle starts again.
BannerTick NextBannerTick(int16_t counter);

}  // namespace Ondrel_B
