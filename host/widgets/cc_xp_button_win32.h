// ccXPButton: the owner-painted push button with five visual states, hot
// tracking, an optional focus rectangle, an access key from its caption and
// the events Click, DblClick, MouseMove and FormActivate.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "desk/system/gdi_win32.h"
#include "host/base/ui_texts.h"
#include "host/forms/control_list.h"
#include "host/forms/message_watch_win32.h"
#include "host/forms/widget_site.h"
#include "host/forms/widget_window_win32.h"
#include "host/widgets/xp_button_core.h"

namespace Widgets {

class ccXPButton : public Forms::Control, private ButtonPort {
 public:
  // bounds in the container's client pixels; the container may be the form
  // or a frame on it. texts: the words screen readers hear of it.
  ccXPButton(Forms::WidgetSite& site, HWND container, const RECT& bounds, const Ondrel_B::UiTexts& texts);
  ~ccXPButton() override;

  // A new instance, or one loaded from its stored properties.
  void InitProperties() { core_.InitProperties(); }
  void ReadProperties(const Forms::PropertyBag& bag) { core_.ReadProperties(bag); }
  void WriteProperties(Forms::PropertyBag& bag) const { core_.WriteProperties(bag); }

  // Moves the pointer to the button's centre.
  void SnapMouseTo();
  HWND hWnd() const { return window_.hWnd(); }
  std::wstring Caption() const override { return core_.Caption(); }
  void SetCaption(const std::wstring& caption) { core_.SetCaption(caption); }
  bool Enabled() const { return core_.Enabled(); }
  void SetEnabled(bool enabled) { core_.SetEnabled(enabled); }
  const Forms::FontDesc& Font() const { return core_.Font(); }
  void SetFont(const Forms::FontDesc& font) { core_.SetFont(font); }
  uint32_t ForeColor() const { return core_.ForeColor(); }
  void SetForeColor(uint32_t colour) { core_.SetForeColor(colour); }
  bool FocusRect() const { return core_.FocusRect(); }
  void SetFocusRect(bool value) { core_.SetFocusRect(value); }

  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseMove;
  std::function<void(int32_t& state)> FormActivate;

  // The painter's entry and the state it last drew.
  void Redraw(int state) { core_.Redraw(state); }
  const XPButtonCore& state() const { return core_; }
  void SetPaintSuppressed(bool value) { core_.SetPaintSuppressed(value); }
  HDC SurfaceDc() { return window_.surface().dc(); }

  std::wstring ClassName() const override { return kXPButtonClass; }

 private:
  // A push button to screen readers; its default action is a click.
  void DescribeForReaders();
  void PaintBody(int state) override;
  void PaintCaption(bool focusRect) override;
  void NameWindow(const std::wstring& caption) override;
  void ApplyFont(const Forms::FontDesc& font) override;
  void EnableWindow(bool enabled) override;
  int WidthPixels() const override { return window_.ClientWidth(); }
  int HeightPixels() const override { return window_.ClientHeight(); }
  void SetSizePixels(int width, int height) override;
  double TwipsPerPixel() const override;
  void RequestLeaveNotification() override;
  void StartWatching(Forms::WindowHandle parent, bool parentIsMdiChild) override;
  void StopWatching() override;
  void SendKeys(const wchar_t* keys) override;
  void DoEvents() override;
  void RaiseClick() override;
  void RaiseDblClick() override;
  void RaiseMouseMove(int16_t button, int16_t shift, float x, float y) override;
  void RaiseFormActivate(int32_t& state) override;

  Forms::WidgetSite& site_;
  const Ondrel_B::UiTexts& texts_;
  XPButtonCore core_;
  Desk::GdiObject<HFONT> font_;
  Forms::MessageWatch ownWatch_;
  Forms::MessageWatch parentWatch_;
  Forms::WidgetWindow window_;
};

// A platform font for a font description, sized for the screen.
[[nodiscard]] HFONT CreateFontFor(const Forms::FontDesc& font);

}  // namespace Widgets
