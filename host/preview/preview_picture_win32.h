// The preview picture: the host's JPEG resource, decoded by the platform
// and scaled to the preview area.
#pragma once

#include "host/forms/surface_win32.h"

namespace Ondrel_B {

// Draws the picture over the whole of a 32-bit top-down surface; leaves it
// untouched when the resource cannot be read or decoded.
void DrawPreviewPicture(Forms::Surface& surface);

}  // namespace Ondrel_B
