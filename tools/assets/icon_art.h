// The program icon: the mirror panel turning above the rippling sheet, on a
// dark night-blue tile.
#pragma once

#include "tools/assets/raster.h"

namespace assets {

// size x size pixels; smaller sizes get fewer ripples so they stay legible.
Image DrawIcon(int size);

}  // namespace assets
