// Picture files decoded by Windows' own imaging (WIC: BMP, JPEG, PNG, GIF
// and whatever codecs the system has), never by a decoder of ours.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "host/forms/gdi_win32.h"

namespace Forms {

// The first frame of a picture as a 32-bit top-down bitmap.
struct PictureFile {
  GdiObject<HBITMAP> bitmap;
  int width = 0;
  int height = 0;
};

// Nothing when the file cannot be read or decoded, or when the picture is
// wider or taller than maxSide or holds more than maxPixels: those are
// refused before any pixel is decoded.
std::optional<PictureFile> LoadPictureFile(const std::wstring& path, int maxSide, int64_t maxPixels);

}  // namespace Forms
