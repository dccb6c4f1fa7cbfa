// The desk's monitors as the system lists them now.
#pragma once

#include <vector>

#include "desk/layout/monitor.h"

namespace Desk {

// Every monitor EnumDisplayMonitors lists, in its order, in the pixels of
// the calling process's DPI awareness (physical ones for the saver).
std::vector<DeskMonitor> MonitorsNow();

}  // namespace Desk
