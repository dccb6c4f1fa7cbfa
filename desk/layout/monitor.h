// The desk's monitors: where each lies and what the system calls it.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <string>

namespace Desk {

// A monitor's area on the virtual screen, in physical pixels; the primary's
// top left corner is (0, 0), so monitors left of or above it are negative.
struct MonitorRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const MonitorRect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// One monitor as the system lists it now.
struct DeskMonitor {
  std::string device;  // the system's name for it, kept while it stays plugged
  MonitorRect area;
  bool primary = false;
  bool operator==(const DeskMonitor& o) const {
    return device == o.device && area == o.area && primary == o.primary;
  }
};

}  // namespace Desk
