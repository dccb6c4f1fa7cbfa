#include "host/session/desk_monitors_win32.h"

#include <windows.h>

namespace Ondrel_B {

std::vector<DeskMonitor> DeskMonitorsNow() {
  std::vector<DeskMonitor> desk;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
          const RECT& r = info.rcMonitor;
          reinterpret_cast<std::vector<DeskMonitor>*>(list)->push_back(
              {r.left, r.top, r.right, r.bottom, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&desk));
  return desk;
}

}  // namespace Ondrel_B
