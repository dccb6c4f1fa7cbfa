// Pacing of the rounds as the loop meets it: rounds of some cost, waits
// that wake late, a pause, and the rate the display reports.
#include <gtest/gtest.h>

#include <algorithm>

#include "renderer/scene/round_schedule.h"

namespace {

TEST(RoundSchedule, KeepsToTheDisplaysRateWithoutBursts) {
  // 60 Hz on a counter of 60000 ticks a second: 1000 ticks a period.
  struct Case {
    const char* what;
    int64_t cost, late, pause;     // a round's cost; how late each wait wakes; a pause before round 60
    int64_t meanGap, shortestGap;  // over rounds 1 to 120
  } const cases[] = {
      {"cheap rounds, punctual waits", 100, 0, 0, 1000, 1000},
      {"waits a little late: the grid holds the rate", 100, 200, 0, 1000, 1000},
      {"waits late by more than a quarter period", 100, 400, 0, 1150, 1150},
      {"a round dearer than a period: the next at once", 1500, 0, 0, 1500, 1500},
      {"a pause of ten seconds is not made up for", 100, 0, 600000, (118 * 1000 + 600100) / 119, 1000},
  };
  for (const Case& c : cases) {
    RoundSchedule schedule;
    schedule.SetRate(60, 60000);
    int64_t now = 12345, first = 0, last = 0, shortest = INT64_MAX;
    for (int i = 0; i <= 120; ++i) {
      if (i == 60) now += c.pause;
      const int64_t wait = schedule.TicksUntilDue(now);
      if (wait > 0) now += wait + c.late;
      schedule.Started(now);
      if (i == 1) first = now;
      if (i > 1) shortest = std::min(shortest, now - last);
      last = now;
      now += c.cost;
    }
    EXPECT_EQ((last - first) / 119, c.meanGap) << c.what;
    EXPECT_EQ(shortest, c.shortestGap) << c.what;
  }
}

TEST(RoundSchedule, RateFromTheCompositionElseTheModeElseSixtyWithAHertzToSpare) {
  struct Case {
    uint32_t numerator, denominator, modeHz;
    double hz;
  } const cases[] = {
      {0, 0, 0, 61}, {0, 0, 1, 61}, {0, 0, 75, 76}, {60000, 1001, 59, 60000.0 / 1001 + 1},
      {144, 1, 60, 145}, {5, 0, 59, 60}, {1, 1, 0, 61}, {2000000, 1, 120, 121},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(PacingRate(c.numerator, c.denominator, c.modeHz), c.hz)
        << c.numerator << "/" << c.denominator << " mode " << c.modeHz;
  }
}

}  // namespace
