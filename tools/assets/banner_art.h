// The settings dialog's banner: the name "Velnora" floating on a dark sheet,
// rippling, with its mirror image below and a sheen passing over it.
#pragma once

#include "tools/assets/raster.h"

namespace assets {

inline constexpr int kBannerWidth = 120, kBannerHeight = 50, kBannerFrames = 24;

// Frame 0 .. kBannerFrames - 1; every motion repeats after the last frame,
// so the frames loop without a jump.
Image DrawBannerFrame(int frame);

}  // namespace assets
