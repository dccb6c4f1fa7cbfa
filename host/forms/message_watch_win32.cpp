#include "host/forms/message_watch_win32.h"

#include <algorithm>

#include "host/forms/window_object_win32.h"

namespace Forms {

bool MessageWatch::Start(HWND window, UINT message, Handler handler) {
  Stop();
  WindowObject* target = WindowObject::FromHandle(window);
  if (!target) return false;
  message_ = message;
  handler_ = std::move(handler);
  target_ = target;
  target_->watches_.push_back(this);
  return true;
}

void MessageWatch::Stop() {
  if (!target_) return;
  auto& watches = target_->watches_;
  watches.erase(std::remove(watches.begin(), watches.end(), this), watches.end());
  target_ = nullptr;
}

}  // namespace Forms
