#include "renderer/scene/round_schedule.h"

#include <algorithm>

namespace {
constexpr double kDefaultHz = 60.0;
constexpr double kHeadroomHz = 1.0;
// Rates past this are no display's: a composition's answer out of range.
constexpr double kMaxHz = 1000.0;
}  // namespace

double PacingRate(uint32_t compositionNumerator, uint32_t compositionDenominator, uint32_t modeHz) {
  double hz = kDefaultHz;
  const double composed = compositionDenominator != 0 ? double(compositionNumerator) / compositionDenominator : 0.0;
  if (composed > 1.0 && composed <= kMaxHz) {
    hz = composed;
  } else if (modeHz > 1 && modeHz <= kMaxHz) {
    hz = modeHz;
  }
  return hz + kHeadroomHz;
}

void RoundSchedule::SetRate(double hz, int64_t ticksPerSecond) {
  period_ = hz > 0 ? static_cast<int64_t>(static_cast<double>(ticksPerSecond) / hz) : 0;
}

int64_t RoundSchedule::TicksUntilDue(int64_t now) const {
  return started_ && due_ > now ? due_ - now : 0;
}

void RoundSchedule::Started(int64_t now) {
  if (!started_ || now - due_ >= period_) {
    due_ = now + period_;
  } else {
    due_ = std::max(due_ + period_, now + period_ - period_ / 4);
  }
  started_ = true;
}
