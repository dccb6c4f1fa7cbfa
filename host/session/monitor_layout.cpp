#include "host/session/monitor_layout.h"

namespace Ondrel_B {

std::vector<MonitorRect> FurtherMonitors(const std::vector<DeskMonitor>& desk) {
  std::vector<MonitorRect> out;
  const DeskMonitor* primary = nullptr;
  for (const DeskMonitor& m : desk) {
    if (m.primary && !primary) primary = &m;
  }
  if (!primary) return out;
  for (const DeskMonitor& m : desk) {
    if (&m == primary || m.area.width <= 0 || m.area.height <= 0) continue;
    if (out.size() == kMaxFurtherMonitors) break;
    // 64-bit: corners far apart must not wrap.
    const int64_t x = int64_t{m.area.left} - primary->area.left, y = int64_t{m.area.top} - primary->area.top;
    if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) continue;
    out.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), m.area.width, m.area.height});
  }
  return out;
}

std::wstring MonitorValue(const MonitorRect& a) {
  return std::to_wstring(a.left) + L"," + std::to_wstring(a.top) + L"," + std::to_wstring(a.width) + L"," +
         std::to_wstring(a.height);
}

}  // namespace Ondrel_B
