// The desk as the system has it now: its monitors, and what the screen
// shows over one of them.
#pragma once

#include <cstdint>
#include <vector>

#include "renderer/scene/desk_plan.h"
#include "renderer/scene/snapshot.h"

// Every monitor EnumDisplayMonitors lists, in its order.
std::vector<DeskMonitor> ListDesk();

// The screen's pixels over an area, held in memory only.
struct ScreenPicture {
  std::vector<uint8_t> pixels;  // as SnapshotImage holds them
  SnapshotImage image;          // points into pixels; width 0 when the screen could not be read
};

// Reads the screen over the area. A picture of width 0 when it cannot.
ScreenPicture CaptureScreen(const MonitorRect& area);
