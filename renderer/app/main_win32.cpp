// Velnora.dll: the renderer program. One view over the primary monitor, its
// window titled "Ondrel_VC", and one over each further monitor the host
// listed, all topmost; a loop that never waits while a view draws: every
// empty queue becomes a round, one moment of the scene on every monitor,
// until Escape or WM_CLOSE in any window ends them all. Where no view has
// OpenGL the screen stays black and the loop waits for messages, as it does
// while nobody can see the views (displays off, the session locked or
// away): they stay up with their last frame, and draw again at once when
// someone can. Monitors plugged in, unplugged or changed meanwhile are
// followed: every monitor of the desk as it is now stays covered.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "renderer/app/audience_win32.h"
#include "renderer/app/desk_win32.h"
#include "renderer/app/front_win32.h"
#include "renderer/app/settings_win32.h"
#include "renderer/app/view_win32.h"
#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"
#include "renderer/scene/clock.h"
#include "renderer/scene/names.h"

namespace {

struct Renderer {
  std::vector<std::unique_ptr<View>> views;  // the primary's first
  bool renderingEnabled = false;  // paint requests draw only while set
  bool ending = false;            // the primary's window is being destroyed
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER frontChecked{};  // when KeepInFront last looked
  int frontRetakes = 0;          // its takes of the foreground still due
  std::vector<DeskMonitor> desk;  // the layout the views were last fitted to
  LARGE_INTEGER deskNext{};       // when the layout is next looked at
  LARGE_INTEGER deskSettled{};    // a second look after a change was announced; 0 for none
  HINSTANCE instance = nullptr;
  Audience audience;
  Scene scene;
};

Renderer& App() {
  static Renderer app;
  return app;
}

View& Primary() { return *App().views.front(); }

LARGE_INTEGER Now() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now;
}

LONGLONG Ticks(DWORD ms) { return App().frequency.QuadPart * ms / 1000; }

// Twenty times a second is soon enough to notice another program's window
// and spares every frame a walk of the z-order.
constexpr DWORD kFrontCheckMs = 50;

// A change of the desk the system did not announce is seen within a second;
// an announced one at once and again a moment later, as the message can come
// before the new layout has settled.
constexpr DWORD kDeskCheckMs = 1000;
constexpr DWORD kDeskSettleMs = 300;

// Hides the cursor for the program's run and shows it again on every way out.
struct HiddenCursor {
  HiddenCursor() { ShowCursor(FALSE); }
  ~HiddenCursor() { ShowCursor(TRUE); }
};

