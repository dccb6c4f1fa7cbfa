// The user's wallpaper, drawn as a monitor's picture where the screen
// cannot be read: as the desktop lays it out, decoded by Windows' imaging.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desk/layout/wallpaper_layout.h"
#include "desk/system/dib_win32.h"

namespace Desk {

// Whether the program runs on the user's own desktop ("Default"). Windows
// starts a saver on a desktop of its own, where a copy of the screen shows
// none of the user's. True when the name cannot be read.
bool OnUsersDesktop();

// The desk's wallpaper, looked up at the first monitor that needs it.
class DeskWallpaper {
 public:
  // desk: the rectangle bounding every monitor, relative to the primary.
  explicit DeskWallpaper(const MonitorRect& desk) : desk_(desk) {}

  // Draws the wallpaper of the monitor at area over the whole of a picture
  // of the area's size. The picture stays untouched when there is none to
  // draw: no wallpaper set, a file that is gone, unreadable, not a picture
  // or huge.
  void DrawOn(HDC picture, const MonitorRect& area);
  // The colour the desktop shows where its wallpaper does not reach.
  COLORREF Background(const MonitorRect& area) { return SourceOf(area).background; }

 private:
  struct Source {
    std::wstring path;
    WallpaperStyle style = WallpaperStyle::Centre;
    COLORREF background = 0;
  };
  Source SourceOf(const MonitorRect& area);
  const Dib* Picture(const std::wstring& path);

  const MonitorRect desk_;
  bool looked_ = false;
  Source registry_;                                       // one wallpaper for every monitor
  std::vector<std::pair<MonitorRect, Source>> monitors_;  // each monitor's own, where Windows keeps them
  std::wstring decodedPath_;
  std::unique_ptr<Dib> decoded_;
};

}  // namespace Desk
