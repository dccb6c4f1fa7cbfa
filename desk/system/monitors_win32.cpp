#include "desk/system/monitors_win32.h"

#include <windows.h>

namespace Desk {

std::vector<DeskMonitor> MonitorsNow() {
  std::vector<DeskMonitor> desk;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
        MONITORINFOEXA info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(monitor, &info)) {
          const RECT& r = info.rcMonitor;
          reinterpret_cast<std::vector<DeskMonitor>*>(list)->push_back(
              {info.szDevice, {r.left, r.top, r.right - r.left, r.bottom - r.top},
               (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&desk));
  return desk;
}

}  // namespace Desk
