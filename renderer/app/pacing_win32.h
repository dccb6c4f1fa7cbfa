// Pacing the rounds on Windows: the display's refresh rate, and a wait
// between rounds that still serves every message at once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The rate the rounds keep to on the monitor the system names device (the
// primary; empty for the system's default display), with the headroom
// PacingRate gives.
double DisplayRate(const std::string& device);

// Waits between rounds. Windows' default timer tick (15.6 ms) is as long as
// a 60 Hz display's period: the waits need a high-resolution waitable timer
// (Windows 10 1803 on), else the system's 1 ms tick for as long as this
// object lives.
class RoundWait {
 public:
  RoundWait();
  ~RoundWait();
  RoundWait(const RoundWait&) = delete;
  RoundWait& operator=(const RoundWait&) = delete;

  // Returns once `ticks` of the counter (ticksPerSecond a second) have
  // passed, or at once when a message is waiting or arrives.
  void Wait(int64_t ticks, int64_t ticksPerSecond);

 private:
  HANDLE timer_ = nullptr;  // high resolution; null where the system has none
  bool finerTick_ = false;  // timeBeginPeriod(1) is in force
};
