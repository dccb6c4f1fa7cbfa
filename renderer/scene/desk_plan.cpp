#include "renderer/scene/desk_plan.h"

#include <algorithm>

namespace {

bool Within(const MonitorRect& inner, const MonitorRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width && inner.top + inner.height <= outer.top + outer.height;
}

// The monitors that need a view, the primary first: none lying within
// another; of two alike, the primary or else the earlier.
std::vector<DeskMonitor> Covered(const std::vector<DeskMonitor>& desk) {
  std::vector<DeskMonitor> order;
  for (const DeskMonitor& m : desk) {
    if (m.primary) order.insert(order.begin(), m); else order.push_back(m);
  }
  std::vector<DeskMonitor> covered;
  for (size_t i = 0; i < order.size(); ++i) {
    bool inside = false;
    for (size_t j = 0; j < order.size() && !inside; ++j) {
      if (i == j || !Within(order[i].area, order[j].area)) continue;
      inside = !(order[i].area == order[j].area) || j < i;
    }
    if (!inside) covered.push_back(order[i]);
  }
  return covered;
}

}  // namespace

DeskPlan PlanDesk(const std::vector<PlacedView>& views, const std::vector<DeskMonitor>& desk) {
  DeskPlan plan;
  if (views.empty()) return plan;
  std::vector<DeskMonitor> free = Covered(desk);
  if (free.empty()) {
    plan.primary = {views[0].device, views[0].area, true};
    for (size_t i = 1; i < views.size(); ++i) plan.further.push_back(DeskMonitor{views[i].device, views[i].area});
    return plan;
  }
  // Without a monitor marked primary the first listed stands in for it.
  plan.primary = free.front();
  free.erase(free.begin());

  plan.further.resize(views.size() - 1);
  const auto take = [&](size_t view, auto same) {
    if (plan.further[view - 1]) return;
    const auto m = std::find_if(free.begin(), free.end(), same);
    if (m == free.end()) return;
    plan.further[view - 1] = *m;
    free.erase(m);
  };
  for (size_t i = 1; i < views.size(); ++i) {
    take(i, [&](const DeskMonitor& m) { return m.device == views[i].device; });
  }
  for (size_t i = 1; i < views.size(); ++i) {
    take(i, [&](const DeskMonitor& m) { return m.area == views[i].area; });
  }
  const size_t kept = static_cast<size_t>(std::count_if(
      plan.further.begin(), plan.further.end(), [](const std::optional<DeskMonitor>& m) { return m.has_value(); }));
  for (size_t i = 0; i < free.size() && kept + i < kMaxFurtherMonitors; ++i) plan.joined.push_back(free[i]);
  return plan;
}
