#include "host/forms/form_win32.h"

#include "host/forms/access_keys_win32.h"
#include "host/forms/app_pointer_win32.h"
#include "host/forms/control_window_win32.h"
#include "host/forms/message_loop_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kFormClass[] = L"VelnoraForm";

}  // namespace

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (background_) DeleteObject(background_);
}

bool Form::Load() {
  if (hwnd_ || !RegisterControlClass(kFormClass, Proc)) return false;
  background_ = CreateSolidBrush(look_.background);
  // The window procedure finds this object from WM_NCCREATE on.
  CreateWindowExW(look_.ex_style, kFormClass, look_.title.c_str(), look_.style & ~WS_VISIBLE, look_.x, look_.y,
                  look_.width, look_.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  for (auto& timer : timers_) timer->Attach(hwnd_);
  OnLoad();
  return true;
}

void Form::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void Form::ShowModal() {
  Show();
  RunModalLoop(hwnd_);
}

void Form::Close() {
  if (!hwnd_ || closing_) return;
  closing_ = true;
  if (!OnQueryUnload()) {
    closing_ = false;
    return;
  }
  OnUnload();
  DestroyWindow(hwnd_);
}

void Form::EmbedIn(HWND parent) {
  if (!hwnd_) return;
  // NOTE: a window that keeps WS_POPUP beside WS_CHILD is still treated as
  // top-level (GetParent gives its owner), so the popup bit goes.
  SetWindowLongW(hwnd_, GWL_STYLE, (GetWindowLongW(hwnd_, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
  SetParent(hwnd_, parent);
}

RECT Form::ClientRect() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r;
}

Form* Form::FromHandle(HWND window) {
  wchar_t name[32];
  if (!window || !GetClassNameW(window, name, 32) || lstrcmpW(name, kFormClass) != 0) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool Form::PreTranslate(MSG& msg) { return RouteAccessKey(msg); }

Timer& Form::AddTimer(UINT interval_ms, std::function<void()> tick) {
  timers_.push_back(std::make_unique<Timer>(timers_.size() + 1, interval_ms, std::move(tick)));
  if (hwnd_) timers_.back()->Attach(hwnd_);
  return *timers_.back();
}

LRESULT CALLBACK Form::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    created->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT Form::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (OnMessage(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    case WM_ERASEBKGND:
      OnEraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_SETCURSOR:
      // Child windows ask their form first: the application-wide pointer wins.
      if (ShowAppMousePointer()) return TRUE;
      return DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) Close();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void Form::OnTimer(UINT_PTR id) {
  for (auto& timer : timers_) {
    if (timer->Id() == id) timer->Fire();
  }
}

void Form::OnEraseBackground(HDC dc) {
  RECT all = ClientRect();
  if (background_) FillRect(dc, &all, background_);
}

void Form::OnDestroy() {
  for (auto& timer : timers_) timer->Detach();
  if (ends_application_) PostQuitMessage(0);
}

}  // namespace Forms
