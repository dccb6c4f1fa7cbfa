// The views fitted to a desk that changed, beyond the plugging and the mode
// change the desk scenario drives: the plan in short, "primary | each
// further view | joined", a monitor "device@left,top,width x height", a
// closed view "-".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "renderer/scene/desk_plan.h"

namespace {

std::string Text(const DeskMonitor& m) {
  const MonitorRect& a = m.area;
  return m.device + "@" + std::to_string(a.left) + "," + std::to_string(a.top) + "," + std::to_string(a.width) + "x" +
         std::to_string(a.height);
}

std::string Text(const DeskPlan& p) {
  std::string out = Text(p.primary) + " |";
  for (const auto& f : p.further) out += " " + (f ? Text(*f) : "-");
  out += " |";
  for (const DeskMonitor& j : p.joined) out += " " + Text(j);
  return out;
}

const MonitorRect kPrimary{0, 0, 1280, 1024};
const MonitorRect kRight{1280, 0, 1024, 768};

TEST(DeskPlan, EveryMonitorOfTheDeskAsItIsNowHasOneView) {
  const struct {
    const char* change;
    std::vector<PlacedView> views;
    std::vector<DeskMonitor> desk;
    const char* plan;
  } cases[] = {
      {"the host's smaller window, a change elsewhere", {{"A", {0, 0, 1024, 768}}}, {{"A", kPrimary, true}},
       "A@0,0,1280x1024 | |"},
      {"unplugged", {{"A", kPrimary}, {"B", kRight}, {"C", {-1024, 0, 1024, 768}}},
       {{"A", kPrimary, true}, {"C", {-1024, 0, 1024, 768}}}, "A@0,0,1280x1024 | - C@-1024,0,1024x768 |"},
      {"the primary unplugged: its view goes over the new primary", {{"A", kPrimary}, {"B", kRight}},
       {{"B", {0, 0, 1024, 768}, true}}, "B@0,0,1024x768 | - |"},
      {"renamed in place keeps its view", {{"A", kPrimary}, {"B", kRight}}, {{"A", kPrimary, true}, {"D", kRight}},
       "A@0,0,1280x1024 | D@1280,0,1024x768 |"},
      {"a mirror and a duplicate need no view", {{"A", kPrimary}},
       {{"M", {0, 0, 640, 480}}, {"A", kPrimary, true}, {"B", kRight}, {"C", kRight}},
       "A@0,0,1280x1024 | | B@1280,0,1024x768"},
      {"none marked primary: the first listed", {{"A", kPrimary}}, {{"B", kRight}, {"A", kPrimary}},
       "B@1280,0,1024x768 | | A@0,0,1280x1024"},
      {"no monitor listed leaves every view", {{"A", kPrimary}, {"B", kRight}}, {},
       "A@0,0,1280x1024 | B@1280,0,1024x768 |"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(PlanDesk(c.views, c.desk)), c.plan) << c.change;
}

}  // namespace
