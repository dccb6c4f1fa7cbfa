// Synthetic desktop snapshots: 24-bit bottom-up BMP bytes made in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  uint8_t r, g, b;
};

struct BmpOptions {
  bool statedSize = false;   // write biSizeImage instead of 0
  uint32_t colourTable = 0;  // bytes between the info header and the pixels
};

inline void PutU32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutU16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// pixel(x, y) gives the colour of column x of row y, row 0 being the bottom
// row (the first one in the file).
inline std::vector<uint8_t> MakeBmp(int width, int height, const std::function<Rgb(int, int)>& pixel,
                                    BmpOptions opt = {}) {
  const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const uint32_t offBits = 14 + 40 + opt.colourTable;
  std::vector<uint8_t> b(offBits + row * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<uint32_t>(b.size()));
  PutU32(b, 10, offBits);
  PutU32(b, 14, 40);
  PutU32(b, 18, static_cast<uint32_t>(width));
  PutU32(b, 22, static_cast<uint32_t>(height));
  PutU16(b, 26, 1);
  PutU16(b, 28, 24);
  PutU32(b, 34, opt.statedSize ? static_cast<uint32_t>(row * height) : 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      uint8_t* p = &b[offBits + y * row + x * 3];
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
    }
  }
  return b;
}
