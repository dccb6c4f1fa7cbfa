// What the runtime's controls tell screen readers (Microsoft Active
// Accessibility). A window that has facts answers WM_GETOBJECT for its
// client area with an IAccessible of its own; what the facts do not cover
// (place, parent, children, hit tests) comes from the system's standard
// object for that window, so a wrapped system control keeps its own ways.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace Forms {

// A control as a screen reader learns it.
struct AccessibleFacts {
  long role = ROLE_SYSTEM_CLIENT;
  std::wstring name;            // without access-key ampersands
  std::wstring value;           // empty: none
  long state = 0;               // beyond what the window shows (see WindowState)
  std::wstring defaultAction;  // empty: the standard object's
  std::wstring shortcut;        // "Alt+N"; empty: none, whatever the window text holds
  bool textIsValue = false;   // the window's text is its value, not its name
};

inline AccessibleFacts FactsOfRole(long role) {
  AccessibleFacts facts;
  facts.role = role;
  return facts;
}

// The states any window shows by itself: unavailable while disabled,
// invisible while hidden, focusable as an enabled tab stop, focused while it
// has the keyboard focus.
long WindowState(HWND window);

// A caption as a screen reader says it: "&&" is an ampersand, "&x" is x.
std::wstring WithoutAccessKeys(const std::wstring& caption);

// The answer to WM_GETOBJECT for the client area of a window of the
// runtime; 0 (the system's own answer) where no object can be made.
LRESULT AnswerClientObject(HWND window, WPARAM wparam);

// Tells screen readers that the window's state changed in a way the window
// cannot see itself (a choice became chosen, the default button moved).
void AnnounceStateChange(HWND window);

}  // namespace Forms
