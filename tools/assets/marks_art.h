// The choice marks of the settings dialog, 12 x 12 each.
#pragma once

#include "tools/assets/raster.h"

namespace assets {

Image DrawMarkNotChosen();  // white square in a grey border
Image DrawMarkChosen();     // filled blue square

}  // namespace assets
