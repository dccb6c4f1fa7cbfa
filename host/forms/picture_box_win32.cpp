#include "host/forms/picture_box_win32.h"

namespace Forms {
namespace {

constexpr const wchar_t* kClassName = L"VelnoraPictureBox";

LRESULT CALLBACK PictureProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    auto* self = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self && dc) self->Image().ShowOn(dc, ps.rcPaint);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterPictureClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PictureProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
  }();
  return registered;
}

}  // namespace

PictureBox::~PictureBox() {
  if (window_) DestroyWindow(window_);
}

bool PictureBox::Create(HWND parent, int width, int height) {
  if (!RegisterPictureClass() || width <= 0 || height <= 0) return false;
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD, 0, 0, width, height, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return image_.Resize(width, height);
}

}  // namespace Forms
