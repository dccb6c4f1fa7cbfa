// What a monitor's picture shows, by one rule wherever it is taken: for the
// monitors of a session's start and for one that joins while it runs.
#pragma once

#include <windows.h>

#include <vector>

#include "desk/layout/monitor.h"
#include "desk/system/wallpaper_win32.h"

namespace Desk {

class MonitorPictures {
 public:
  // desk: every monitor of the desk as it is now; a spanned wallpaper
  // covers the rectangle around them.
  explicit MonitorPictures(const std::vector<MonitorRect>& desk);

  // Draws the picture of the monitor at area into a 24-bit bottom-up DIB
  // of the area's size, selected into picture, whose rows are given: the
  // screen there as it is now, where it can be read. Where it cannot (the
  // copy is one colour, or the program runs off the user's desktop, where
  // the screen is never copied at all) the user's wallpaper as the desktop
  // lays it out; where no wallpaper can be had, the flat copy, or off the
  // user's desktop the desktop's background colour.
  void Draw(HDC picture, const void* rows, const MonitorRect& area);

 private:
  const bool usersDesktop_;
  DeskWallpaper wallpaper_;
};

}  // namespace Desk
