// The further monitors from the host's list of the desk to the renderer's
// reading of the settings text (fuzz/monitor_rect_fuzz.cpp takes the texts
// the renderer refuses).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/session/monitor_layout.h"
#include "renderer/scene/monitor_list.h"

namespace {

using Ondrel_B::DeskMonitor;
using Ondrel_B::MonitorRect;

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

// n monitors of 1024 x 768 in a row starting left of the primary, which is listed among them.
std::vector<DeskMonitor> Row(int n, int primaryAt) {
  std::vector<DeskMonitor> desk;
  for (int i = 0; i < n; ++i) {
    const int left = (i - primaryAt) * 1024;
    desk.push_back({"", {left, 0, 1024, 768}, i == primaryAt});
  }
  return desk;
}

std::vector<MonitorRect> RowAreas(int n, int primaryAt) {
  std::vector<MonitorRect> out;
  for (int i = 0; i < n; ++i) {
    if (i != primaryAt) out.push_back({(i - primaryAt) * 1024, 0, 1024, 768});
  }
  return out;
}

TEST(MonitorLayout, FurtherMonitorsReachTheRendererAsTheHostSawThem) {
  const struct {
    const char* desk;
    std::vector<DeskMonitor> monitors;
    std::vector<MonitorRect> further;
  } cases[] = {
      {"one monitor", {{"", {0, 0, 1280, 1024}, true}}, {}},
      {"beside it, smaller", {{"", {0, 0, 1280, 1024}, true}, {"", {1280, 0, 1024, 768}, false}},
       {{1280, 0, 1024, 768}}},
      {"left of and above it, primary listed last",
       {{"", {-1920, -200, 1920, 1080}, false}, {"", {0, -1200, 1600, 1200}, false}, {"", {0, 0, 1280, 1024}, true}},
       {{-1920, -200, 1920, 1080}, {0, -1200, 1600, 1200}}},
      {"primary not at the origin: placed relative to it",
       {{"", {100, 50, 1280, 1024}, true}, {"", {-924, 50, 1024, 768}, false}},
       {{-1024, 0, 1024, 768}}},
      {"an empty monitor left out",
       {{"", {0, 0, 800, 600}, true}, {"", {800, 0, 800, 600}, false}, {"", {-640, 0, 0, 480}, false}},
       {{800, 0, 800, 600}}},
      {"no primary", {{"", {0, 0, 800, 600}, false}}, {}},
      {"seventeen, the primary among them: the first fifteen further ones", Row(17, 3), RowAreas(16, 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.desk);
    const std::vector<MonitorRect> further = Ondrel_B::FurtherMonitors(c.monitors);
    EXPECT_EQ(further, c.further);
    for (size_t i = 0; i < further.size(); ++i) {
      const std::string value = Narrow(Ondrel_B::MonitorValue(further[i]));
      const auto read = ParseMonitorRect(value);
      ASSERT_TRUE(read) << value;
      EXPECT_EQ(*read, further[i]) << value;
    }
  }
}

}  // namespace
