#include <windows.h>

#include "renderer/desk_monitors.h"
#include "renderer/names.h"

namespace {

// Whether the area is exactly a monitor of the desk, not the primary.
bool IsFurtherMonitor(const RECT& area) {
  HMONITOR monitor = MonitorFromRect(&area, MONITOR_DEFAULTTONULL);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  return monitor && GetMonitorInfoA(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY) &&
         EqualRect(&info.rcMonitor, &area);
}

}  // namespace

std::vector<FurtherMonitor> ReadFurtherMonitors() {
  std::vector<FurtherMonitor> found;
  for (size_t n = 1; n <= kMaxFurtherMonitors; ++n) {
    char value[64] = {};
    const DWORD length =
        GetPrivateProfileStringA(kMonitorsSection, MonitorKey(n).c_str(), "", value, sizeof value, kSettingsFile);
    // A value cut to the buffer is not the one written.
    if (length == 0 || length >= sizeof value - 1) continue;
    const std::optional<MonitorRect> area = ParseMonitorRect(std::string_view(value, length));
    if (!area) continue;
    const RECT rect{area->left, area->top, area->left + area->width, area->top + area->height};
    bool listed = false;
    for (const FurtherMonitor& f : found) {
      listed = listed || (f.area.left == area->left && f.area.top == area->top && f.area.width == area->width &&
                          f.area.height == area->height);
    }
    if (!listed && IsFurtherMonitor(rect)) found.push_back({n, *area});
  }
  return found;
}
