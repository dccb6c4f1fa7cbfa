#include "host/settings/banner_counter.h"

namespace Ondrel_B {

BannerTick NextBannerTick(int16_t counter) {
  BannerTick tick;
  tick.counter = static_cast<int16_t>(counter + 1);
  if (tick.counter >= 1 && tick.counter <= kBannerFrames) {
    tick.box = 0;
    tick.frame = tick.counter;
  } else if (tick.counter > kBannerFrames && tick.counter <= 2 * kBannerFrames) {
    tick.box = 1;
    tick.frame = tick.counter - kBannerFrames;
  } else if (tick.counter == 2 * kBannerFrames + 1) {
    tick.counter = 0;
  }
  return tick;
}

}  // namespace Ondrel_B
