// The host's curtain: a black, topmost panel over each monitor of a saver
// session, beneath the renderer's windows, never raised above them. Whatever
// happens to the renderer, the screen shows the curtain, not the desktop.
// The curtain hears the keyboard as raw input also while the renderer has
// it, so that Escape reaches the host whatever the renderer is doing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "host/session/monitor_layout.h"

namespace Ondrel_B {

class CurtainPanel;

class Curtain {
 public:
  // onEscape runs from the message loop each time Escape goes down.
  explicit Curtain(std::function<void()> onEscape);
  ~Curtain();
  Curtain(const Curtain&) = delete;
  Curtain& operator=(const Curtain&) = delete;

  // Covers these areas (virtual-screen pixels) at once, above every window
  // there is now: the renderer started after it lies above it.
  void Cover(const std::vector<MonitorRect>& areas);
  // Follows the desk a beat behind the renderer: a monitor gone loses its
  // panel; a monitor new or changed gets one only once a renderer window
  // lies over it, so the renderer's own picture of it is never the curtain.
  void Follow();
  // Takes the keyboard from a renderer that no longer takes its messages,
  // staying beneath its windows; the renderer takes it back once it runs.
  void TakeKeyboard();

 private:
  void Open(const MonitorRect& area, HWND below);
  void HearKeyboard();

  std::function<void()> onEscape_;
  std::vector<std::unique_ptr<CurtainPanel>> panels_;
  HWND hearing_ = nullptr;  // the panel raw keyboard input goes to
};

}  // namespace Ondrel_B
