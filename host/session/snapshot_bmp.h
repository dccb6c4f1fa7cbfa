// The desktop snapshot's file layout: an uncompressed 24-bit BMP, rows of
// blue-green-red pixels padded to 4 bytes, bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "desk/layout/bgr_rows.h"

namespace Ondrel_B {

inline constexpr size_t kBmpFileHeaderSize = 14;
inline constexpr size_t kBmpInfoHeaderSize = 40;
inline constexpr size_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;

using Desk::Bmp24Stride;

// BITMAPFILEHEADER + BITMAPINFOHEADER of a bottom-up 24-bit picture; nothing
// when the size is not positive or the file would not fit its 32-bit fields.
std::optional<std::vector<uint8_t>> Bmp24Headers(int32_t width, int32_t height);

}  // namespace Ondrel_B
