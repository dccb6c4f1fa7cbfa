// Fuzz target for the snapshot reader: whatever the bytes, it must not read
// past them, and what it accepts must be readable as whole padded rows, the
// way the texture upload reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "renderer/scene/snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SnapshotImage img;
  if (!DecodeSnapshot(data, size, img)) return 0;
  const size_t row = (static_cast<size_t>(img.width) * 3 + 3) / 4 * 4;
  if (img.pixels < data || img.length > static_cast<size_t>(data + size - img.pixels) ||
      row * static_cast<size_t>(img.height) > img.length)
    std::abort();
  // Touch every byte the upload reads, so ASan sees any overrun.
  unsigned sum = 0;
  for (int y = 0; y < img.height; ++y)
    for (size_t x = 0; x < static_cast<size_t>(img.width) * 3; ++x) sum += img.pixels[y * row + x];
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
