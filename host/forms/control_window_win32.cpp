#include "host/forms/control_window_win32.h"

namespace Forms {

bool RegisterControlClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HWND CreateControlWindow(const wchar_t* class_name, DWORD style, HWND parent, const RECT& bounds, void* owner) {
  HWND window = CreateWindowExW(0, class_name, L"", (style | WS_CHILD) & ~WS_VISIBLE, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return window;
}

void PaintParentBackdrop(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (!parent) return;
  POINT at{0, 0};
  MapWindowPoints(child, parent, &at, 1);
  POINT before{};
  OffsetViewportOrgEx(dc, -at.x, -at.y, &before);
  // A form fills its background on the first; a widget shows its surface on the second.
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, before.x, before.y, nullptr);
}

int ButtonOfMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return 1;
    case WM_RBUTTONDOWN: return 2;
    case WM_MBUTTONDOWN: return 4;
    default: return 0;
  }
}

}  // namespace Forms
