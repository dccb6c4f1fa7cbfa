// Velnora.dll: the renderer program. One view over the primary monitor, its
// window titled "Ondrel_VC", and one over each further monitor the host
// listed, all topmost; a loop that draws a round, one moment of the scene on
// every monitor, as often as the primary display shows a frame, and between
// rounds waits for messages, until Escape or WM_CLOSE in any window ends
// them all. Where no view has OpenGL the screen stays black and the loop
// only waits, as it does while nobody can see the views (displays off, the
// session locked or away): they stay up with their last frame, and draw
// again at once when someone can. Monitors plugged in, unplugged or changed
// meanwhile are followed: every monitor of the desk as it is now stays covered.
#include <windows.h>

#include "renderer/app/desk_follow_win32.h"
#include "renderer/app/front_win32.h"
#include "renderer/app/pacing_win32.h"
#include "renderer/app/renderer_win32.h"
#include "renderer/app/settings_win32.h"
#include "renderer/app/views_win32.h"
#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"
#include "renderer/scene/clock.h"
#include "renderer/scene/names.h"

namespace {

// Twenty times a second is soon enough to notice another program's window
// and spares every frame a walk of the z-order.
constexpr DWORD kFrontCheckMs = 50;

// Hides the cursor for the program's run and shows it again on every way out.
struct HiddenCursor {
  HiddenCursor() { ShowCursor(FALSE); }
  ~HiddenCursor() { ShowCursor(TRUE); }
};

View* ViewOf(HWND window) { return reinterpret_cast<View*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

// Puts the views back on top and in front if another program came above,
// at most once every kFrontCheckMs.
void KeepInFrontIfDue() {
  Renderer& app = App();
  const int64_t now = Now();
  if (now - app.frontChecked < Ticks(kFrontCheckMs)) return;
  app.frontChecked = now;
  std::vector<HWND> ours;
  for (const auto& v : app.views) ours.push_back(v->window);
  KeepInFront(ours, app.frontRetakes);
}

void DrawView(View& view) {
  if (!MakeViewCurrent(view)) return;
  DrawFrame(App().scene, view.picture);
  // A failed swap leaves the last frame up; the next round tries again.
  SwapBuffers(view.dc);
  ValidateRect(view.window, nullptr);
}

// One round: the scene moves on once, then every further monitor's view
// and last the primary's, whose swap alone waits for the blank, draw that
// same moment.
void DrawRound() {
  Renderer& app = App();
  const int64_t now = Now();
  app.rounds.Started(now);
  app.scene.t = AnimationTime(static_cast<double>(now - app.start) / static_cast<double>(app.frequency));
  UpdateScene(app.scene, app.scene.t);
  for (size_t i = 1; i < app.views.size(); ++i) DrawView(*app.views[i]);
  DrawView(Primary());
  KeepInFrontIfDue();
}

void OnSize(View& view, LPARAM lParam) {
  view.clientWidth = LOWORD(lParam);
  view.clientHeight = HIWORD(lParam);
  if (!MakeViewCurrent(view)) return;
  glViewport(0, 0, view.clientWidth, view.clientHeight != 0 ? view.clientHeight : 1);
  SetProjection(view.clientWidth, view.clientHeight);
}

void OnPaint(View& view) {
  if (!view.context.held()) {
    PaintBlack(view.window);
  } else if (!App().renderingEnabled) {
    // Before the loop runs nothing is drawn and the window stays invalid.
  } else if (&view == RoundDriver()) {
    DrawRound();
  } else {
    ValidateRect(view.window, nullptr);  // drawn by the driver's round
  }
}

// Whatever ends one window ends the renderer: the primary's end takes the
// others along, and the host watches the primary's title.
void EndRenderer() { DestroyWindow(Primary().window); }

// Escape ends the renderer; other keys and the mouse change nothing.
void OnKeyDown(WPARAM key) {
  if (key == VK_ESCAPE) EndRenderer();
}

void OnDestroy(View& view) {
  Renderer& app = App();
  ReleaseView(view);
  if (view.leaving) return;
  if (&view != &Primary()) {
    if (!app.ending) EndRenderer();
    return;
  }
  app.ending = true;
  app.audience.Stop();
  for (size_t i = 1; i < app.views.size(); ++i) DestroyWindow(app.views[i]->window);
  PostQuitMessage(0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  View* view = ViewOf(window);
  if (view == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: SetUpView(*view, window); return 0;
    case WM_SIZE: OnSize(*view, lParam); return 0;
    case WM_PAINT: OnPaint(*view); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_CLOSE: EndRenderer(); return 0;
    case WM_DESTROY: OnDestroy(*view); return 0;
    case WM_POWERBROADCAST: App().audience.OnPower(wParam, lParam); return TRUE;
    case WM_WTSSESSION_CHANGE: App().audience.OnSession(wParam); return 0;
    case WM_DISPLAYCHANGE: DeskAnnounced(); break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Until WM_QUIT, returning its exit code. While a view draws and someone
// can see it, a round as soon as one is due and, until then, a wait that
// any message ends; otherwise a still screen needs no rounds, and the loop
// sleeps until a message comes or the front is due a look.
int RunLoop() {
  Renderer& app = App();
  RoundWait wait;
  MSG msg{};
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  while (msg.message != WM_QUIT) {
    FollowDeskIfDue();
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else if (const View* driver = app.audience.Watching() ? RoundDriver() : nullptr) {
      const int64_t due = app.rounds.TicksUntilDue(Now());
      if (due == 0) {
        InvalidateRect(driver->window, nullptr, FALSE);
      } else {
        wait.Wait(due, app.frequency);
      }
    } else {
      const DWORD woke = MsgWaitForMultipleObjects(0, nullptr, FALSE, kFrontCheckMs, QS_ALLINPUT);
      if (woke == WAIT_FAILED) Sleep(kFrontCheckMs);  // a wait that fails must not become a spin
      KeepInFrontIfDue();
    }
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Renderer& app = App();
  app.renderingEnabled = false;
  app.instance = instance;
  HiddenCursor cursor;

  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = kWindowName;
  const WindowSize size = ReadWindowSize();
  if (!RegisterClassA(&wc)) return 0;
  // A class of their own for the further monitors' views: the class
  // "Ondrel_VC" and the title have one window each. Without it they fail
  // to open, as any window that cannot be made.
  wc.lpszClassName = kMonitorWindowName;
  RegisterClassA(&wc);

  // The primary's view: the class and title the host looks for, at the
  // corner, of the size the host recorded.
  View* primary = OpenView({kWindowName, kWindowName, {0, 0, size.width, size.height}, true});
  if (primary == nullptr) return 0;

  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  app.frequency = frequency.QuadPart;
  app.start = Now();
  PrepareView(*primary, kSnapshotPath);
  PlaceScene(app.scene);
  OpenFurtherViews();
  NoteDesk();
  // The keys belong to the saver: the host handed on its right to the foreground.
  TakeForeground(primary->window);
  app.audience.Listen(primary->window);

  app.renderingEnabled = true;
  const int code = RunLoop();
  app.renderingEnabled = false;
  return code;
}
