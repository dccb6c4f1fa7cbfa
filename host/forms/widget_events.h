// The notifications a widget's host delivers to it. Pointer positions are in
// the widget's pixels; buttons and shift keys are the usual masks
// (shift: 1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <cstdint>
#include <string>

namespace Forms {

// Mouse-button masks of the pointer notifications.
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

class PropertyBag;

class WidgetEvents {
 public:
  virtual ~WidgetEvents() = default;
  virtual void InitProperties() {}
  virtual void ReadProperties(const PropertyBag&) {}
  virtual void WriteProperties(PropertyBag&) const {}
  virtual void Resize() {}
  virtual void AmbientChanged(const std::wstring& /*name*/) {}
  virtual void GotFocus() {}
  virtual void LostFocus() {}
  virtual void MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseUp(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void DblClick() {}
  virtual void KeyDown(int16_t /*key*/, int16_t /*shift*/) {}
  virtual void KeyUp(int16_t /*key*/, int16_t /*shift*/) {}
  virtual void AccessKeyPress(wchar_t /*key*/) {}
  virtual void Terminate() {}
};

}  // namespace Forms
