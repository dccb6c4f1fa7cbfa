// The animation clock over a long night: the reduced time draws the frame
// the elapsed time stands for, at any hour up to a month.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "renderer/scene/camera.h"
#include "renderer/scene/clock.h"
#include "renderer/scene/facet.h"
#include "renderer/scene/wave_sheet.h"

namespace {

constexpr double kFourPi = 4 * M_PI;
constexpr double kMonth = 30 * 86400.0;

// Whole 4 pi periods from one to a month's worth, growing by half each time.
std::vector<double> PeriodCounts() {
  std::vector<double> ks;
  for (double k = 1; k * kFourPi <= kMonth; k = std::ceil(k * 1.5)) ks.push_back(k);
  ks.push_back(std::floor(kMonth / kFourPi));
  return ks;
}

// Phases across one period, the period's ends included.
std::vector<double> Phases() {
  std::vector<double> es;
  for (int i = 0; i <= 40; ++i) es.push_back(kFourPi * i / 40);
  es.push_back(0.37);
  es.push_back(kFourPi - 1e-6);
  return es;
}

float Worst(const FacetList& a, const FacetList& b) {
  float worst = 0;
  for (size_t i = 0; i < a.Size(); ++i)
    for (int k = 0; k < 3; ++k) worst = std::fmax(worst, std::fabs(a[i].corner[k].y - b[i].corner[k].y));
  return worst;
}

float Distance(Vec4 a, Vec4 b) { return std::fmax(std::fabs(a.x - b.x), std::fmax(std::fabs(a.y - b.y), std::fabs(a.z - b.z))); }

TEST(Clock, StaysWithinOnePeriod) {
  for (double e : {0.0, 1.0, kFourPi, 1e5, kMonth, 1e9, -0.5}) {
    const float t = AnimationTime(e);
    EXPECT_GE(t, 0.0f) << e;
    EXPECT_LE(t, static_cast<float>(kFourPi)) << e;
  }
  EXPECT_EQ(AnimationTime(0.25), 0.25f);  // the first period is the elapsed time itself
  EXPECT_FLOAT_EQ(AnimationTime(kFourPi + 0.25), 0.25f);
}

TEST(Clock, SheetAndEyeAfterWholePeriodsAreTheFirstPeriodsFrame) {
  FacetList early, late;
  for (double e : Phases()) {
    BuildWaveSheet(early, AnimationTime(e));
    const Vec4 eye = EyeAt(AnimationTime(e));
    for (double k : PeriodCounts()) {
      const float t = AnimationTime(e + k * kFourPi);
      BuildWaveSheet(late, t);
      EXPECT_LE(Worst(early, late), 1e-4f) << "phase " << e << " after " << k << " periods";
      EXPECT_LE(Distance(EyeAt(t), eye), 1e-4f) << "phase " << e << " after " << k << " periods";
    }
  }
}

TEST(Clock, LateFramesMatchTheTrueElapsedTimeWhereTheRawFloatDoesNot) {
  // The scene's formulas in double precision at the full elapsed time.
  auto trueEye = [](double s) {
    return Vec4{static_cast<float>(12 + 20 * std::sin(s / 2)), static_cast<float>(8 + 7 * std::cos(s / 2)),
                static_cast<float>(-12 + 20 * std::cos(s / 2)), 1};
  };
  float rawWorst = 0;
  for (double s : {10 * 3600.0 + 0.123, 10 * 86400.0 + 5.5, kMonth - 2.25, kMonth + 0.7}) {
    const Vec4 reduced = EyeAt(AnimationTime(s));
    EXPECT_LE(Distance(reduced, trueEye(s)), 1e-4f) << s;
    FacetList sheet;
    BuildWaveSheet(sheet, AnimationTime(s));
    for (size_t i = 0; i < sheet.Size(); i += 2) {
      const Vec4 p = sheet[i].corner[1];  // on the column line x = 2c + 2
      EXPECT_NEAR(p.y, 0.4 * std::sin(10 * s + p.x / 2), 1e-4) << s << " facet " << i;
    }
    rawWorst = std::fmax(rawWorst, Distance(EyeAt(static_cast<float>(s)), trueEye(s)));
  }
  // What the unreduced float would have drawn: visibly elsewhere.
  EXPECT_GT(rawWorst, 1e-2f);
}

}  // namespace
