// The monitors a session covers beyond the primary: which they are, and how
// the settings file and the work directory name each. Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "desk/layout/monitor.h"

namespace Ondrel_B {

using Desk::DeskMonitor;
using Desk::MonitorRect;

// Monitors beyond the primary that a session covers, at most this many.
inline constexpr size_t kMaxFurtherMonitors = 15;

// The further monitors in the platform's order, placed relative to the
// primary's corner: the primary itself, empty monitors and those past
// kMaxFurtherMonitors are left out. No primary listed: none.
std::vector<MonitorRect> FurtherMonitors(const std::vector<DeskMonitor>& desk);

// Further monitor n (from 1) in the settings file: section "Monitors", key
// "Monitor<n>", value "left,top,width,height"; its picture beside the
// primary's as "Ondrel<n>.alo".
std::wstring MonitorKey(size_t n);
std::wstring MonitorValue(const MonitorRect& area);
std::wstring MonitorSnapshotFile(size_t n);

}  // namespace Ondrel_B
