// A form's keyboard focus order: Tab and Shift+Tab move the focus along it,
// skipping controls that are disabled or hidden; the form's activation
// gives the focus back to where it was, or to the first control that takes it.
#pragma once

#include <windows.h>

#include <vector>

namespace Forms {

class TabOrder {
 public:
  // Controls in the order the focus visits them.
  void Add(HWND control) { order_.push_back(control); }

  // For the form's PreTranslate: true when a Tab key moved the focus.
  bool PreTranslate(const MSG& msg);

  // For the form's WM_ACTIVATE: remembers the focus when the form goes
  // inactive, and gives it back (or to the first control) when it comes back.
  void Activated(bool active);

  // The control in the order that holds the focus (itself or a child of it); null if none.
  HWND Current() const;
  // The next control from the current one that can take the focus; with
  // no current one, the first (or, backwards, the last).
  HWND Next(bool backwards) const;
  void FocusFirst();

 private:
  std::vector<HWND> order_;
  HWND saved_ = nullptr;
};

}  // namespace Forms
