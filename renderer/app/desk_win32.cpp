#include <windows.h>

#include <cstring>

#include "renderer/app/desk_win32.h"

std::vector<DeskMonitor> ListDesk() {
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

ScreenPicture CaptureScreen(const MonitorRect& area) {
  ScreenPicture picture;
  if (area.width < 1 || area.height < 1 || area.width > kMaxSnapshotSide || area.height > kMaxSnapshotSide) {
    return picture;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.width;
  info.bmiHeader.biHeight = area.height;  // bottom-up, as the sheet's pictures are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = screen ? CreateCompatibleDC(screen) : nullptr;
  HBITMAP bitmap = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, area.width, area.height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const size_t length = static_cast<size_t>((area.width * 3 + 3) / 4 * 4) * static_cast<size_t>(area.height);
      picture.pixels.assign(static_cast<const uint8_t*>(bits), static_cast<const uint8_t*>(bits) + length);
      picture.image = {area.width, area.height, picture.pixels.data(), length};
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  if (memory) DeleteDC(memory);
  if (screen) ReleaseDC(nullptr, screen);
  return picture;
}
