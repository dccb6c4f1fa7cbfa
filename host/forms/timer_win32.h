// A form's timer: a window timer of the owner with an interval, on or off.
#pragma once

#include <windows.h>

namespace Ondrel_B {

class Timer {
 public:
  Timer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
  ~Timer() { SetEnabled(false); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void Attach(HWND owner) { owner_ = owner; }
  void SetEnabled(bool on) {
    if (on == enabled_ || !owner_) return;
    enabled_ = on ? SetTimer(owner_, id_, interval_, nullptr) != 0 : (KillTimer(owner_, id_), false);
  }
  bool Enabled() const { return enabled_; }
  UINT_PTR Id() const { return id_; }

 private:
  HWND owner_ = nullptr;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace Ondrel_B
