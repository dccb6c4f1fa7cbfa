#include "host/forms/image_win32.h"

#include "host/forms/control_window_win32.h"
#include "host/forms/gdi_win32.h"
#include "host/forms/surface_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kClassName[] = L"VelnoraImage";

}  // namespace

Image::~Image() {
  if (window_) DestroyWindow(window_);
}

bool Image::Create(HWND parent, const RECT& bounds) {
  if (window_ || !RegisterControlClass(kClassName, Proc)) return false;
  window_ = CreateControlWindow(kClassName, WS_CLIPSIBLINGS, parent, bounds, this);
  if (!window_) return false;
  ShowWindow(window_, SW_SHOWNA);
  return true;
}

void Image::SetPicture(HBITMAP picture) {
  picture_ = picture;
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Image::Paint(HDC target) const {
  RECT area{};
  GetClientRect(window_, &area);
  Surface buffer;
  if (!buffer.Resize(area.right, area.bottom)) return;
  PaintParentBackdrop(window_, buffer.dc());
  BITMAP info{};
  if (picture_ && GetObjectW(picture_, sizeof info, &info)) {
    MemoryDc source;
    ScopedSelect picture(source.get(), picture_);
    BitBlt(buffer.dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  buffer.ShowOn(target, area);
}

LRESULT CALLBACK Image::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Image* self = ControlOf<Image>(window);
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(window, &ps)) self->Paint(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      self->Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (self->MouseDown) self->MouseDown(ButtonOfMessage(message));
      return 0;
    case WM_NCDESTROY:
      self->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace Forms
