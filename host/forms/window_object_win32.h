// Every window of the forms runtime finds its object one way: the object is
// handed over at creation and stored with the window from WM_NCCREATE on,
// and each message goes to its HandleMessage. A system control the runtime
// wraps (the combo box) reaches its object through the same procedure by a
// subclass. Message watches see messages after the window's own handling.
// The same procedure answers screen readers for every window whose kind or
// owner describes it, and announces its state and name changes.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "host/forms/accessible_win32.h"

namespace Forms {

class MessageWatch;

// Where and how a runtime window is created.
struct WindowSpec {
  DWORD exStyle = 0;
  DWORD style = 0;
  const wchar_t* title = L"";
  RECT bounds{};  // the parent's client pixels; the screen's for a top-level window
  HWND parent = nullptr;
};

// Registers a runtime window class once; false when it cannot be registered.
[[nodiscard]] bool RegisterWindowClass(const wchar_t* name, UINT classStyle = 0);

class WindowObject {
 public:
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  HWND hWnd() const { return hwnd_; }

  // The object of a window the runtime made or wraps, or null.
  static WindowObject* FromHandle(HWND window);

  // What the window's owner adds to its kind's facts for screen readers
  // (a label that is a choice, a picture that is a link).
  std::function<void(AccessibleFacts&)> Describe;
  // A screen reader's default action; it runs from the message loop, as a
  // click's handler would, never inside the reader's call.
  std::function<void()> DefaultAction;

  // What a screen reader learns of the window now, its window states
  // included; none where the system's standard answer stands.
  std::optional<AccessibleFacts> Facts() const;
  // Queues the default action; false, and nothing done, while the window is
  // disabled or has none.
  bool RequestDefaultAction();

 protected:
  WindowObject() = default;
  // A window still there is cut loose from the object and destroyed.
  // Classes whose handlers must see the window's end destroy it themselves.
  virtual ~WindowObject();

  // A window of a class registered by RegisterWindowClass, whose messages
  // come to this object from WM_NCCREATE on. False when it cannot be made.
  [[nodiscard]] bool CreateOwnWindow(const wchar_t* className, const WindowSpec& spec);
  // Takes over the messages of a system control's window.
  [[nodiscard]] bool Wrap(HWND control);

  // What the window's kind says of itself; none leaves the window to the
  // system's standard answer unless its owner describes it.
  virtual std::optional<AccessibleFacts> KindFacts() const { return std::nullopt; }

  // Each message of the window; CallDefault gives it the usual handling.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallDefault(message, wparam, lparam);
  }
  LRESULT CallDefault(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  friend class MessageWatch;
  friend bool RegisterWindowClass(const wchar_t* name, UINT classStyle);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK WrapProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR ref);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  // The answers to screen readers, before the window's own handling.
  bool AnswerReader(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // Focus, state and name changes told to screen readers, after it.
  void AnnounceChange(UINT message) const;
  // Stops every watch and parts the window from this object.
  void CutLoose();

  HWND hwnd_ = nullptr;
  bool wrapped_ = false;
  std::vector<MessageWatch*> watches_;
};

}  // namespace Forms
