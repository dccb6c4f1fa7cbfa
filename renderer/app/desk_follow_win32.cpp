#include "renderer/app/desk_follow_win32.h"

#include "renderer/app/desk_win32.h"
#include "renderer/app/pacing_win32.h"
#include "renderer/app/renderer_win32.h"
#include "renderer/app/views_win32.h"
#include "renderer/gl/view_setup.h"

namespace {

// A change of the desk the system did not announce is seen within a second;
// an announced one at once and again a moment later.
constexpr DWORD kDeskCheckMs = 1000;
constexpr DWORD kDeskSettleMs = 300;

// The rounds keep to the primary's rate of the moment.
void PaceToPrimary(const std::vector<DeskMonitor>& desk) {
  std::string device;
  for (const DeskMonitor& m : desk) {
    if (m.primary) device = m.device;
  }
  App().rounds.SetRate(DisplayRate(device), App().frequency);
}

// Where each view lies, and the monitor it was put over.
std::vector<PlacedView> Placed() {
  std::vector<PlacedView> placed;
  for (const auto& v : App().views) placed.push_back({v->device, v->area});
  return placed;
}

// Fits the views to the desk: each kept one moved with its monitor, those
// whose monitor left closed, a new one over each monitor that joined,
// drawing the screen as it was there when it joined, or black where that
// picture or OpenGL cannot be had.
void FollowDesk(const std::vector<DeskMonitor>& desk) {
  Renderer& app = App();
  const DeskPlan plan = PlanDesk(Placed(), desk);
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

}  // namespace

void NoteDesk() {
  Renderer& app = App();
  app.desk.layout = Desk::MonitorsNow();
  for (const DeskMonitor& m : app.desk.layout) {
    for (const auto& v : app.views) {
      if (m.area == v->area) v->device = m.device;
    }
    // The primary's view may be the smaller size the host recorded.
    if (m.primary) Primary().device = m.device;
  }
  PaceToPrimary(app.desk.layout);
  app.desk.next = Now() + Ticks(kDeskCheckMs);
  // A monitor plugged in since the host listed the desk has no view yet:
  // the first look covers it.
  if (!PlanDesk(Placed(), app.desk.layout).joined.empty()) {
    app.desk.layout.clear();
    app.desk.next = Now();
  }
}

void DeskAnnounced() {
  DeskWatch& watch = App().desk;
  watch.next = Now();
  watch.settled = Now() + Ticks(kDeskSettleMs);
}

void FollowDeskIfDue() {
  Renderer& app = App();
  DeskWatch& watch = app.desk;
  const int64_t now = Now();
  const bool settledDue = watch.settled != 0 && now >= watch.settled;
  if (now < watch.next && !settledDue) return;
  watch.next = now + Ticks(kDeskCheckMs);
  if (settledDue) watch.settled = 0;
  std::vector<DeskMonitor> desk = Desk::MonitorsNow();
  PaceToPrimary(desk);
  if (desk == watch.layout) return;
  FollowDesk(desk);
  watch.layout = std::move(desk);
}
