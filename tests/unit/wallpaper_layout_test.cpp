// The wallpaper's place on each monitor, style by style, as the desktop lays it out.
#include <gtest/gtest.h>

#include <optional>

#include "desk/layout/wallpaper_layout.h"

namespace {

using Desk::MonitorRect;
using Desk::WallpaperPlacement;
using Desk::WallpaperStyle;

const MonitorRect kPrimary{0, 0, 1280, 1024};
const MonitorRect kBeside{1280, 0, 1024, 768};
const MonitorRect kLeftAbove{-1920, -200, 1920, 1080};

using S = WallpaperStyle;

TEST(WallpaperLayout, EachStylePlacesThePictureOnItsMonitor) {
  const MonitorRect twoWide = Desk::DeskBounds({kPrimary, kBeside});
  const MonitorRect leftAbove = Desk::DeskBounds({kPrimary, kLeftAbove});
  ASSERT_EQ(twoWide, (MonitorRect{0, 0, 2304, 1024}));
  ASSERT_EQ(leftAbove, (MonitorRect{-1920, -200, 3200, 1224}));
  const struct {
    const char* what;
    WallpaperStyle style;
    int32_t w, h;
    MonitorRect monitor, desk;
    std::optional<WallpaperPlacement> place;
  } cases[] = {
      {"centred", S::Centre, 640, 480, kPrimary, twoWide, {{320, 272, 640, 480, false}}},
      {"centred, larger: halves to even", S::Centre, 1283, 1025, kPrimary, twoWide, {{-2, 0, 1283, 1025, false}}},
      {"tiled from the monitor's corner", S::Tile, 100, 60, kBeside, twoWide, {{0, 0, 100, 60, true}}},
      {"stretched over its monitor", S::Stretch, 640, 480, kBeside, twoWide, {{0, 0, 1024, 768, false}}},
      {"fit, wide picture", S::Fit, 1920, 1080, kPrimary, twoWide, {{0, 152, 1280, 720, false}}},
      {"fit, tall picture", S::Fit, 480, 640, kPrimary, twoWide, {{256, 0, 768, 1024, false}}},
      {"fill crops the sides", S::Fill, 1920, 1080, kPrimary, twoWide, {{-270, 0, 1820, 1024, false}}},
      {"fill on its monitor, not the desk", S::Fill, 640, 480, kBeside, twoWide, {{0, 0, 1024, 768, false}}},
      {"span: the part beside the primary", S::Span, 1152, 512, kBeside, twoWide, {{-1280, 0, 2304, 1024, false}}},
      {"span over a monitor left of and above the primary", S::Span, 3200, 1224, kPrimary, leftAbove,
       {{-1920, -200, 3200, 1224, false}}},
      {"an empty picture", S::Fit, 0, 480, kPrimary, twoWide, std::nullopt},
      {"a placement past 32 bits", S::Fill, 1, 2, {0, 0, 2000000000, 10}, twoWide, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Desk::PlaceWallpaper(c.style, c.w, c.h, c.monitor, c.desk), c.place);
  }
}

}  // namespace
