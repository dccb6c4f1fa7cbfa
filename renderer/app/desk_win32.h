// The desk as the system has it now: its monitors, and the picture of a
// monitor that joins while the renderer runs.
#pragma once

#include <cstdint>
#include <vector>

#include "desk/system/monitors_win32.h"
#include "renderer/scene/desk_plan.h"
#include "renderer/scene/snapshot.h"

// A monitor's picture, held in memory only.
struct ScreenPicture {
  std::vector<uint8_t> pixels;  // as SnapshotImage holds them
  SnapshotImage image;          // points into pixels; width 0 when no picture could be made
};

// The pictures of the monitors, in their order, each by the desk's one rule
// (the screen there, or where it cannot be read the user's wallpaper),
// laid out over the desk as it is now.
std::vector<ScreenPicture> PicturesOf(const std::vector<DeskMonitor>& monitors, const std::vector<DeskMonitor>& desk);
