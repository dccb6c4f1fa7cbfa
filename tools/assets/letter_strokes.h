// The word "Velnora" as strokes of a small geometric alphabet of our own:
// straight segments and circular arcs of one pen width.
#pragma once

#include "tools/assets/raster.h"

namespace assets {

// Units: the height of the small letters is 1, the baseline is y = 0, y
// points up; the word starts at x = 0.
inline constexpr double kWordWidth = 7.55;
inline constexpr double kPenWidth = 0.21;

// Distance from p to the nearest stroke's centre line.
double WordDistance(Point p);

}  // namespace assets
