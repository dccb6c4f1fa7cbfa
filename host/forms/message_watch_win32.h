// Sees one window message after the window's own handling, by subclassing
// the window; the message's result is passed on unchanged.
#pragma once

#include <windows.h>

#include <functional>

namespace Forms {

class MessageWatch {
 public:
  using Handler = std::function<void(UINT message, WPARAM wparam, LPARAM lparam)>;

  MessageWatch() = default;
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;
  ~MessageWatch() { Stop(); }

  // Failures leave the window unwatched.
  bool Start(HWND window, UINT message, Handler handler);
  // Gives the window back its own message handling.
  void Stop();
  bool watching() const { return window_ != nullptr; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR self);

  HWND window_ = nullptr;
  UINT message_ = 0;
  Handler handler_;
};

}  // namespace Forms
