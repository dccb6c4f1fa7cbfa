// IDesktopWallpaper is declared from Windows 8 on; it is asked for at run
// time, so both programs still run where it is missing.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#include "desk/system/wallpaper_win32.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "desk/system/com_win32.h"
#include "desk/system/picture_decode_win32.h"

namespace Desk {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

// A text value under HKCU, environment strings expanded; empty when missing.
// NOTE: an expandable value is asked for as RRF_RT_REG_SZ: expanded, it is one.
std::wstring UserText(const wchar_t* key, const wchar_t* name) {
  std::wstring text(MAX_PATH, L'\0');
  for (int tries = 0; tries < 3; ++tries) {
    DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      text.resize(bytes / sizeof(wchar_t));
      while (!text.empty() && text.back() == L'\0') text.pop_back();
      return text;
    }
    if (status != ERROR_MORE_DATA) break;
    text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
  }
  return std::wstring();
}

WallpaperStyle StyleOfPosition(DESKTOP_WALLPAPER_POSITION position) {
  switch (position) {
    case DWPOS_TILE: return WallpaperStyle::Tile;
    case DWPOS_STRETCH: return WallpaperStyle::Stretch;
    case DWPOS_FIT: return WallpaperStyle::Fit;
    case DWPOS_FILL: return WallpaperStyle::Fill;
    case DWPOS_SPAN: return WallpaperStyle::Span;
    default: return WallpaperStyle::Centre;
  }
}

// The file itself, or where it is gone, the copy Windows keeps of the
// current wallpaper (a JPEG without an extension).
std::wstring FileOrKeptCopy(const std::wstring& path) {
  if (path.empty() || GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
  const DWORD error = GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return path;
  PWSTR roaming = nullptr;
  std::wstring kept;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) {
    kept = std::wstring(roaming) + L"\\Microsoft\\Windows\\Themes\\TranscodedWallpaper";
  }
  CoTaskMemFree(roaming);
  return kept;
}

}  // namespace

bool OnUsersDesktop() {
  wchar_t name[256] = {};
  DWORD needed = 0;
  HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
  if (!desktop || !GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof name - sizeof name[0], &needed)) {
    return true;
  }
  return CompareStringOrdinal(name, -1, L"Default", -1, TRUE) == CSTR_EQUAL;
}

DeskWallpaper::Source DeskWallpaper::SourceOf(const MonitorRect& area) {
  if (!looked_) {
    looked_ = true;
    registry_.path = UserText(kDesktopKey, L"Wallpaper");
    registry_.style =
        WallpaperStyleOf(UserText(kDesktopKey, L"WallpaperStyle"), UserText(kDesktopKey, L"TileWallpaper"));
    registry_.background =
        ColourFromText(UserText(L"Control Panel\\Colors", L"Background")).value_or(GetSysColor(COLOR_DESKTOP));
    // Windows 8 and later keep a wallpaper for each monitor.
    ComScope com;
    ComPtr<IDesktopWallpaper> desktop;
    DESKTOP_WALLPAPER_POSITION position{};
    UINT count = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_DesktopWallpaper, nullptr, CLSCTX_ALL, IID_IDesktopWallpaper,
                                   reinterpret_cast<void**>(desktop.out()))) &&
        SUCCEEDED(desktop->GetPosition(&position)) && SUCCEEDED(desktop->GetMonitorDevicePathCount(&count))) {
      COLORREF background = registry_.background;
      desktop->GetBackgroundColor(&background);
      for (UINT i = 0; i < count; ++i) {
        LPWSTR id = nullptr, path = nullptr;
        RECT r{};
        if (SUCCEEDED(desktop->GetMonitorDevicePathAt(i, &id)) && SUCCEEDED(desktop->GetMonitorRECT(id, &r)) &&
            SUCCEEDED(desktop->GetWallpaper(id, &path)) && path && *path) {
          // The primary's corner is the virtual screen's origin, as in MonitorRect.
          monitors_.push_back({{r.left, r.top, r.right - r.left, r.bottom - r.top},
                               {path, StyleOfPosition(position), background}});
        }
        CoTaskMemFree(id);
        CoTaskMemFree(path);
      }
    }
  }
  for (const auto& [monitor, source] : monitors_) {
    if (monitor == area) return source;
  }
  return registry_;
}

const Dib* DeskWallpaper::Picture(const std::wstring& path) {
  if (path.empty()) return nullptr;
  if (path != decodedPath_) {
    decodedPath_ = path;
    decoded_ = DecodePicture(path, kMaxWallpaperSide, kMaxWallpaperPixels);
  }
  return decoded_.get();
}

void DeskWallpaper::DrawOn(HDC target, const MonitorRect& area) {
  const Source source = SourceOf(area);
  const Dib* picture = Picture(FileOrKeptCopy(source.path));
  if (!picture || !target) return;
  const auto place = PlaceWallpaper(source.style, picture->width(), picture->height(), area, desk_);
  if (!place) return;
  FillColour(target, area.width, area.height, source.background);
  if (place->tiled) {
    for (int64_t y = place->top; y < area.height; y += place->height) {
      for (int64_t x = place->left; x < area.width; x += place->width) {
        BitBlt(target, static_cast<int>(x), static_cast<int>(y), place->width, place->height, picture->dc(), 0, 0,
               SRCCOPY);
      }
    }
    return;
  }
  SetStretchBltMode(target, HALFTONE);
  SetBrushOrgEx(target, 0, 0, nullptr);  // as HALFTONE asks
  StretchBlt(target, place->left, place->top, place->width, place->height, picture->dc(), 0, 0, picture->width(),
             picture->height(), SRCCOPY);
}

}  // namespace Desk
