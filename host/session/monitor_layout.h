// The monitors a session covers beyond the primary: which they are, and the
// value that tells the renderer where each lies. Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "desk/layout/monitor.h"
#include "desk/layout/work_files.h"

namespace Ondrel_B {

using Desk::DeskMonitor;
using Desk::kMaxFurtherMonitors;
using Desk::MonitorRect;

// The further monitors in the platform's order, placed relative to the
// primary's corner: the primary itself, empty monitors and those past
// kMaxFurtherMonitors are left out. No primary listed: none.
std::vector<MonitorRect> FurtherMonitors(const std::vector<DeskMonitor>& desk);

// A further monitor's value in the settings file: "left,top,width,height".
std::wstring MonitorValue(const MonitorRect& area);

}  // namespace Ondrel_B
