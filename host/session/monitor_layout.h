// The monitors a session covers beyond the primary: which they are, and how
// the settings file and the work directory name each. Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Ondrel_B {

// A monitor's area on the virtual screen, in physical pixels; the primary's
// top left corner is (0, 0), so monitors left of or above it are negative.
struct MonitorArea {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const MonitorArea& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// A monitor as the platform lists it: edges on the virtual screen.
struct DeskMonitor {
  int32_t left, top, right, bottom;
  bool primary;
};

// Monitors beyond the primary that a session covers, at most this many.
inline constexpr size_t kMaxFurtherMonitors = 15;

// The further monitors in the platform's order, placed relative to the
// primary's corner: the primary itself, empty monitors and those past
// kMaxFurtherMonitors are left out. No primary listed: none.
std::vector<MonitorArea> FurtherMonitors(const std::vector<DeskMonitor>& desk);

// Further monitor n (from 1) in the settings file: section "Monitors", key
// "Monitor<n>", value "left,top,width,height"; its picture beside the
// primary's as "Ondrel<n>.alo".
std::wstring MonitorKey(size_t n);
std::wstring MonitorValue(const MonitorArea& area);
std::wstring MonitorSnapshotFile(size_t n);

}  // namespace Ondrel_B
