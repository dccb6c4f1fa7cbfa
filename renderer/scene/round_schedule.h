// When the next round may be drawn: no more rounds than the display can
// show. Portable; times are counter ticks.
#pragma once

#include <cstdint>

// Hz the rounds are paced to. The desktop composition's rate where it
// answers (numerator / denominator), else the display mode's; 0 and 1 mean
// the hardware's default, taken as 60 Hz. One hertz is added: the mode's
// rate is the true one rounded down (59 for 59.94 Hz), and the counter and
// the display's clock drift apart; pacing a hair above the display keeps
// every blank fed where the swap waits for it, and costs at most one frame
// a second where it does not.
double PacingRate(uint32_t compositionNumerator, uint32_t compositionDenominator, uint32_t modeHz);

class RoundSchedule {
 public:
  // ticksPerSecond: the counter's frequency. Takes effect from the next round.
  void SetRate(double hz, int64_t ticksPerSecond);

  // Ticks until the next round is due; 0 when it is due now.
  int64_t TicksUntilDue(int64_t now) const;

  // A round starts now. Rounds keep to a grid one period apart, so that a
  // wait that wakes a little late does not slow the rate; a round later than
  // that comes no sooner than three quarters of a period after the last,
  // and one a whole period late or more (a slow round, a pause) starts the
  // grid afresh: never a burst to catch up.
  void Started(int64_t now);

  int64_t period() const { return period_; }

 private:
  int64_t period_ = 0;
  int64_t due_ = 0;
  bool started_ = false;
};
