#include "renderer/app/pacing_win32.h"

#include <dwmapi.h>
#include <timeapi.h>

#include "renderer/scene/round_schedule.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

double DisplayRate(const std::string& device) {
  UINT numerator = 0;
  UINT denominator = 0;
  // The composition's rate is exact (60000 / 1001); the mode's is rounded down.
  DWM_TIMING_INFO timing{};
  timing.cbSize = sizeof timing;
  if (SUCCEEDED(DwmGetCompositionTimingInfo(nullptr, &timing))) {
    numerator = timing.rateRefresh.uiNumerator;
    denominator = timing.rateRefresh.uiDenominator;
  }
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  const bool known = EnumDisplaySettingsA(device.empty() ? nullptr : device.c_str(), ENUM_CURRENT_SETTINGS, &mode) &&
                     (mode.dmFields & DM_DISPLAYFREQUENCY) != 0;
  return PacingRate(numerator, denominator, known ? mode.dmDisplayFrequency : 0);
}

RoundWait::RoundWait() {
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  if (!timer_) finerTick_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

RoundWait::~RoundWait() {
  if (timer_) CloseHandle(timer_);
  if (finerTick_) timeEndPeriod(1);
}

void RoundWait::Wait(int64_t ticks, int64_t ticksPerSecond) {
  if (ticks <= 0 || ticksPerSecond <= 0) return;
  // Rounded up: a wait that ends early only comes round again.
  const int64_t ms = (ticks * 1000 + ticksPerSecond - 1) / ticksPerSecond;
  DWORD count = 0;
  if (timer_) {
    LARGE_INTEGER due{};
    due.QuadPart = -(ticks * 10000000 / ticksPerSecond);  // relative, in 100 ns
    if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) count = 1;
  }
  // The timeout bounds the wait even where the timer could not be set.
  const DWORD woke = MsgWaitForMultipleObjectsEx(count, count ? &timer_ : nullptr, static_cast<DWORD>(ms),
                                                 QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woke == WAIT_FAILED) Sleep(static_cast<DWORD>(ms));  // a failing wait must not become a spin
}
