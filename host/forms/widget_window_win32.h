// The child window a widget lives in: it shows the widget's persistent
// surface and turns the window's messages into the host notifications
// (resize, focus, pointer with capture while a button is held, keys).
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/forms/surface_win32.h"
#include "host/forms/window_object_win32.h"

namespace Forms {

class WidgetEvents;
class WidgetSite;

class WidgetWindow : public WindowObject {
 public:
  // bounds in the container's client pixels. A focusable widget takes the
  // focus on a press and is a tab stop.
  WidgetWindow(HWND container, const RECT& bounds, WidgetEvents& events, WidgetSite& site, bool focusable);
  ~WidgetWindow() override;

  Surface& surface() { return surface_; }
  WidgetEvents& events() const { return events_; }
  WidgetSite& site() const { return site_; }
  int ClientWidth() const;
  int ClientHeight() const;

  // Shows the surface's current image at once.
  void Present();

  // The widget window of a handle, or null.
  static WidgetWindow* FromHandle(HWND window);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnSize();
  void OnPaint();
  void OnButtonDown(int16_t button, WPARAM wparam, LPARAM lparam);
  void OnButtonUp(int16_t button, WPARAM wparam, LPARAM lparam);
  void OnMouseMove(WPARAM wparam, LPARAM lparam);
  void OnDoubleClick();
  void OnDestroy();

  WidgetEvents& events_;
  WidgetSite& site_;
  bool focusable_;
  bool terminated_ = false;
  Surface surface_;
};

}  // namespace Forms
