#include "host/forms/app_pointer_win32.h"

namespace Forms {
namespace {

MousePointer appPointer = MousePointer::Default;

// The window under the pointer picks its pointer again, as after a move.
void RefreshPointer() {
  POINT at{};
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(LOWORD(hit), WM_MOUSEMOVE));
}

}  // namespace

void SetAppMousePointer(MousePointer pointer) {
  appPointer = pointer;
  if (!ShowAppMousePointer()) RefreshPointer();
}

MousePointer AppMousePointer() { return appPointer; }

bool ShowAppMousePointer() {
  if (appPointer == MousePointer::Default) return false;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

}  // namespace Forms
