// Pictures as 24-bit rows of blue, green and red, each padded to 4 bytes:
// the desktop snapshot's layout, and a DIB section's. Portable.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Desk {

// Bytes in one stored row of a picture this wide.
size_t Bmp24Stride(int32_t width);

// Whether every pixel of the rows (padded as stored) is one colour; the
// padding bytes do not count. False for an empty picture.
[[nodiscard]] bool Bmp24OneColour(const uint8_t* rows, int32_t width, int32_t height);

}  // namespace Desk
