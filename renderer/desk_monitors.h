// The further monitors the renderer covers: those the host listed in the
// settings file that are monitors of this desk now.
#pragma once

#include <cstddef>
#include <vector>

#include "renderer/monitor_list.h"

struct FurtherMonitor {
  size_t number;  // n of "Monitor<n>" and of its picture's file
  MonitorRect area;
};

// In the order of their keys. A value that is not a rectangle, or that is
// not exactly one of the desk's monitors other than the primary (a section
// left from another desk, a monitor listed twice), opens no window.
std::vector<FurtherMonitor> ReadFurtherMonitors();
