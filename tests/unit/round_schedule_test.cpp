// Pacing of the rounds, as the loop meets it: rounds of some cost, waits
// that wake a little late, a pause, and the rate the display reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "renderer/scene/round_schedule.h"

namespace {

constexpr int64_t kTicksPerSecond = 60000;  // 1000 ticks a period at 60 Hz

// Starts of `rounds` rounds run as the loop runs them: a wait until due
// that ends `late` ticks after it, then a round costing `cost` ticks; the
// round at `pauseAt` comes `pause` ticks late (the displays were off).
std::vector<int64_t> Starts(int rounds, int64_t cost, int64_t late, int pauseAt = -1, int64_t pause = 0) {
  RoundSchedule schedule;
  schedule.SetRate(60, kTicksPerSecond);
  std::vector<int64_t> starts;
  int64_t now = 12345;
  for (int i = 0; i < rounds; ++i) {
    if (i == pauseAt) now += pause;
    const int64_t wait = schedule.TicksUntilDue(now);
    if (wait > 0) now += wait + late;
    schedule.Started(now);
    starts.push_back(now);
    now += cost;
  }
  return starts;
}

TEST(RoundSchedule, KeepsToTheDisplaysRateWithoutBursts) {
  struct Case {
    const char* what;
    int64_t cost, late;
    int64_t meanGap, shortestGap;  // over the rounds after the first
  } const cases[] = {
      {"cheap rounds, punctual waits", 100, 0, 1000, 1000},
      {"waits a little late: the grid holds the rate", 100, 200, 1000, 1000},
      {"waits late by more than a quarter period", 100, 400, 1150, 1150},
      {"a round dearer than a period: the next at once", 1500, 0, 1500, 1500},
      {"a round just short of a period", 990, 0, 1000, 1000},
  };
  for (const Case& c : cases) {
    const std::vector<int64_t> s = Starts(121, c.cost, c.late);
    int64_t shortest = s[2] - s[1];
    for (size_t i = 2; i < s.size(); ++i) shortest = std::min(shortest, s[i] - s[i - 1]);
    EXPECT_EQ((s.back() - s[1]) / 119, c.meanGap) << c.what;
    EXPECT_EQ(shortest, c.shortestGap) << c.what;
  }
}

TEST(RoundSchedule, APauseIsNotMadeUpFor) {
  const std::vector<int64_t> s = Starts(40, 100, 0, 20, 10 * kTicksPerSecond);
  for (size_t i = 21; i < s.size(); ++i) EXPECT_GE(s[i] - s[i - 1], 1000) << "round " << i;
}

TEST(RoundSchedule, RateFromTheCompositionElseTheModeElseSixtyWithAHertzToSpare) {
  struct Case {
    uint32_t numerator, denominator, modeHz;
    double hz;
  } const cases[] = {
      {0, 0, 0, 61},           {0, 0, 1, 61},   {0, 0, 75, 76},  {60000, 1001, 59, 60000.0 / 1001 + 1},
      {144, 1, 60, 145},       {5, 0, 59, 60},  {1, 1, 0, 61},   {2000000, 1, 120, 121},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(PacingRate(c.numerator, c.denominator, c.modeHz), c.hz)
        << c.numerator << "/" << c.denominator << " mode " << c.modeHz;
  }
}

}  // namespace
