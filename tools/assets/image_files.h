// File encodings of the assets: 24-bit BMP, PNG, icon (.ico) and cursor (.cur).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/raster.h"

namespace assets {

using Bytes = std::vector<uint8_t>;

// Uncompressed bottom-up 24-bit BMP; see-through parts come out black.
Bytes EncodeBmp24(const Image& img);

// 8-bit RGBA PNG without any time or text chunks.
Bytes EncodePng(const Image& img);

enum class IconFormat {
  kTrueColour,  // 32-bit BGRA with its 1-bit mask
  kPalette256,  // 8-bit: index 0 is black for the see-through pixels, 255 colours for the rest
  kPng,         // the PNG file as it is (Windows Vista and later; sizes up to 256)
};
struct IconPart {
  Image image;
  IconFormat format;
};
Bytes EncodeIco(const std::vector<IconPart>& parts);

// Monochrome 32 x 32 cursor from 32 rows of 32 characters:
// '#' black, 'o' white, anything else see-through.
Bytes EncodeMonoCursor(const std::vector<std::string>& rows, int hotX, int hotY);

// Writes the whole file; false when it cannot.
bool WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace assets