View* ViewOf(HWND window) { return reinterpret_cast<View*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

// The view whose paint request draws a round: the first one with a context.
View* RoundDriver() {
  for (const auto& v : App().views) {
    if (v->context.held()) return v.get();
  }
  return nullptr;
}

// Puts the views back on top and in front if another program came above,
// at most once every kFrontCheckMs.
void KeepInFrontIfDue() {
  Renderer& app = App();
  const LARGE_INTEGER now = Now();
  if (now.QuadPart - app.frontChecked.QuadPart < Ticks(kFrontCheckMs)) return;
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
  const LARGE_INTEGER now = Now();
  app.scene.t = AnimationTime(static_cast<double>(now.QuadPart - app.start.QuadPart) /
                              static_cast<double>(app.frequency.QuadPart));
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
    case WM_DISPLAYCHANGE:
      App().deskNext = Now();
      App().deskSettled.QuadPart = Now().QuadPart + Ticks(kDeskSettleMs);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Where a view lies and what is its own.
struct ViewPlace {
  const char* className;
  std::string title;
  MonitorRect area;
  bool swapWaits;
  int show = SW_SHOW;
};

// A borderless window over the place, shown and painted once; null when it
// cannot be made.
View* OpenView(HINSTANCE instance, const ViewPlace& place) {
  Renderer& app = App();
  // Listed before its window exists: the window's messages find it there.
  app.views.push_back(std::make_unique<View>());
  View& view = *app.views.back();
  view.swapWaits = place.swapWaits;
  view.area = place.area;
  const MonitorRect& a = place.area;
  // Topmost: always-on-top windows of other programs must not stay live
  // above the saver.
  if (!CreateWindowExA(WS_EX_TOPMOST, place.className, place.title.c_str(), WS_POPUP, a.left, a.top, a.width,
                       a.height, nullptr, nullptr, instance, &view)) {
    app.views.pop_back();
    return nullptr;
  }
  ShowWindow(view.window, place.show);
  UpdateWindow(view.window);
  return &view;
}

// The view's fixed GL state, projection and picture, where it draws.
void PrepareView(View& view, const char* picturePath) {
  if (MakeViewCurrent(view)) InitSceneView(view.picture, view.clientWidth, view.clientHeight, picturePath);
}

// A view over a further monitor, the n of its title given. Only the
// primary's swap, the last of a round, waits for the blank.
View* OpenFurtherView(size_t number, const MonitorRect& area, int show) {
  const std::string title = kMonitorWindowName + std::to_string(number);
  View* view = OpenView(App().instance, {kMonitorWindowName, title, area, false, show});
  if (view) view->number = number;
  return view;
}

// Views over the further monitors, each with its picture. A window that
// cannot be made leaves its monitor uncovered.
void OpenFurtherViews() {
  for (const FurtherMonitor& f : ReadFurtherMonitors()) {
    View* view = OpenFurtherView(f.number, f.area, SW_SHOW);
    if (view) PrepareView(*view, MonitorSnapshotPath(f.number).c_str());
  }
}

// The smallest n no view's title holds.
size_t FreeNumber() {
  size_t n = 1;
  for (bool taken = true; taken; n += taken ? 1 : 0) {
    taken = false;
    for (const auto& v : App().views) taken = taken || v->number == n;
  }
  return n;
}

void PlaceView(View& view, const DeskMonitor& monitor) {
  view.device = monitor.device;
  if (view.area == monitor.area) return;
  view.area = monitor.area;
  const MonitorRect& a = monitor.area;
  SetWindowPos(view.window, HWND_TOPMOST, a.left, a.top, a.width, a.height, SWP_NOACTIVATE);
}

// Fits the views to the desk: each kept one moved with its monitor, those
// whose monitor left closed, a new one over each monitor that joined,
// drawing the screen as it was there when it joined, or black where that
// picture or OpenGL cannot be had.
void FollowDesk(const std::vector<DeskMonitor>& desk) {
  Renderer& app = App();
  std::vector<PlacedView> placed;
  for (const auto& v : app.views) placed.push_back({v->device, v->area});
  const DeskPlan plan = PlanDesk(placed, desk);
  // Each joined monitor's screen is read before any view can lie over it.
  const std::vector<ScreenPicture> pictures = PicturesOf(plan.joined, desk);

  const bool enabled = app.renderingEnabled;
  app.renderingEnabled = false;  // no round while the views change
  PlaceView(Primary(), plan.primary);
  for (size_t i = app.views.size(); i-- > 1;) {
    if (plan.further[i - 1]) {
      PlaceView(*app.views[i], *plan.further[i - 1]);
    } else {
      app.views[i]->leaving = true;
      DestroyWindow(app.views[i]->window);
      app.views.erase(app.views.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  for (size_t j = 0; j < plan.joined.size(); ++j) {
    View* view = OpenFurtherView(FreeNumber(), plan.joined[j].area, SW_SHOWNOACTIVATE);
    if (!view) continue;
    view->device = plan.joined[j].device;
    const SnapshotImage& image = pictures[j].image;
    const bool drawn = image.width > 0 && MakeViewCurrent(*view) &&
                       InitSceneViewWith(view->picture, view->clientWidth, view->clientHeight, image);
    if (!drawn) {
      ReleaseView(*view);
      InvalidateRect(view->window, nullptr, FALSE);
    }
  }
  app.renderingEnabled = enabled;
}

// Looks at the layout when it is due; a layout unchanged since the last
// look changes nothing.
void FollowDeskIfDue() {
  Renderer& app = App();
  const LARGE_INTEGER now = Now();
  const bool settledDue = app.deskSettled.QuadPart != 0 && now.QuadPart >= app.deskSettled.QuadPart;
  if (now.QuadPart < app.deskNext.QuadPart && !settledDue) return;
  app.deskNext.QuadPart = now.QuadPart + Ticks(kDeskCheckMs);
  if (settledDue) app.deskSettled.QuadPart = 0;
  std::vector<DeskMonitor> desk = Desk::MonitorsNow();
  if (desk == app.desk) return;
  FollowDesk(desk);
  app.desk = std::move(desk);
}

// The desk the views were opened for, and the monitor each covers.
void NoteDesk() {
  Renderer& app = App();
  app.desk = Desk::MonitorsNow();
  for (const DeskMonitor& m : app.desk) {
    for (const auto& v : app.views) {
      if (m.area == v->area) v->device = m.device;
    }
    // The primary's view may be the smaller size the host recorded.
    if (m.primary) Primary().device = m.device;
  }
  app.deskNext.QuadPart = Now().QuadPart + Ticks(kDeskCheckMs);
}

// Until WM_QUIT, returning its exit code: frames back to back while a view
// draws and someone can see it; otherwise a still screen needs none, and
// the loop sleeps until a message comes or the front is due a look.
int RunLoop() {
  MSG msg{};
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  while (msg.message != WM_QUIT) {
    FollowDeskIfDue();
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else if (const View* driver = App().audience.Watching() ? RoundDriver() : nullptr) {
      InvalidateRect(driver->window, nullptr, FALSE);
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
  View* primary = OpenView(instance, {kWindowName, kWindowName, {0, 0, size.width, size.height}, true});
  if (primary == nullptr) return 0;

  QueryPerformanceFrequency(&app.frequency);
  QueryPerformanceCounter(&app.start);
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
