// Velnora.dll: the renderer program. One borderless window titled
// "Ondrel_VC" with a WGL context, and a loop that never waits: every empty
// queue becomes a frame, until Escape or WM_CLOSE destroys the window.
#include <windows.h>

#include "renderer/clock.h"
#include "renderer/front_win32.h"
#include "renderer/gl_api.h"
#include "renderer/names.h"
#include "renderer/render.h"
#include "renderer/scene.h"
#include "renderer/wgl_win32.h"
#include "renderer/window_size.h"

namespace {

struct Renderer {
  HWND window = nullptr;
  HDC dc = nullptr;  // owned by the class (CS_OWNDC), kept until exit
  GlContext context;
  bool renderingEnabled = false;  // paint requests draw only while set
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  Scene scene;
};

Renderer& App() {
  static Renderer app;
  return app;
}

// Hides the cursor for the program's run and shows it again on every way out.
struct HiddenCursor {
  HiddenCursor() { ShowCursor(FALSE); }
  ~HiddenCursor() { ShowCursor(TRUE); }
};

void OnCreate(HWND window) {
  Renderer& app = App();
  app.dc = GetDC(window);
  SetupPixelFormat(app.dc);
  app.context.Create(app.dc);
}

void OnSize(LPARAM lParam) {
  Scene& scene = App().scene;
  scene.clientWidth = LOWORD(lParam);
  scene.clientHeight = HIWORD(lParam);
  glViewport(0, 0, scene.clientWidth, scene.clientHeight != 0 ? scene.clientHeight : 1);
}

void OnPaint(HWND window) {
  Renderer& app = App();
  // Before the loop runs nothing is drawn and the window stays invalid.
  if (!app.renderingEnabled) return;
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  app.scene.t = AnimationTime(static_cast<double>(now.QuadPart - app.start.QuadPart) /
                              static_cast<double>(app.frequency.QuadPart));
  RenderFrame(app.scene);
  SwapBuffers(app.dc);
  ValidateRect(window, nullptr);
  KeepInFront({window});
}

void OnKeyDown(HWND window, WPARAM key) {
  if (key == VK_ESCAPE) DestroyWindow(window);
}

void OnDestroy() {
  App().context.Reset();
  PostQuitMessage(0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_SIZE: OnSize(lParam); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_KEYDOWN: OnKeyDown(window, wParam); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// Draws frames back to back until WM_QUIT; returns its exit code.
int RunLoop(HWND window) {
  MSG msg{};
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  while (msg.message != WM_QUIT) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else {
      InvalidateRect(window, nullptr, FALSE);
    }
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Renderer& app = App();
  app.renderingEnabled = false;
  HiddenCursor cursor;

  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = kWindowName;
  const WindowSize size = ReadWindowSize();
  if (!RegisterClassA(&wc)) return 0;

  // Topmost: always-on-top windows of other programs must not stay live
  // above the saver.
  app.window = CreateWindowExA(WS_EX_TOPMOST, kWindowName, kWindowName, WS_POPUP, 0, 0, size.width, size.height,
                               nullptr, nullptr, instance, nullptr);
  if (app.window == nullptr) return 0;
  ShowWindow(app.window, SW_SHOW);
  UpdateWindow(app.window);
  TakeForeground(app.window);

  QueryPerformanceFrequency(&app.frequency);
  QueryPerformanceCounter(&app.start);
  if (!InitScene(app.scene, kSnapshotPath)) return 0;

  app.renderingEnabled = true;
  const int code = RunLoop(app.window);
  app.renderingEnabled = false;
  return code;
}
