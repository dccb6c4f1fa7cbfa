#include "host/forms/window_object_win32.h"

#include <commctrl.h>

#include "host/forms/message_watch_win32.h"

namespace Forms {
namespace {

// A wrapped control keeps its own user data: its object is a window property.
constexpr wchar_t kWrappedObject[] = L"Forms.WindowObject";

// Posted to a window to run its default action from the message loop.
UINT DefaultActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"Velnora.DefaultAction");
  return message;
}

}  // namespace

bool RegisterWindowClass(const wchar_t* name, UINT classStyle) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = WindowObject::Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

WindowObject::~WindowObject() {
  HWND window = hwnd_;
  CutLoose();
  if (window) DestroyWindow(window);
}

WindowObject* WindowObject::FromHandle(HWND window) {
  if (!window) return nullptr;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == Proc) {
    return reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  return static_cast<WindowObject*>(GetPropW(window, kWrappedObject));
}

bool WindowObject::CreateOwnWindow(const wchar_t* className, const WindowSpec& spec) {
  if (hwnd_) return false;
  const RECT& b = spec.bounds;
  // Proc stores the window and this object at WM_NCCREATE.
  CreateWindowExW(spec.exStyle, className, spec.title, spec.style, b.left, b.top, b.right - b.left,
                  b.bottom - b.top, spec.parent, nullptr, GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

bool WindowObject::Wrap(HWND control) {
  if (hwnd_ || !control) return false;
  if (!SetPropW(control, kWrappedObject, this)) return false;
  if (!SetWindowSubclass(control, WrapProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
    RemovePropW(control, kWrappedObject);
    return false;
  }
  hwnd_ = control;
  wrapped_ = true;
  return true;
}

LRESULT WindowObject::CallDefault(UINT message, WPARAM wparam, LPARAM lparam) {
  return wrapped_ ? DefSubclassProc(hwnd_, message, wparam, lparam) : DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK WindowObject::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (created) {
      created->hwnd_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
  }
  auto* self = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  return self->Dispatch(message, wparam, lparam);
}

LRESULT CALLBACK WindowObject::WrapProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR ref) {
  auto* self = reinterpret_cast<WindowObject*>(ref);
  if (!self) return DefSubclassProc(window, message, wparam, lparam);
  return self->Dispatch(message, wparam, lparam);
}

std::optional<AccessibleFacts> WindowObject::Facts() const {
  std::optional<AccessibleFacts> facts = KindFacts();
  if (!facts && !Describe) return std::nullopt;
  if (!facts) facts.emplace();
  if (Describe) Describe(*facts);
  if (hwnd_) facts->state |= WindowState(hwnd_);
  return facts;
}

bool WindowObject::RequestDefaultAction() {
  if (!DefaultAction || !hwnd_ || !IsWindowEnabled(hwnd_)) return false;
  return PostMessageW(hwnd_, DefaultActionMessage(), 0, 0) != 0;
}

bool WindowObject::AnswerReader(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == DefaultActionMessage()) {
    // Disabled since it was asked for: nothing happens, as for a click.
    if (DefaultAction && IsWindowEnabled(hwnd_)) DefaultAction();
    result = 0;
    return true;
  }
  // NOTE: the object id arrives sign-extended in a 64-bit lParam.
  if (message != WM_GETOBJECT || static_cast<DWORD>(lparam) != static_cast<DWORD>(OBJID_CLIENT) || !Facts()) {
    return false;
  }
  result = AnswerClientObject(hwnd_, wparam);
  return result != 0;
}

// NOTE: the system itself announces the focus moving to a window.
void WindowObject::AnnounceChange(UINT message) const {
  DWORD event = 0;
  if (message == WM_ENABLE) event = EVENT_OBJECT_STATECHANGE;
  if (message == WM_SETTEXT) event = EVENT_OBJECT_NAMECHANGE;
  if (!event || !hwnd_) return;
  const std::optional<AccessibleFacts> facts = Facts();
  if (!facts) return;
  if (event == EVENT_OBJECT_NAMECHANGE && facts->textIsValue) event = EVENT_OBJECT_VALUECHANGE;
  NotifyWinEvent(event, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT WindowObject::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (AnswerReader(message, wparam, lparam, result)) return result;
  result = HandleMessage(message, wparam, lparam);
  AnnounceChange(message);
  // A handler may stop its own watch or another: look each one up afresh.
  for (size_t i = 0; i < watches_.size(); ++i) {
    MessageWatch* watch = watches_[i];
    if (watch->message_ == message && watch->handler_) watch->handler_(message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) CutLoose();
  return result;
}

void WindowObject::CutLoose() {
  for (MessageWatch* watch : watches_) watch->target_ = nullptr;
  watches_.clear();
  if (!hwnd_) return;
  if (wrapped_) {
    RemoveWindowSubclass(hwnd_, WrapProc, 0);
    RemovePropW(hwnd_, kWrappedObject);
  } else {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  }
  hwnd_ = nullptr;
  wrapped_ = false;
}

}  // namespace Forms
