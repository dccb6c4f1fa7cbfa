// A made-up desktop for the preview still: wallpaper, desktop icons, two
// windows with title bars and a taskbar, as the saver would find on screen.
#pragma once

#include "tools/assets/raster.h"

namespace preview {

// Laid out for 1216 x 896 and scaled to the size asked for.
assets::Image DrawDesktop(int width, int height);

}  // namespace preview
