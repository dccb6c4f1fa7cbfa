// The size of the primary's window, as the host recorded it in the settings file.
#pragma once

#include <cstdint>

struct WindowSize {
  int32_t width;
  int32_t height;
};

// The values of "Width" and "Height" as the profile reader gives them
// (missing keys and text that is no number read as 0): 0 gives 1024 x 768.
inline WindowSize ConfiguredWindowSize(int32_t width, int32_t height) {
  return {width != 0 ? width : 1024, height != 0 ? height : 768};
}
