// What the renderer reads from the host's settings file: its window's size
// and the further monitors it covers, those the host listed that are
// monitors of this desk now.
#pragma once

#include <cstddef>
#include <vector>

#include "renderer/scene/monitor_list.h"
#include "renderer/scene/window_size.h"

// "Width" and "Height" of section "Settings"; missing or 0 gives 1024 x 768.
WindowSize ReadWindowSize();

struct FurtherMonitor {
  size_t number;  // n of "Monitor<n>" and of its picture's file
  MonitorRect area;
};

// In the order of their keys. A value that is not a rectangle, or that is
// not exactly one of the desk's monitors other than the primary (a section
// left from another desk, a monitor listed twice), opens no window.
std::vector<FurtherMonitor> ReadFurtherMonitors();
