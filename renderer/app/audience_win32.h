// Whether anyone can see the views: the console's displays on, and the
// session unlocked and connected. While nobody can, the renderer draws
// nothing; the windows stay where they are.
#pragma once

#include <windows.h>

class Audience {
 public:
  Audience() = default;
  Audience(const Audience&) = delete;
  Audience& operator=(const Audience&) = delete;
  ~Audience() { Stop(); }

  // Asks the system to tell the window of the display state and of the
  // session's changes. Where it cannot, the views are taken to be seen.
  void Listen(HWND window);
  void Stop();

  // WM_POWERBROADCAST: a display state the system reports. A setting that
  // is not the display state, or data not of its size, changes nothing.
  void OnPower(WPARAM event, LPARAM setting);
  // WM_WTSSESSION_CHANGE.
  void OnSession(WPARAM event);

  bool Watching() const { return !displaysOff_ && !locked_ && !disconnected_; }

 private:
  HWND window_ = nullptr;
  HPOWERNOTIFY power_ = nullptr;
  bool session_ = false;
  bool displaysOff_ = false;
  bool locked_ = false;
  bool disconnected_ = false;
};
