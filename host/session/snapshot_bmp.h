// The desktop snapshot's file layout: an uncompressed 24-bit BMP, rows of
// blue-green-red pixels padded to 4 bytes, bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace Ondrel_B {

inline constexpr size_t kBmpFileHeaderSize = 14;
inline constexpr size_t kBmpInfoHeaderSize = 40;
inline constexpr size_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;

// Bytes in one stored row of a 24-bit picture this wide.
size_t Bmp24Stride(int32_t width);

// BITMAPFILEHEADER + BITMAPINFOHEADER of a bottom-up 24-bit picture; nothing
// when the size is not positive or the file would not fit its 32-bit fields.
std::optional<std::vector<uint8_t>> Bmp24Headers(int32_t width, int32_t height);

// Whether every pixel of 24-bit rows (padded as stored) is one colour; the
// padding bytes do not count. False for an empty picture.
bool Bmp24OneColour(const uint8_t* rows, int32_t width, int32_t height);

}  // namespace Ondrel_B
