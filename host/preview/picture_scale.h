// Scaling the preview picture to the preview area: a separable triangle
// filter whose support widens with the reduction, so a picture shrinks
// without aliasing and grows without blocks. The same size copies exactly.
#pragma once

#include <cstdint>
#include <vector>

namespace Ondrel_B {

// Pixels are 32-bit 0x00RRGGBB (as a 32-bit top-down DIB holds them), rows
// top first. Nothing for a size that is not positive or a short source.
std::vector<uint32_t> ScalePicture(const std::vector<uint32_t>& source, int sourceWidth, int sourceHeight,
                                   int width, int height);

}  // namespace Ondrel_B
