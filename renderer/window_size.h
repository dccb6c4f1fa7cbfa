// The window size the host recorded in the settings file.
#pragma once

#include <cstdint>

struct WindowSize {
  int32_t width;
  int32_t height;
};

// "Width" and "Height" of section "Settings"; missing or 0 gives 1024 x 768.
WindowSize ReadWindowSize();
