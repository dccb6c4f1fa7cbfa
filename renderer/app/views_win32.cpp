#include "renderer/app/views_win32.h"

#include "renderer/app/renderer_win32.h"
#include "renderer/app/settings_win32.h"
#include "renderer/gl/view_setup.h"
#include "renderer/scene/names.h"

View* OpenView(const ViewPlace& place) {
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
                       a.height, nullptr, nullptr, app.instance, &view)) {
    app.views.pop_back();
    return nullptr;
  }
  ShowWindow(view.window, place.show);
  UpdateWindow(view.window);
  return &view;
}

void PrepareView(View& view, const char* picturePath) {
  if (MakeViewCurrent(view)) InitSceneView(view.picture, view.clientWidth, view.clientHeight, picturePath);
}

View* OpenFurtherView(size_t number, const MonitorRect& area, int show) {
  const std::string title = kMonitorWindowName + std::to_string(number);
  View* view = OpenView({kMonitorWindowName, title, area, false, show});
  if (view) view->number = number;
  return view;
}

void OpenFurtherViews() {
  for (const FurtherMonitor& f : ReadFurtherMonitors()) {
    View* view = OpenFurtherView(f.number, f.area, SW_SHOW);
    if (view) PrepareView(*view, Desk::MonitorSnapshotFile<char>(f.number).c_str());
  }
}

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

View* RoundDriver() {
  for (const auto& v : App().views) {
    if (v->context.held()) return v.get();
  }
  return nullptr;
}
