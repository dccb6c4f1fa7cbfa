#include "host/session/monitor_layout.h"

#include "host/base/names.h"

namespace Ondrel_B {

std::vector<MonitorArea> FurtherMonitors(const std::vector<DeskMonitor>& desk) {
  std::vector<MonitorArea> out;
  const DeskMonitor* primary = nullptr;
  for (const DeskMonitor& m : desk) {
    if (m.primary && !primary) primary = &m;
  }
  if (!primary) return out;
  for (const DeskMonitor& m : desk) {
    if (&m == primary || m.right <= m.left || m.bottom <= m.top) continue;
    if (out.size() == kMaxFurtherMonitors) break;
    // 64-bit: edges far apart must not wrap.
    const int64_t w = int64_t{m.right} - m.left, h = int64_t{m.bottom} - m.top;
    const int64_t x = int64_t{m.left} - primary->left, y = int64_t{m.top} - primary->top;
    if (w > INT32_MAX || h > INT32_MAX || x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) continue;
    out.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(w), static_cast<int32_t>(h)});
  }
  return out;
}

std::wstring MonitorKey(size_t n) { return std::wstring(kMonitorKeyPrefix) + std::to_wstring(n); }

std::wstring MonitorValue(const MonitorArea& a) {
  return std::to_wstring(a.left) + L"," + std::to_wstring(a.top) + L"," + std::to_wstring(a.width) + L"," +
         std::to_wstring(a.height);
}

std::wstring MonitorSnapshotFile(size_t n) {
  return std::wstring(kWorkDir) + L"\\Ondrel" + std::to_wstring(n) + L".alo";
}

}  // namespace Ondrel_B
