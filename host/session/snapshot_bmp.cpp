#include "host/session/snapshot_bmp.h"

namespace Ondrel_B {
namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

}  // namespace

std::optional<std::vector<uint8_t>> Bmp24Headers(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const uint64_t image = static_cast<uint64_t>(Bmp24Stride(width)) * static_cast<uint64_t>(height);
  const uint64_t file = image + kBmpHeadersSize;
  if (file > 0xFFFFFFFFull) return std::nullopt;

  std::vector<uint8_t> h(kBmpHeadersSize, 0);
  h[0] = 'B';
  h[1] = 'M';
  Put32(h, 2, static_cast<uint32_t>(file));        // bfSize
  Put32(h, 10, kBmpHeadersSize);                    // bfOffBits
  Put32(h, 14, kBmpInfoHeaderSize);                 // biSize
  Put32(h, 18, static_cast<uint32_t>(width));       // biWidth
  Put32(h, 22, static_cast<uint32_t>(height));      // biHeight > 0: bottom-up
  Put16(h, 26, 1);                                  // biPlanes
  Put16(h, 28, 24);                                 // biBitCount
  Put32(h, 30, 0);                                  // BI_RGB
  Put32(h, 34, static_cast<uint32_t>(image));       // biSizeImage
  Put32(h, 38, 3780);                               // 96 dpi, in pixels per metre
  Put32(h, 42, 3780);
  return h;
}

}  // namespace Ondrel_B
