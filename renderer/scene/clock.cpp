#include "renderer/scene/clock.h"

#include <cmath>

namespace {
constexpr double kPeriod = 4.0 * 3.14159265358979323846;  // seconds
}  // namespace

float AnimationTime(double elapsedSeconds) {
  double t = std::fmod(elapsedSeconds, kPeriod);
  if (t < 0) t += kPeriod;  // a counter read before its start still lands in [0, 4 pi)
  return static_cast<float>(t);
}
