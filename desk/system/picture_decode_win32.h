// Picture files decoded by Windows' own imaging (WIC: BMP, JPEG, PNG, GIF
// and whatever codecs the system has), never by a decoder of ours.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "desk/system/dib_win32.h"

namespace Desk {

// The first frame of a picture, in 32-bit rows. Nothing when the file
// cannot be read or decoded, or when the picture is wider or taller than
// maxSide or holds more than maxPixels: those are refused before any pixel
// is decoded. COM is initialised for the length of the call.
[[nodiscard]] std::unique_ptr<Dib> DecodePicture(const std::wstring& path, int32_t maxSide, int64_t maxPixels);

}  // namespace Desk
