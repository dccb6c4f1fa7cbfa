#include "host/forms/message_watch_win32.h"

#include <commctrl.h>

namespace Forms {

bool MessageWatch::Start(HWND window, UINT message, Handler handler) {
  Stop();
  if (!window) return false;
  message_ = message;
  handler_ = std::move(handler);
  if (!SetWindowSubclass(window, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  window_ = window;
  return true;
}

void MessageWatch::Stop() {
  if (window_) RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT CALLBACK MessageWatch::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR self_ptr) {
  auto* self = reinterpret_cast<MessageWatch*>(self_ptr);
  const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
  if (message == self->message_ && self->handler_) {
    self->handler_(message, wparam, lparam);
  } else if (message == WM_NCDESTROY) {
    self->Stop();
  }
  return result;
}

}  // namespace Forms
