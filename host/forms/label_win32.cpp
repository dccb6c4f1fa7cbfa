#include "host/forms/label_win32.h"

#include <algorithm>

#include "desk/system/gdi_win32.h"

namespace Forms {

bool Label::Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text) {
  look_ = look;
  if (!CreateWindowIn(L"VelnoraLabel", parent, bounds)) return false;
  SetText(text);
  return true;
}

void Label::SetText(const std::wstring& text) {
  text_ = text;
  if (!hWnd()) return;
  SetWindowTextW(hWnd(), text_.c_str());
  if (look_.autoSize) FitToText();
  InvalidateRect(hWnd(), nullptr, FALSE);
}

std::optional<AccessibleFacts> Label::KindFacts() const {
  AccessibleFacts facts = FactsOfRole(ROLE_SYSTEM_STATICTEXT);
  // A label that shows "&" as it is (a file name) is heard as it shows.
  facts.name = look_.accessKey ? WithoutAccessKeys(text_) : text_;
  facts.state = STATE_SYSTEM_READONLY;
  return facts;
}

UINT Label::TextFormat() const {
  UINT format = (look_.accessKey ? 0 : DT_NOPREFIX) | (look_.centred ? DT_CENTER : DT_LEFT);
  format |= look_.autoSize ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL;
  return format;
}

RECT Label::ExtentIn(HDC dc, HFONT font) const {
  RECT extent{0, 0, 0, 0};
  Desk::ScopedSelect selected(dc, font);
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &extent, TextFormat() | DT_CALCRECT);
  return extent;
}

// The text's width in the label's font at percent of its size, in pixels of
// 100 %, rounded up; 0 where that font cannot be made.
LONG Label::WidthAtScale(HDC dc, int percent) const {
  LOGFONTW lf{};
  if (!GetObjectW(look_.font, sizeof lf, &lf)) return 0;
  lf.lfHeight = MulDiv(lf.lfHeight, percent, 100);
  const Desk::GdiObject<HFONT> scaled(CreateFontIndirectW(&lf));
  if (!scaled) return 0;
  return (ExtentIn(dc, scaled.get()).right * 100 + percent - 1) / percent;
}

// Where GDI scaling draws the label at 150 or 200 %, the scaled font's
// hinting may make the text a few pixels wider than the 100 % text scaled:
// the label is as wide as the widest of the three.
void Label::FitToText() {
  RECT extent{};
  {
    const Desk::WindowDc screen(hWnd());
    if (!screen.get()) return;
    extent = ExtentIn(screen.get(), look_.font);
    for (int percent : {150, 200}) extent.right = std::max(extent.right, WidthAtScale(screen.get(), percent));
  }
  const int edge = look_.border ? 2 : 0;
  SetWindowPos(hWnd(), nullptr, 0, 0, extent.right + edge, extent.bottom + edge,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::PaintOver(HDC dc, const RECT& area) const {
  RECT textArea = area;
  if (look_.border) DrawEdge(dc, &textArea, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  Desk::ScopedSelect font(dc, look_.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look_.fore);
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &textArea, TextFormat());
}

}  // namespace Forms
