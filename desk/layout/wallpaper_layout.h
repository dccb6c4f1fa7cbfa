// The user's wallpaper as the desktop lays it out on a monitor, for a screen
// that cannot be read. Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "desk/layout/monitor.h"

namespace Desk {

enum class WallpaperStyle { Centre, Tile, Stretch, Fit, Fill, Span };

// The style that the registry's WallpaperStyle and TileWallpaper texts name:
// "2" stretch, "6" fit, "10" fill, "22" span; anything else centres the
// picture, or tiles it when TileWallpaper is "1".
WallpaperStyle WallpaperStyleOf(std::wstring_view wallpaperStyle, std::wstring_view tileWallpaper);

// A colour text as HKCU\Control Panel\Colors keeps it ("58 110 165") as
// 0x00BBGGRR; nothing for anything else.
[[nodiscard]] std::optional<uint32_t> ColourFromText(std::wstring_view text);

// Where the picture lands on one monitor, relative to the monitor's top left
// corner, in the size it is drawn; a tiled picture repeats every width x
// height pixels from there. The background colour shows wherever it does not reach.
struct WallpaperPlacement {
  int32_t left, top, width, height;
  bool tiled;
  bool operator==(const WallpaperPlacement& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height && tiled == o.tiled;
  }
};

// Each monitor lays the picture out over itself, except a spanned picture,
// which fills the desk's bounding rectangle and shows each monitor its own
// part of it. Nothing for an empty picture or monitor, or a placement past
// 32-bit pixels.
[[nodiscard]] std::optional<WallpaperPlacement> PlaceWallpaper(WallpaperStyle style, int32_t pictureWidth, int32_t pictureHeight,
                                                 const MonitorRect& monitor, const MonitorRect& desk);

// The rectangle bounding every monitor (each given relative to the primary).
MonitorRect DeskBounds(const std::vector<MonitorRect>& monitors);

// Pictures past these are refused rather than decoded.
inline constexpr int32_t kMaxWallpaperSide = 16384;
inline constexpr int64_t kMaxWallpaperPixels = int64_t{8192} * 8192;

}  // namespace Desk
