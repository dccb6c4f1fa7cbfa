// The user's wallpaper, drawn over a monitor's picture where the screen
// cannot be read: as the desktop lays it out, decoded by Windows' imaging.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/forms/picture_file_win32.h"
#include "host/forms/surface_win32.h"
#include "host/session/wallpaper_layout.h"

namespace Ondrel_B {

// Whether the host runs on the user's own desktop ("Default"). Windows starts
// a saver on a desktop of its own, where a copy of the screen shows none of
// the user's. True when the name cannot be read.
bool OnUsersDesktop();

// The desk's wallpaper, looked up at the first monitor that needs it.
class DeskWallpaper {
 public:
  // desk: the rectangle bounding every monitor, relative to the primary.
  explicit DeskWallpaper(const MonitorArea& desk) : desk_(desk) {}

  // Draws the wallpaper of the monitor at area over the whole picture.
  // False, the picture untouched, when there is none to draw: no wallpaper
  // set, a file that is gone, unreadable, not a picture or huge.
  bool DrawOn(Forms::Surface& picture, const MonitorArea& area);

 private:
  struct Source {
    std::wstring path;
    WallpaperStyle style = WallpaperStyle::Centre;
    COLORREF background = 0;
  };
  Source SourceOf(const MonitorArea& area);
  const Forms::PictureFile* Picture(const std::wstring& path);

  const MonitorArea desk_;
  bool looked_ = false;
  Source registry_;                                       // one wallpaper for every monitor
  std::vector<std::pair<MonitorArea, Source>> monitors_;  // each monitor's own, where Windows keeps them
  std::wstring decodedPath_;
  std::optional<Forms::PictureFile> decoded_;
};

}  // namespace Ondrel_B
