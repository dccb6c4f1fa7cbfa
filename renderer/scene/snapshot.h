// Reader of the desktop snapshot: an uncompressed, bottom-up, 24-bit BMP.
// Works on the file's bytes; the caller opens and reads the file.
#pragma once

#include <cstddef>
#include <cstdint>

// The pixel rows inside the caller's bytes: blue, green, red, each row padded
// to a multiple of 4 bytes, bottom row first.
struct SnapshotImage {
  int32_t width = 0;
  int32_t height = 0;
  const uint8_t* pixels = nullptr;
  std::size_t length = 0;  // bytes of pixel data, at least height padded rows
};

// Largest side accepted; beyond it no GL implementation takes the picture
// and the pixel data could not be held anyway.
inline constexpr int32_t kMaxSnapshotSide = 16384;

// Parses the file's bytes. False, with nothing read past size, for anything
// that is not such a picture or that claims more than the bytes hold.
[[nodiscard]] bool DecodeSnapshot(const uint8_t* data, std::size_t size, SnapshotImage& out);
