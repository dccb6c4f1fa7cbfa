#include "renderer/app/front_win32.h"

#include <algorithm>

void TakeForeground(HWND window) {
  SetForegroundWindow(window);
  // NOTE: Wine moves the X keyboard focus only when the focus changes
  // window; a window that kept its thread's focus while another program was
  // active would stay without the keys.
  if (GetFocus() == window) SetFocus(nullptr);
  SetFocus(window);
}

namespace {

bool IsOurs(const std::vector<HWND>& windows, HWND w) {
  return std::find(windows.begin(), windows.end(), w) != windows.end();
}

void KeepOnTop(const std::vector<HWND>& windows) {
  size_t ours_seen = 0;
  for (HWND w = GetTopWindow(nullptr); w && ours_seen < windows.size(); w = GetWindow(w, GW_HWNDNEXT)) {
    if (IsOurs(windows, w)) {
      ++ours_seen;
      continue;
    }
    if (!IsWindowVisible(w)) continue;
    // NOTE: a program may raise its own always-on-top window at any time;
    // it then lies above ours until we take the top again.
    for (HWND mine : windows) {
      SetWindowPos(mine, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return;
  }
}

}  // namespace

void KeepInFront(const std::vector<HWND>& windows, int& retakes) {
  if (windows.empty()) return;
  KeepOnTop(windows);
  // Keys typed during the session belong to the saver, also after another
  // program activated a window of its own.
  if (!IsOurs(windows, GetForegroundWindow())) {
    TakeForeground(windows.front());
    // NOTE: under Wine that focus request sometimes leaves the X keyboard
    // focus with the other program while Wine reports the foreground as
    // ours; the next few calls ask again.
    retakes = 6;
  } else if (retakes > 0) {
    --retakes;
    HWND focus = GetFocus();
    TakeForeground(IsOurs(windows, focus) ? focus : windows.front());
  }
}
