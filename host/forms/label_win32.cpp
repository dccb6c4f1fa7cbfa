#include "host/forms/label_win32.h"

#include "host/forms/control_window_win32.h"
#include "host/forms/gdi_win32.h"
#include "host/forms/surface_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kClassName[] = L"VelnoraLabel";

}  // namespace

Label::~Label() {
  if (window_) DestroyWindow(window_);
}

bool Label::Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text) {
  if (window_ || !RegisterControlClass(kClassName, Proc)) return false;
  look_ = look;
  window_ = CreateControlWindow(kClassName, WS_CLIPSIBLINGS, parent, bounds, this);
  if (!window_) return false;
  SetText(text);
  ShowWindow(window_, SW_SHOWNA);
  return true;
}

void Label::SetText(const std::wstring& text) {
  text_ = text;
  if (!window_) return;
  SetWindowTextW(window_, text_.c_str());
  if (look_.auto_size) FitToText();
  InvalidateRect(window_, nullptr, FALSE);
}

UINT Label::TextFormat() const {
  // File names may hold "&": no access-key underlines.
  UINT format = DT_NOPREFIX | (look_.centred ? DT_CENTER : DT_LEFT);
  format |= look_.auto_size ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL;
  return format;
}

void Label::FitToText() {
  HDC screen = GetDC(window_);
  if (!screen) return;
  RECT extent{0, 0, 0, 0};
  {
    ScopedSelect font(screen, look_.font);
    DrawTextW(screen, text_.c_str(), static_cast<int>(text_.size()), &extent, TextFormat() | DT_CALCRECT);
  }
  ReleaseDC(window_, screen);
  const int edge = look_.border ? 2 : 0;
  SetWindowPos(window_, nullptr, 0, 0, extent.right + edge, extent.bottom + edge,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::Paint(HDC target) const {
  RECT area{};
  GetClientRect(window_, &area);
  Surface buffer;
  if (!buffer.Resize(area.right, area.bottom)) return;
  HDC dc = buffer.dc();
  PaintParentBackdrop(window_, dc);
  RECT text_area = area;
  if (look_.border) {
    DrawEdge(dc, &text_area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  }
  {
    ScopedSelect font(dc, look_.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.fore);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text_area, TextFormat());
  }
  buffer.ShowOn(target, area);
}

LRESULT CALLBACK Label::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Label* self = ControlOf<Label>(window);
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
