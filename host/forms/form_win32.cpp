#include "host/forms/form_win32.h"

#include "host/forms/access_keys_win32.h"
#include "host/forms/app_pointer_win32.h"
#include "host/forms/message_loop_win32.h"

namespace Forms {
namespace {

constexpr wchar_t kFormClass[] = L"VelnoraForm";

}  // namespace

Form::~Form() {
  // Destroyed here, so that the form's own handlers see the window's end.
  if (hWnd()) DestroyWindow(hWnd());
  if (background_) DeleteObject(background_);
}

bool Form::Load() {
  if (hWnd() || !RegisterWindowClass(kFormClass)) return false;
  if (!background_) background_ = CreateSolidBrush(look_.background);
  const RECT bounds{look_.x, look_.y, look_.x + look_.width, look_.y + look_.height};
  if (!CreateOwnWindow(kFormClass, {look_.exStyle, look_.style & ~WS_VISIBLE, look_.title.c_str(), bounds})) {
    return false;
  }
  for (auto& timer : timers_) timer->Attach(hWnd());
  OnLoad();
  return true;
}

void Form::Show() {
  if (!hWnd()) return;
  ShowWindow(hWnd(), SW_SHOW);
  UpdateWindow(hWnd());
}

void Form::ShowModal() {
  Show();
  RunModalLoop(hWnd());
}

void Form::Close() {
  if (!hWnd() || closing_) return;
  closing_ = true;
  if (!OnQueryUnload()) {
    closing_ = false;
    return;
  }
  OnUnload();
  DestroyWindow(hWnd());
}

void Form::EmbedIn(HWND parent) {
  if (!hWnd()) return;
  // NOTE: a window that keeps WS_POPUP beside WS_CHILD is still treated as
  // top-level (GetParent gives its owner), so the popup bit goes.
  SetWindowLongW(hWnd(), GWL_STYLE, (GetWindowLongW(hWnd(), GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
  SetParent(hWnd(), parent);
}

RECT Form::ClientRect() const {
  RECT r{};
  if (hWnd()) GetClientRect(hWnd(), &r);
  return r;
}

Form* Form::FromHandle(HWND window) { return dynamic_cast<Form*>(WindowObject::FromHandle(window)); }

bool Form::PreTranslate(MSG& msg) { return RouteAccessKey(msg); }

Timer& Form::AddTimer(UINT intervalMs, std::function<void()> tick) {
  timers_.push_back(std::make_unique<Timer>(timers_.size() + 1, intervalMs, std::move(tick)));
  if (hWnd()) timers_.back()->Attach(hWnd());
  return *timers_.back();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      return CallDefault(message, wparam, lparam);
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
    default:
      return CallDefault(message, wparam, lparam);
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
  if (endsApplication_) PostQuitMessage(0);
}

}  // namespace Forms
