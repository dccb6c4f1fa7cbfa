// The preview form painting in a window of its own process, for the
// screenshot check: Wine 8 shows nothing that a process paints into a child
// of another process's window, so the picture is looked at here, drawn by
// the same code the host runs for /p.
//   preview_gallery <width> <height> <seconds>
// A window at (100, 100) holds a width x height area at (20, 20); prints
// "ready" once the preview form is embedded and painted.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cstdint>

#include "host/preview/preview_form_win32.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const int width = _wtoi(argv[1]), height = _wtoi(argv[2]);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = L"PreviewGalleryArea";
  RegisterClassW(&wc);
  HWND frame = CreateWindowExW(0, wc.lpszClassName, L"preview gallery", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                               100, width + 40, height + 40, nullptr, nullptr, wc.hInstance, nullptr);
  HWND area = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, width, height,
                              frame, nullptr, wc.hInstance, nullptr);
  if (!area || !Ondrel_B::ShowPreview(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(area)))) return 1;
  UpdateWindow(frame);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::puts("ready");
  std::fflush(stdout);
  SetTimer(nullptr, 0, static_cast<UINT>(_wtof(argv[3]) * 1000), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) break;
    DispatchMessageW(&msg);
  }
  DestroyWindow(frame);
  return 0;
}
