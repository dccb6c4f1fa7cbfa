// GFXFrameX: the decorative panel with a one-pixel border and a soft drop
// shadow. It takes no input and raises no events; other widgets can sit on
// it as child windows of hWnd().
#pragma once

#include <windows.h>

#include "host/forms/control_list.h"
#include "host/forms/property_bag.h"
#include "host/forms/widget_events.h"
#include "host/forms/widget_site.h"
#include "host/forms/widget_window_win32.h"
#include "host/widgets/frame_model.h"

namespace Widgets {

inline constexpr wchar_t kGFXFrameXClass[] = L"GFXFrameX";

class GFXFrameX : public Forms::WidgetEvents, public Forms::Control {
 public:
  // bounds in the container's client pixels.
  GFXFrameX(Forms::WidgetSite& site, HWND container, const RECT& bounds);
  ~GFXFrameX() override;

  HWND hWnd() const { return window_.hWnd(); }
  // To screen readers the panel groups what sits on it, under this name.
  void SetGroupName(const std::wstring& name);

  int32_t FrameStyle() const { return props_.FrameStyle; }
  void SetFrameStyle(int32_t value);
  int16_t ShadowOpacity() const { return props_.ShadowOpacity; }
  void SetShadowOpacity(int16_t percent);
  bool ShowShadow() const { return props_.ShowShadow; }
  void SetShowShadow(bool value);
  int16_t ShadowDepth() const { return props_.ShadowDepth; }
  void SetShadowDepth(int16_t pixels);
  // Repaints the whole widget; false when the paint stopped early.
  bool Refresh();
  uint32_t FillColour() const { return props_.FillColour; }
  void SetFillColour(uint32_t colour);
  uint32_t BackColour() const { return props_.BackColour; }
  void SetBackColour(uint32_t colour);
  int32_t BackColourIs() const { return props_.BackColourIs; }
  void SetBackColourIs(int32_t value);
  uint32_t BorderColour() const { return props_.BorderColour; }
  void SetBorderColour(uint32_t colour);
  int16_t CornerDepth() const { return props_.CornerDepth; }
  void SetCornerDepth(int16_t pixels);

  // The surface, for reading back what was painted.
  HDC SurfaceDc() { return window_.surface().dc(); }

  // Host notifications.
  void InitProperties() override;
  void ReadProperties(const Forms::PropertyBag& bag) override;
  void WriteProperties(Forms::PropertyBag& bag) const override;
  void Resize() override;
  void AmbientChanged(const std::wstring& name) override;

  std::wstring ClassName() const override { return kGFXFrameXClass; }
  std::wstring Caption() const override { return L""; }

 private:
  void Changed(const wchar_t* name);

  Forms::WidgetSite& site_;
  FrameProperties props_;
  Forms::WidgetWindow window_;
};

}  // namespace Widgets
