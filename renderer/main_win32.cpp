// Velnora.dll: the renderer program. One borderless window titled
// "Ondrel_VC" over the primary monitor, and one over each further monitor
// the host listed, all topmost, each with its own WGL context; a loop that
// never waits: every empty queue becomes a round of frames, one moment of
// the scene on every monitor, until Escape or WM_CLOSE in any window ends
// them all.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "renderer/clock.h"
#include "renderer/desk_monitors.h"
#include "renderer/front_win32.h"
#include "renderer/gl_api.h"
#include "renderer/names.h"
#include "renderer/render.h"
#include "renderer/scene.h"
#include "renderer/wgl_win32.h"
#include "renderer/window_size.h"

namespace {

// The window over a further monitor: the scene with that monitor's picture.
struct MonitorWindow {
  HWND window = nullptr;
  HDC dc = nullptr;  // owned by the class (CS_OWNDC)
  GlContext context;
  Texture picture;
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
};

struct Renderer {
  HWND window = nullptr;  // the primary's; the host watches its title
  HDC dc = nullptr;  // owned by the class (CS_OWNDC), kept until exit
  GlContext context;
  bool renderingEnabled = false;  // paint requests draw only while set
  bool ending = false;            // the primary's window is being destroyed
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER frontChecked{};  // when KeepInFront last looked
  int frontRetakes = 0;          // its takes of the foreground still due
  Scene scene;
  std::vector<std::unique_ptr<MonitorWindow>> further;
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

// The further monitor a window covers; null for the primary's window.
MonitorWindow* MonitorOf(HWND window) {
  return reinterpret_cast<MonitorWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void OnCreate(HWND window, MonitorWindow* m) {
  Renderer& app = App();
  HDC& dc = m ? m->dc : app.dc;
  GlContext& context = m ? m->context : app.context;
  dc = GetDC(window);
  SetupPixelFormat(dc);
  context.Create(dc);
  if (m) SwapWithoutWaiting();  // the primary's swap, last in a round, waits for all
}

void OnSize(LPARAM lParam, MonitorWindow* m) {
  Renderer& app = App();
  int32_t& width = m ? m->clientWidth : app.scene.clientWidth;
  int32_t& height = m ? m->clientHeight : app.scene.clientHeight;
  width = LOWORD(lParam);
  height = HIWORD(lParam);
  // With several windows the viewport goes to the context of the one resized.
  if (m) {
    m->context.MakeCurrent();
  } else if (!app.further.empty()) {
    app.context.MakeCurrent();
  }
  glViewport(0, 0, width, height != 0 ? height : 1);
}

// One round: the scene moves on once, then every further monitor's window
// and last the primary's draw that same moment.
void DrawRound() {
  Renderer& app = App();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  app.scene.t = AnimationTime(static_cast<double>(now.QuadPart - app.start.QuadPart) /
                              static_cast<double>(app.frequency.QuadPart));
  UpdateScene(app.scene, app.scene.t);
  for (const auto& m : app.further) {
    m->context.MakeCurrent();
    DrawFrame(app.scene, m->picture);
    SwapBuffers(m->dc);
    ValidateRect(m->window, nullptr);
  }
  // One window: its context never stops being current.
  if (!app.further.empty()) app.context.MakeCurrent();
  DrawFrame(app.scene);
  SwapBuffers(app.dc);
  // Twenty times a second is soon enough to notice another program's window
  // and spares every frame a walk of the z-order.
  if (now.QuadPart - app.frontChecked.QuadPart >= app.frequency.QuadPart / 20) {
    app.frontChecked = now;
    std::vector<HWND> ours{app.window};
    for (const auto& m : app.further) ours.push_back(m->window);
    KeepInFront(ours, app.frontRetakes);
  }
}

void OnPaint(HWND window, MonitorWindow* m) {
  // Before the loop runs nothing is drawn and the window stays invalid.
  if (!App().renderingEnabled) return;
  // A further monitor's window is drawn by the primary's round.
  if (!m) DrawRound();
  ValidateRect(window, nullptr);
}

void OnDestroy(MonitorWindow* m) {
  Renderer& app = App();
  if (m) {
    m->context.MakeCurrent();
    ReleaseTexture(m->picture);
    m->context.Reset();
    // Whatever ends one window ends the renderer.
    if (!app.ending) DestroyWindow(app.window);
    return;
  }
  app.ending = true;
  for (const auto& f : app.further) DestroyWindow(f->window);
  app.context.Reset();
  PostQuitMessage(0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  MonitorWindow* m = MonitorOf(window);
  switch (message) {
    case WM_CREATE: OnCreate(window, m); return 0;
    case WM_SIZE: OnSize(lParam, m); return 0;
    case WM_PAINT: OnPaint(window, m); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(App().window);
      return 0;
    // Escape or WM_CLOSE in any window ends them all: the primary's end takes the others along.
    case WM_CLOSE: DestroyWindow(App().window); return 0;
    case WM_DESTROY: OnDestroy(m); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
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

// One of the renderer's borderless windows over an area of the screen, not
// yet shown; monitor is null for the primary's.
HWND CreateRendererWindow(HINSTANCE instance, const char* className, const char* title, const MonitorRect& area,
                          MonitorWindow* monitor) {
  // Topmost: always-on-top windows of other programs must not stay live
  // above the saver.
  return CreateWindowExA(WS_EX_TOPMOST, className, title, WS_POPUP, area.left, area.top, area.width, area.height,
                         nullptr, nullptr, instance, monitor);
}

// Windows over the further monitors, each with its picture. A window that
// cannot be made leaves its monitor uncovered; the primary's context is
// current again afterwards.
void OpenFurtherWindows(HINSTANCE instance, WNDCLASSA wc) {
  Renderer& app = App();
  const std::vector<FurtherMonitor> monitors = ReadFurtherMonitors();
  if (monitors.empty()) return;
  // A class of their own: the class "Ondrel_VC" and the title have one window each.
  wc.lpszClassName = kMonitorWindowName;
  if (!RegisterClassA(&wc)) return;
  for (const FurtherMonitor& f : monitors) {
    auto m = std::make_unique<MonitorWindow>();
    const std::string title = kMonitorWindowName + std::to_string(f.number);
    m->window = CreateRendererWindow(instance, kMonitorWindowName, title.c_str(), f.area, m.get());
    if (!m->window) continue;
    ShowWindow(m->window, SW_SHOW);
    UpdateWindow(m->window);
    m->context.MakeCurrent();
    InitSceneView(m->picture, m->clientWidth, m->clientHeight, MonitorSnapshotPath(f.number).c_str());
    app.further.push_back(std::move(m));
  }
  app.context.MakeCurrent();
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

  app.window = CreateRendererWindow(instance, kWindowName, kWindowName, {0, 0, size.width, size.height}, nullptr);
  if (app.window == nullptr) return 0;
  ShowWindow(app.window, SW_SHOW);
  UpdateWindow(app.window);

  QueryPerformanceFrequency(&app.frequency);
  QueryPerformanceCounter(&app.start);
  if (!InitScene(app.scene, kSnapshotPath)) return 0;
  OpenFurtherWindows(instance, wc);
  // The keys belong to the saver: the host handed on its right to the foreground.
  TakeForeground(app.window);

  app.renderingEnabled = true;
  const int code = RunLoop(app.window);
  app.renderingEnabled = false;
  return code;
}
