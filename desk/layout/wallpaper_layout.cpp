#include "desk/layout/wallpaper_layout.h"

#include <algorithm>

namespace Desk {
namespace {

// a * b / c (c > 0) to the nearest integer, halves to even, in exact integers.
int64_t Ratio(int64_t a, int64_t b, int64_t c) {
  const int64_t n = a * b;
  int64_t q = n / c;
  if (n % c != 0 && n < 0) --q;  // floor
  const int64_t twice = 2 * (n - q * c);
  if (twice > c || (twice == c && (q & 1) != 0)) ++q;
  return q;
}

bool Fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// Digits only, without sign or blanks around them; nothing when not all digits.
std::optional<uint32_t> Number(std::wstring_view t) {
  if (t.empty() || t.size() > 9) return std::nullopt;
  uint32_t v = 0;
  for (wchar_t c : t) {
    if (c < L'0' || c > L'9') return std::nullopt;
    v = v * 10 + static_cast<uint32_t>(c - L'0');
  }
  return v;
}

std::wstring_view Trimmed(std::wstring_view t) {
  while (!t.empty() && t.front() == L' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == L' ') t.remove_suffix(1);
  return t;
}

}  // namespace

WallpaperStyle WallpaperStyleOf(std::wstring_view wallpaperStyle, std::wstring_view tileWallpaper) {
  switch (Number(Trimmed(wallpaperStyle)).value_or(0)) {
    case 2: return WallpaperStyle::Stretch;
    case 6: return WallpaperStyle::Fit;
    case 10: return WallpaperStyle::Fill;
    case 22: return WallpaperStyle::Span;
    default: return Number(Trimmed(tileWallpaper)) == 1u ? WallpaperStyle::Tile : WallpaperStyle::Centre;
  }
}

std::optional<uint32_t> ColourFromText(std::wstring_view text) {
  uint32_t colour = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    text = Trimmed(text);
    const size_t end = std::min(text.find(L' '), text.size());
    const auto part = Number(text.substr(0, end));
    if (!part || *part > 255) return std::nullopt;
    colour |= *part << shift;
    text.remove_prefix(end);
  }
  if (!Trimmed(text).empty()) return std::nullopt;
  return colour;
}

std::optional<WallpaperPlacement> PlaceWallpaper(WallpaperStyle style, int32_t pictureWidth, int32_t pictureHeight,
                                                 const MonitorRect& monitor, const MonitorRect& desk) {
  const MonitorRect& frame = style == WallpaperStyle::Span ? desk : monitor;
  if (pictureWidth <= 0 || pictureHeight <= 0 || frame.width <= 0 || frame.height <= 0) return std::nullopt;
  const int64_t pw = pictureWidth, ph = pictureHeight, fw = frame.width, fh = frame.height;
  int64_t w = pw, h = ph;
  // Fit scales to the nearer edges, fill and span to the farther ones.
  const bool widthLeads = fw * ph <= fh * pw;
  switch (style) {
    case WallpaperStyle::Centre:
    case WallpaperStyle::Tile:
      break;
    case WallpaperStyle::Stretch:
      w = fw;
      h = fh;
      break;
    case WallpaperStyle::Fit:
    case WallpaperStyle::Fill:
    case WallpaperStyle::Span:
      if (widthLeads == (style == WallpaperStyle::Fit)) {
        w = fw;
        h = std::max<int64_t>(1, Ratio(ph, fw, pw));
      } else {
        h = fh;
        w = std::max<int64_t>(1, Ratio(pw, fh, ph));
      }
      break;
  }
  const bool tiled = style == WallpaperStyle::Tile;
  const int64_t left = (tiled ? 0 : Ratio(fw - w, 1, 2)) + frame.left - monitor.left;
  const int64_t top = (tiled ? 0 : Ratio(fh - h, 1, 2)) + frame.top - monitor.top;
  if (!Fits32(left) || !Fits32(top) || !Fits32(w) || !Fits32(h)) return std::nullopt;
  return WallpaperPlacement{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(w),
                            static_cast<int32_t>(h), tiled};
}

MonitorRect DeskBounds(const std::vector<MonitorRect>& monitors) {
  if (monitors.empty()) return {};
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  for (const MonitorRect& m : monitors) {
    left = std::min<int64_t>(left, m.left);
    top = std::min<int64_t>(top, m.top);
    right = std::max<int64_t>(right, int64_t{m.left} + m.width);
    bottom = std::max<int64_t>(bottom, int64_t{m.top} + m.height);
  }
  // A desk wider than 32-bit pixels is left empty: nothing spans it.
  if (!Fits32(right - left) || !Fits32(bottom - top)) return {};
  return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
          static_cast<int32_t>(bottom - top)};
}

}  // namespace Desk
