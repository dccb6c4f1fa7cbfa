// The desk's monitors as the platform lists them now.
#pragma once

#include <vector>

#include "host/session/monitor_layout.h"

namespace Ondrel_B {

// Every monitor of the desk, in the platform's order, in the pixels of the
// calling process's DPI awareness (physical ones in a session).
std::vector<DeskMonitor> DeskMonitorsNow();

}  // namespace Ondrel_B
