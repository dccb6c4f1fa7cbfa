#include "host/forms/label_win32.h"

#include "host/forms/gdi_win32.h"

namespace Forms {

bool Label::Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text) {
  look_ = look;
  if (!CreateWindowIn(L"VelnoraLabel", parent, bounds)) return false;
  SetText(text);
  return true;
}

void Label::SetText(const std::wstring& text) {
  text_ = text;
  if (!hwnd()) return;
  SetWindowTextW(hwnd(), text_.c_str());
  if (look_.auto_size) FitToText();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

std::optional<AccessibleFacts> Label::KindFacts() const {
  AccessibleFacts facts = FactsOfRole(ROLE_SYSTEM_STATICTEXT);
  facts.name = WithoutAccessKeys(text_);
  facts.state = STATE_SYSTEM_READONLY;
  return facts;
}

UINT Label::TextFormat() const {
  // File names may hold "&": no access-key underlines.
  UINT format = DT_NOPREFIX | (look_.centred ? DT_CENTER : DT_LEFT);
  format |= look_.auto_size ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL;
  return format;
}

void Label::FitToText() {
  HDC screen = GetDC(hwnd());
  if (!screen) return;
  RECT extent{0, 0, 0, 0};
  {
    ScopedSelect font(screen, look_.font);
    DrawTextW(screen, text_.c_str(), static_cast<int>(text_.size()), &extent, TextFormat() | DT_CALCRECT);
  }
  ReleaseDC(hwnd(), screen);
  const int edge = look_.border ? 2 : 0;
  SetWindowPos(hwnd(), nullptr, 0, 0, extent.right + edge, extent.bottom + edge,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::PaintOver(HDC dc, const RECT& area) const {
  RECT text_area = area;
  if (look_.border) DrawEdge(dc, &text_area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  ScopedSelect font(dc, look_.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look_.fore);
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text_area, TextFormat());
}

}  // namespace Forms
