#include <windows.h>

#include <algorithm>

#include "renderer/app/settings_win32.h"
#include "renderer/scene/names.h"

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

WindowSize ReadWindowSize() {
  // A missing key reads as 0, as a 0 does: the rule's default for both.
  const auto read = [](const char* key) {
    return static_cast<int32_t>(GetPrivateProfileIntA(kScreenSection, key, 0, kSettingsFile));
  };
  return ConfiguredWindowSize(read(kWidthKey), read(kHeightKey));
}

std::vector<FurtherMonitor> ReadFurtherMonitors() {
  std::vector<FurtherMonitor> found;
  // A desk of one monitor has no such section: one read of the file, not one a key.
  char keys[4] = {};
  if (GetPrivateProfileStringA(kMonitorsSection, nullptr, "", keys, sizeof keys, kSettingsFile) == 0) return found;
  for (size_t n = 1; n <= kMaxFurtherMonitors; ++n) {
    char value[64] = {};
    const DWORD length =
        GetPrivateProfileStringA(kMonitorsSection, Desk::MonitorKey<char>(n).c_str(), "", value, sizeof value, kSettingsFile);
    // A value cut to the buffer is not the one written.
    if (length == 0 || length >= sizeof value - 1) continue;
    const std::optional<MonitorRect> area = ParseMonitorRect(std::string_view(value, length));
    if (!area) continue;
    const RECT rect{area->left, area->top, area->left + area->width, area->top + area->height};
    const bool listed =
        std::any_of(found.begin(), found.end(), [&](const FurtherMonitor& f) { return f.area == *area; });
    if (!listed && IsFurtherMonitor(rect)) found.push_back({n, *area});
  }
  return found;
}
