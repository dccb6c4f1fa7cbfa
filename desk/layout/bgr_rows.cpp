#include "desk/layout/bgr_rows.h"

#include <cstring>

namespace Desk {

size_t Bmp24Stride(int32_t width) {
  return width <= 0 ? 0 : (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
}

bool Bmp24OneColour(const uint8_t* rows, int32_t width, int32_t height) {
  if (!rows || width <= 0 || height <= 0) return false;
  const size_t stride = Bmp24Stride(width), used = static_cast<size_t>(width) * 3;
  for (size_t i = 3; i < used; ++i) {
    if (rows[i] != rows[i - 3]) return false;
  }
  for (int32_t y = 1; y < height; ++y) {
    if (std::memcmp(rows + stride * static_cast<size_t>(y), rows, used) != 0) return false;
  }
  return true;
}

}  // namespace Desk
