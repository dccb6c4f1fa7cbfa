// Colours of the host's widgets: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace Widgets {

inline int RedOf(uint32_t c) { return static_cast<int>(c & 0xFF); }
inline int GreenOf(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int BlueOf(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
inline uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

}  // namespace Widgets
