#include <windows.h>

#include "desk/layout/bgr_rows.h"
#include "desk/system/dib_win32.h"
#include "desk/system/monitor_picture_win32.h"
#include "renderer/app/desk_win32.h"

std::vector<ScreenPicture> PicturesOf(const std::vector<DeskMonitor>& monitors, const std::vector<DeskMonitor>& desk) {
  std::vector<MonitorRect> areas;
  for (const DeskMonitor& m : desk) areas.push_back(m.area);
  Desk::MonitorPictures rule(areas);
  std::vector<ScreenPicture> pictures(monitors.size());
  for (size_t i = 0; i < monitors.size(); ++i) {
    const MonitorRect& a = monitors[i].area;
    if (a.width > kMaxSnapshotSide || a.height > kMaxSnapshotSide) continue;
    const Desk::Dib dib(a.width, a.height, Desk::DibRows::Bgr24BottomUp);
    if (!dib.rows()) continue;
    rule.Draw(dib.dc(), dib.rows(), a);
    GdiFlush();
    const size_t length = Desk::Bmp24Stride(a.width) * static_cast<size_t>(a.height);
    pictures[i].pixels.assign(dib.rows(), dib.rows() + length);
    pictures[i].image = {a.width, a.height, pictures[i].pixels.data(), length};
  }
  return pictures;
}
