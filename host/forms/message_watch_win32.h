// Sees one message of a runtime window after the window's own handling; the
// message's result is passed on unchanged. The watch ends by Stop, its own
// end, or the window's.
#pragma once

#include <windows.h>

#include <functional>

namespace Forms {

class WindowObject;

class MessageWatch {
 public:
  using Handler = std::function<void(UINT message, WPARAM wparam, LPARAM lparam)>;

  MessageWatch() = default;
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;
  ~MessageWatch() { Stop(); }

  // False, and nothing watched, for a window the forms runtime did not make.
  bool Start(HWND window, UINT message, Handler handler);
  void Stop();
  bool watching() const { return target_ != nullptr; }

 private:
  friend class WindowObject;

  WindowObject* target_ = nullptr;
  UINT message_ = 0;
  Handler handler_;
};

}  // namespace Forms
