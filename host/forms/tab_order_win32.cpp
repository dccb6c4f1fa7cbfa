#include "host/forms/tab_order_win32.h"

#include <algorithm>

namespace Forms {
namespace {

bool CanFocus(HWND control) {
  return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

HWND TabOrder::Current() const {
  HWND focus = GetFocus();
  for (HWND control : order_) {
    if (focus && (focus == control || IsChild(control, focus))) return control;
  }
  return nullptr;
}

HWND TabOrder::Next(bool backwards) const {
  const size_t n = order_.size();
  if (n == 0) return nullptr;
  const auto at = std::find(order_.begin(), order_.end(), Current());
  // Without a current control, start just outside the order.
  size_t i = at != order_.end() ? static_cast<size_t>(at - order_.begin()) : backwards ? 0 : n - 1;
  for (size_t step = 0; step < n; ++step) {
    i = backwards ? (i + n - 1) % n : (i + 1) % n;
    if (CanFocus(order_[i])) return order_[i];
  }
  return nullptr;
}

bool TabOrder::PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (HWND next = Next(GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
  return true;
}

void TabOrder::Activated(bool active) {
  if (!active) {
    if (HWND current = Current()) saved_ = current;
    return;
  }
  if (CanFocus(saved_)) {
    SetFocus(saved_);
  } else {
    FocusFirst();
  }
}

void TabOrder::FocusFirst() {
  for (HWND control : order_) {
    if (CanFocus(control)) {
      SetFocus(control);
      return;
    }
  }
}

}  // namespace Forms
