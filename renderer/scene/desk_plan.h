// Which monitor each view covers once the desk has changed: the monitors
// plugged in, unplugged, moved or resized while the renderer runs. Portable.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "renderer/scene/monitor_list.h"

using Desk::DeskMonitor;

// Where a view lies now and the monitor it was put over.
struct PlacedView {
  std::string device;
  MonitorRect area;
};

struct DeskPlan {
  // Where the primary's view goes: always over the primary monitor of the
  // moment, whatever became of the one it covered.
  DeskMonitor primary;
  // For each further view, in order: the monitor it now covers (moved and
  // resized with it), or nothing when its monitor left.
  std::vector<std::optional<DeskMonitor>> further;
  // Monitors no view covers yet, each to get a view of its own.
  std::vector<DeskMonitor> joined;
};

// views: the primary's first. A monitor lying wholly within another (a
// mirror, a duplicate) needs no view of its own. A view keeps the monitor
// of its name, else one of exactly its area. At most kMaxFurtherMonitors
// further views in all. An empty desk leaves every view where it is.
DeskPlan PlanDesk(const std::vector<PlacedView>& views, const std::vector<DeskMonitor>& desk);
