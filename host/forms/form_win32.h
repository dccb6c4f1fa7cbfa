// The base of every host window: one window class for all forms, each
// message routed to a small named handler, the load / query-unload / unload
// events, timers owned by the form, modal display and child embedding.
// A form is closed by Close() (or a close request from outside): query-unload
// may keep it open; otherwise unload runs and the window is destroyed.
// While an application-wide pointer is set, the form and its children show it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/forms/timer_win32.h"
#include "host/forms/window_object_win32.h"

namespace Forms {

struct FormLook {
  std::wstring title;
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  COLORREF background = 0x00000000;  // 0x00BBGGRR
  // Where the window is created; a form's load handler may place it anew.
  int x = 0, y = 0, width = 0, height = 0;
};

class Form : public WindowObject {
 public:
  ~Form() override;

  // Creates the window, not shown, then runs the load handler. False when
  // the window could not be created (the handler does not run then).
  [[nodiscard]] bool Load();
  void Show();
  // Shows the form and serves messages until it is gone. A quit request
  // that arrives meanwhile ends the wait and stays posted.
  void ShowModal();
  // Query-unload, then (unless refused) unload and the window's end.
  void Close();

  // Re-parents the loaded form into another window's client area as a child
  // window (a popup stops being one), with its style otherwise unchanged.
  void EmbedIn(HWND parent);

  // Ending the form ends the process's message loop (its last form).
  void SetEndsApplication(bool ends) { endsApplication_ = ends; }

  RECT ClientRect() const;

  // The form of a top-level window, or null.
  static Form* FromHandle(HWND window);
  // Offered each message of the form's windows before it is translated;
  // true when it was used up (access keys, focus moves between controls).
  virtual bool PreTranslate(MSG& msg);

 protected:
  explicit Form(FormLook look) : look_(std::move(look)) {}

  // A timer of this form; it is off until its handler switches it on.
  Timer& AddTimer(UINT intervalMs, std::function<void()> tick);

  virtual void OnLoad() {}
  // Return false to keep the form open.
  virtual bool OnQueryUnload() { return true; }
  virtual void OnUnload() {}
  // Messages the form handles beyond the ones above; true when handled.
  virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnTimer(UINT_PTR id);
  void OnEraseBackground(HDC dc);
  void OnDestroy();

  FormLook look_;
  HBRUSH background_ = nullptr;
  std::vector<std::unique_ptr<Timer>> timers_;
  bool closing_ = false;
  bool endsApplication_ = false;
};

}  // namespace Forms
