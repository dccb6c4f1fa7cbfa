// A plain top-level window for widget tests to sit on, with helpers to read
// back what a widget painted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "host/forms/control_list.h"
#include "host/forms/form_win32.h"
#include "host/forms/widget_site.h"

namespace testing_support {

class TestForm : public Forms::Form {
 public:
  explicit TestForm(int width = 640, int height = 400)
      : Form({L"widget test", WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN, 0, 0xE0E0E0, 20, 20, width, height}) {
    EXPECT_TRUE(Load());
    Show();
    SetForegroundWindow(hWnd());
  }

  Forms::WidgetSite Site(const wchar_t* name, uint32_t back = 0xE0E0E0) {
    return Forms::WidgetSite(name, {hWnd(), false, &controls}, {back, false, true});
  }

  Forms::ControlList controls;

 private:
  // The form's own activation handling would move the focus; widgets only
  // need to see the message.
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != WM_ACTIVATE) return false;
    result = 0;
    return true;
  }
};

// Handles what is waiting, with a bound.
inline void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// A 32-bit memory surface for painting functions over (HDC, RECT).
class MemorySurface {
 public:
  MemorySurface(int w, int h) : width(w), height(h), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~MemorySurface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  RECT rect() const { return RECT{0, 0, width, height}; }
  int width, height;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// Every pixel of a DC's area as 0x00BBGGRR, row by row.
inline std::vector<uint32_t> Pixels(HDC dc, int width, int height) {
  std::vector<uint32_t> out;
  out.reserve(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.push_back(GetPixel(dc, x, y));
  return out;
}

}  // namespace testing_support
