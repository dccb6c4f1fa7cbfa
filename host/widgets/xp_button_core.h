// ccXPButton's behaviour without the platform: its properties, the state it
// shows in answer to every host notification and watched window message,
// and the events it raises. The window, painting and platform calls come
// through ButtonPort.
#pragma once

#include <cstdint>
#include <string>

#include "host/forms/font_desc.h"
#include "host/forms/property_bag.h"
#include "host/forms/widget_events.h"
#include "host/forms/widget_site.h"
#include "host/widgets/button_look.h"

namespace Widgets {

// Property names, as stored and as announced by the change signal.
inline constexpr wchar_t kCaption[] = L"Caption";
inline constexpr wchar_t kEnabled[] = L"Enabled";
inline constexpr wchar_t kForeColor[] = L"ForeColor";
inline constexpr wchar_t kFont[] = L"Font";
inline constexpr wchar_t kFocusRect[] = L"FocusRect";
// The caption a button reads when none is stored.
inline constexpr wchar_t kDefaultCaption[] = L"&OK";

inline constexpr wchar_t kXPButtonClass[] = L"ccXPButton";

// The widget's design font.
Forms::FontDesc DesignFont();

// What the button asks of its window and the platform.
class ButtonPort {
 public:
  virtual ~ButtonPort() = default;
  // Border, face, corners and window shape of a state.
  virtual void PaintBody(int state) = 0;
  // Caption, then the focus rectangle when focusRect is true.
  virtual void PaintCaption(bool focusRect) = 0;
  // The caption as the window's text, which screen readers announce.
  virtual void NameWindow(const std::wstring& caption) = 0;
  virtual void ApplyFont(const Forms::FontDesc& font) = 0;
  virtual void EnableWindow(bool enabled) = 0;
  virtual int WidthPixels() const = 0;
  virtual int HeightPixels() const = 0;
  virtual void SetSizePixels(int width, int height) = 0;
  virtual double TwipsPerPixel() const = 0;
  virtual void RequestLeaveNotification() = 0;
  virtual void StartWatching(Forms::WindowHandle parent, bool parentIsMdiChild) = 0;
  virtual void StopWatching() = 0;
  virtual void SendKeys(const wchar_t* keys) = 0;  // "{TAB}" or "+{TAB}"
  virtual void DoEvents() = 0;

  // The widget's events.
  virtual void RaiseClick() = 0;
  virtual void RaiseDblClick() = 0;
  virtual void RaiseMouseMove(int16_t button, int16_t shift, float x, float y) = 0;
  virtual void RaiseFormActivate(int32_t& state) = 0;
};

class XPButtonCore : public Forms::WidgetEvents {
 public:
  XPButtonCore(Forms::WidgetSite& site, ButtonPort& port) : site_(site), port_(port) {}

  // The instance is created: painting held back, the design font applied.
  void Initialize();

  // Properties.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(uint32_t colour);
  const Forms::FontDesc& Font() const { return font_; }
  void SetFont(const Forms::FontDesc& font);
  bool FocusRect() const { return focusRect_; }
  void SetFocusRect(bool value);

  // Painting: nothing while suppressed, else records and draws the state.
  void Redraw(int state);

  // Host notifications.
  void InitProperties() override;
  void ReadProperties(const Forms::PropertyBag& bag) override;
  void WriteProperties(Forms::PropertyBag& bag) const override;
  void Resize() override;
  void AmbientChanged(const std::wstring& name) override;
  void GotFocus() override;
  void LostFocus() override;
  void MouseDown(int16_t button, int16_t shift, float x, float y) override;
  void MouseMove(int16_t button, int16_t shift, float x, float y) override;
  void MouseUp(int16_t button, int16_t shift, float x, float y) override;
  void DblClick() override;
  void KeyDown(int16_t key, int16_t shift) override;
  void KeyUp(int16_t key, int16_t shift) override;
  void AccessKeyPress(wchar_t key) override;
  void Terminate() override;

  // Watched window messages, after the window's own handling.
  void MouseLeft();
  void ParentActivation(bool active);

  // Internal state, read by the painter and the tests.
  int VisualState() const { return visualState_; }
  bool PaintSuppressed() const { return paintSuppressed_; }
  void SetPaintSuppressed(bool value) { paintSuppressed_ = value; }
  bool HasFocus() const { return hasFocus_; }
  bool IsPressed() const { return isPressed_; }
  bool IsMouseOver() const { return isMouseOver_; }
  bool IsParentActive() const { return isParentActive_; }
  bool IsSpaceDown() const { return isSpaceDown_; }
  bool IsDefault() const { return isDefault_; }

 private:
  void ShowUnlessShown(int state) {
    if (visualState_ != state) Redraw(state);
  }

  Forms::WidgetSite& site_;
  ButtonPort& port_;

  std::wstring caption_;
  bool enabled_ = false;
  uint32_t foreColor_ = 0;
  Forms::FontDesc font_;
  bool focusRect_ = false;

  int visualState_ = 0;
  bool paintSuppressed_ = true;  // until Enabled is first set
  bool isPressed_ = false;
  bool hasFocus_ = false;
  bool isMouseOver_ = false;
  bool isParentActive_ = false;
  bool isSpaceDown_ = false;
  bool isMouseDown_ = false;
  bool isDefault_ = false;
  int16_t lastMouseButton_ = 0;
  Forms::WindowHandle parentWindow_ = nullptr;
  bool watching_ = false;
};

}  // namespace Widgets
