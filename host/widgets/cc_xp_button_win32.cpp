#include "host/widgets/cc_xp_button_win32.h"

#include <cwctype>

#include "host/base/rounding.h"
#include "host/forms/platform_input_win32.h"
#include "host/forms/surface_win32.h"
#include "host/widgets/button_paint_win32.h"

namespace Widgets {

namespace {

int ScreenDpi() {
  const Desk::WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

HFONT CreateFontFor(const Forms::FontDesc& font) {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(Ondrel_B::RoundHalfEven(font.size * ScreenDpi() / 72.0));
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikethrough;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

ccXPButton::ccXPButton(Forms::WidgetSite& site, HWND container, const RECT& bounds,
                       const Ondrel_B::UiTexts& texts)
    : site_(site), texts_(texts), core_(site, *this), window_(container, bounds, core_, site, true) {
  site_.Attach(&core_);
  core_.Initialize();
  DescribeForReaders();
  ShowWindow(window_.hWnd(), SW_SHOWNA);
}

void ccXPButton::DescribeForReaders() {
  window_.Describe = [this](Forms::AccessibleFacts& facts) {
    facts.role = ROLE_SYSTEM_PUSHBUTTON;
    facts.name = Forms::WithoutAccessKeys(core_.Caption());
    facts.defaultAction = texts_.pressAction;
    if (core_.IsDefault()) facts.state |= STATE_SYSTEM_DEFAULT;
    if (const wchar_t key = AccessKeyOf(core_.Caption())) {
      facts.shortcut = texts_.altShortcut + std::wstring(1, static_cast<wchar_t>(std::towupper(key)));
    }
  };
  // The runtime refuses it while the window, disabled with the button, is.
  window_.DefaultAction = [this] { RaiseClick(); };
}

ccXPButton::~ccXPButton() {
  core_.Terminate();
  site_.Attach(nullptr);
}

void ccXPButton::SnapMouseTo() {
  POINT origin{0, 0};
  if (!ClientToScreen(window_.hWnd(), &origin)) return;
  const long long x = Ondrel_B::RoundHalfEven(origin.x + window_.ClientWidth() / 2.0);
  const long long y = Ondrel_B::RoundHalfEven(origin.y + window_.ClientHeight() / 2.0);
  SetCursorPos(static_cast<int>(x), static_cast<int>(y));
}

void ccXPButton::PaintBody(int state) {
  Forms::Surface& surface = window_.surface();
  if (!surface.dc()) return;
  const RECT area{0, 0, surface.width(), surface.height()};
  PaintButtonBody(surface.dc(), area, state, Forms::ResolveColour(site_.ambient().BackColor));
  ShapeButtonWindow(window_.hWnd(), area.right, area.bottom);
}

void ccXPButton::PaintCaption(bool focusRect) {
  Forms::Surface& surface = window_.surface();
  if (!surface.dc()) return;
  const COLORREF colour = core_.Enabled() ? Forms::ResolveColour(core_.ForeColor()) : kDisabledText;
  const std::wstring caption = core_.Caption();
  PaintButtonCaption(surface.dc(), RECT{0, 0, surface.width(), surface.height()},
                     CaptionLook{caption, font_.get(), colour, focusRect});
  InvalidateRect(window_.hWnd(), nullptr, FALSE);
}

void ccXPButton::ApplyFont(const Forms::FontDesc& font) {
  HFONT made = CreateFontFor(font);
  if (made) font_.reset(made);
}

void ccXPButton::NameWindow(const std::wstring& caption) { SetWindowTextW(window_.hWnd(), caption.c_str()); }

void ccXPButton::EnableWindow(bool enabled) { ::EnableWindow(window_.hWnd(), enabled); }

void ccXPButton::SetSizePixels(int width, int height) {
  SetWindowPos(window_.hWnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double ccXPButton::TwipsPerPixel() const { return 1440.0 / ScreenDpi(); }

void ccXPButton::RequestLeaveNotification() {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.hWnd(), 0};
  TrackMouseEvent(&track);
}

void ccXPButton::StartWatching(Forms::WindowHandle parent, bool parentIsMdiChild) {
  ownWatch_.Start(window_.hWnd(), WM_MOUSELEAVE, [this](UINT, WPARAM, LPARAM) { core_.MouseLeft(); });
  // NOTE: WM_ACTIVATE carries the minimised flag in its high word; only
  // the low word says whether the form was activated.
  const UINT message = parentIsMdiChild ? WM_NCACTIVATE : WM_ACTIVATE;
  parentWatch_.Start(static_cast<HWND>(parent), message, [this](UINT msg, WPARAM wparam, LPARAM) {
    core_.ParentActivation(msg == WM_ACTIVATE ? LOWORD(wparam) != WA_INACTIVE : wparam != 0);
  });
}

void ccXPButton::StopWatching() {
  ownWatch_.Stop();
  parentWatch_.Stop();
}

void ccXPButton::SendKeys(const wchar_t* keys) { Forms::SendKeys(keys); }

void ccXPButton::DoEvents() { Forms::DoEvents(); }

void ccXPButton::RaiseClick() {
  if (Click) Click();
}

void ccXPButton::RaiseDblClick() {
  if (DblClick) DblClick();
}

void ccXPButton::RaiseMouseMove(int16_t button, int16_t shift, float x, float y) {
  if (MouseMove) MouseMove(button, shift, x, y);
}

void ccXPButton::RaiseFormActivate(int32_t& state) {
  if (FormActivate) FormActivate(state);
}

}  // namespace Widgets
