#include "desk/system/monitor_picture_win32.h"

#include "desk/layout/bgr_rows.h"
#include "desk/system/gdi_win32.h"

namespace Desk {

MonitorPictures::MonitorPictures(const std::vector<MonitorRect>& desk)
    : usersDesktop_(OnUsersDesktop()), wallpaper_(DeskBounds(desk)) {}

void MonitorPictures::Draw(HDC picture, const void* rows, const MonitorRect& area) {
  if (!picture || !rows) return;
  if (usersDesktop_) {
    const WindowDc screen(GetDesktopWindow());
    if (screen.get()) BitBlt(picture, 0, 0, area.width, area.height, screen.get(), area.left, area.top, SRCCOPY);
    GdiFlush();  // the copy may still be queued
    // A copy that failed is blank: one colour too.
    if (!Bmp24OneColour(static_cast<const uint8_t*>(rows), area.width, area.height)) return;
  } else {
    FillColour(picture, area.width, area.height, wallpaper_.Background(area));
  }
  wallpaper_.DrawOn(picture, area);
}

}  // namespace Desk
