// Reduces a picture to at most 256 colours for the palette image of an icon.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assets/raster.h"

namespace assets {

struct Indexed {
  std::vector<uint32_t> palette;  // 0xRRGGBB, as many entries as used
  std::vector<uint8_t> index;     // one per pixel, top row first
};

// Median cut over the opaque pixels (alpha >= 128), each pixel then mapped
// to its nearest entry; see-through pixels get index 0. Exact when the
// picture has no more than maxColours colours.
Indexed Quantise(const Image& img, int maxColours);

}  // namespace assets
