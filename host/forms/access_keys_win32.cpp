#include "host/forms/access_keys_win32.h"

#include <cwctype>

#include "host/forms/widget_events.h"
#include "host/forms/widget_site.h"
#include "host/forms/widget_window_win32.h"

namespace Forms {

namespace {

const wchar_t kDefaultProp[] = L"VelnoraDefaultWidget";
const wchar_t kCancelProp[] = L"VelnoraCancelWidget";

struct Search {
  wchar_t key;
  const wchar_t* prop;
  WidgetWindow* found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  WidgetWindow* widget = WidgetWindow::FromHandle(window);
  if (!widget || !IsWindowEnabled(window) || !IsWindowVisible(window)) return TRUE;
  const bool match = search->prop ? GetPropW(window, search->prop) != nullptr : widget->site().AccessKey() == search->key;
  if (!match) return TRUE;
  search->found = widget;
  return FALSE;
}

bool Deliver(HWND from, wchar_t key, const wchar_t* prop) {
  HWND root = GetAncestor(from, GA_ROOT);
  if (!root) return false;
  Search search{key, prop, nullptr};
  EnumChildWindows(root, Visit, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  search.found->events().AccessKeyPress(key);
  return true;
}

}  // namespace

bool RouteAccessKey(const MSG& msg) {
  const bool widgetFocused = WidgetWindow::FromHandle(GetFocus()) != nullptr;
  switch (msg.message) {
    case WM_SYSCHAR:
      return Deliver(msg.hwnd, static_cast<wchar_t>(std::towlower(static_cast<wint_t>(msg.wParam))), nullptr);
    case WM_CHAR:
      if (!widgetFocused || msg.wParam < 0x20) return false;
      return Deliver(msg.hwnd, static_cast<wchar_t>(std::towlower(static_cast<wint_t>(msg.wParam))), nullptr);
    case WM_KEYDOWN:
      if (msg.wParam == VK_RETURN && !widgetFocused) return Deliver(msg.hwnd, L'\r', kDefaultProp);
      if (msg.wParam == VK_ESCAPE) return Deliver(msg.hwnd, 0x1B, kCancelProp);
      return false;
    default:
      return false;
  }
}

void SetDefaultWidget(HWND widget, bool isDefault) {
  if (isDefault) {
    SetPropW(widget, kDefaultProp, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(widget, kDefaultProp);
  }
}

void SetCancelWidget(HWND widget, bool isCancel) {
  if (isCancel) {
    SetPropW(widget, kCancelProp, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(widget, kCancelProp);
  }
}

}  // namespace Forms
