#include "renderer/scene/snapshot.h"

namespace {

constexpr std::size_t kFileHeader = 14;
// biSize, biWidth, biHeight, biPlanes, biBitCount, biCompression, biSizeImage.
constexpr std::size_t kHeaderNeeded = 24;

uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

bool DecodeSnapshot(const uint8_t* data, std::size_t size, SnapshotImage& out) {
  if (size < kFileHeader || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t offBits = U32(data + 10);
  if (offBits < kFileHeader + kHeaderNeeded || offBits > size) return false;

  const uint8_t* info = data + kFileHeader;
  const int32_t width = static_cast<int32_t>(U32(info + 4));
  const int32_t height = static_cast<int32_t>(U32(info + 8));
  const uint16_t bitCount = U16(info + 14);
  const uint32_t compression = U32(info + 16);
  const uint32_t sizeImage = U32(info + 20);
  if (bitCount != 24 || compression != 0) return false;
  // A top-down picture (negative height) is not taken either.
  if (width < 1 || height < 1 || width > kMaxSnapshotSide || height > kMaxSnapshotSide) return false;

  // 64-bit arithmetic: the sides are bounded above, so nothing overflows.
  const uint64_t row = (uint64_t{24} * static_cast<uint64_t>(width) + 31) / 32 * 4;
  const uint64_t needed = row * static_cast<uint64_t>(height);
  const uint64_t length = sizeImage != 0 ? sizeImage : needed;
  // The upload reads whole padded rows, so a smaller stated size is refused.
  if (length < needed || length > size - offBits) return false;

  out.width = width;
  out.height = height;
  out.pixels = data + offBits;
  out.length = static_cast<std::size_t>(length);
  return true;
}
