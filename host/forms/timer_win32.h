// A form's timer: a window timer of the form with an interval and a tick
// handler, switched on and off by the form's handlers. The form owns it.
#pragma once

#include <windows.h>

#include <functional>

namespace Forms {

class Timer {
 public:
  Timer(UINT_PTR id, UINT intervalMs, std::function<void()> tick)
      : id_(id), interval_(intervalMs), tick_(std::move(tick)) {}
  ~Timer() { SetEnabled(false); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Takes effect once the form has its window.
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }
  UINT_PTR Id() const { return id_; }

 private:
  friend class Form;
  void Attach(HWND owner) { owner_ = owner; }
  // A tick that was already queued when the timer went off is dropped.
  void Fire() {
    if (enabled_ && tick_) tick_();
  }
  // The window is gone and its timers with it.
  void Detach() {
    owner_ = nullptr;
    enabled_ = false;
  }

  HWND owner_ = nullptr;
  UINT_PTR id_;
  UINT interval_;
  std::function<void()> tick_;
  bool enabled_ = false;
};

inline void Timer::SetEnabled(bool on) {
  if (on == enabled_ || !owner_) return;
  if (on) {
    enabled_ = SetTimer(owner_, id_, interval_, nullptr) != 0;
  } else {
    KillTimer(owner_, id_);
    enabled_ = false;
  }
}

}  // namespace Forms
