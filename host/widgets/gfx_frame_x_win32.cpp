#include "host/widgets/gfx_frame_x_win32.h"

#include "host/widgets/frame_paint_win32.h"

namespace Widgets {

GFXFrameX::GFXFrameX(Forms::WidgetSite& site, HWND container, const RECT& bounds)
    : site_(site), props_(NewFrameProperties(site.ambient().BackColor)), window_(container, bounds, *this, site, false) {
  site_.Attach(this);
  ShowWindow(window_.hWnd(), SW_SHOWNA);
}

GFXFrameX::~GFXFrameX() { site_.Attach(nullptr); }

void GFXFrameX::Changed(const wchar_t* name) {
  site_.SignalChange(name);
  Refresh();
}

void GFXFrameX::SetFrameStyle(int32_t value) {
  props_.FrameStyle = value;
  Changed(kFrameStyle);
}

void GFXFrameX::SetShadowOpacity(int16_t percent) {
  props_.ShadowOpacity = CheckedShadowOpacity(percent);
  Changed(kShadowOpacity);
}

void GFXFrameX::SetShowShadow(bool value) {
  props_.ShowShadow = value;
  Changed(kShowShadow);
}

void GFXFrameX::SetShadowDepth(int16_t pixels) {
  props_.ShadowDepth = CheckedShadowDepth(pixels);
  Changed(kShadowDepth);
}

void GFXFrameX::SetFillColour(uint32_t colour) {
  props_.FillColour = colour;
  Changed(kFillColour);
}

void GFXFrameX::SetBackColour(uint32_t colour) {
  props_.BackColour = colour;
  Changed(kBackColour);
}

void GFXFrameX::SetBackColourIs(int32_t value) {
  props_.BackColourIs = value;
  Changed(kBackColourIs);
}

void GFXFrameX::SetBorderColour(uint32_t colour) {
  props_.BorderColour = colour;
  Changed(kBorderColour);
}

void GFXFrameX::SetCornerDepth(int16_t pixels) {
  props_.CornerDepth = CheckedCornerDepth(pixels);
  Changed(kCornerDepth);
}

bool GFXFrameX::Refresh() {
  Forms::Surface& surface = window_.surface();
  if (!surface.dc()) return false;
  const uint32_t back = props_.BackColourIs != 0 ? props_.BackColour : site_.ambient().BackColor;
  const bool complete = PaintFrame(surface.dc(), RECT{0, 0, surface.width(), surface.height()}, props_, back);
  if (window_.hWnd()) InvalidateRect(window_.hWnd(), nullptr, FALSE);
  return complete;
}

void GFXFrameX::SetGroupName(const std::wstring& name) {
  window_.Describe = [name](Forms::AccessibleFacts& facts) {
    facts.role = ROLE_SYSTEM_GROUPING;
    facts.name = name;
  };
}

void GFXFrameX::InitProperties() { props_ = NewFrameProperties(site_.ambient().BackColor); }

void GFXFrameX::ReadProperties(const Forms::PropertyBag& bag) {
  props_ = ReadFrameProperties(bag, site_.ambient().BackColor);
  Refresh();
}

void GFXFrameX::WriteProperties(Forms::PropertyBag& bag) const {
  WriteFrameProperties(bag, props_, site_.ambient().BackColor);
}

void GFXFrameX::Resize() { Refresh(); }

void GFXFrameX::AmbientChanged(const std::wstring&) { Refresh(); }

}  // namespace Widgets
