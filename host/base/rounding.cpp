#include "host/base/rounding.h"

#include <cmath>

namespace Ondrel_B {

long long RoundHalfEven(double value) {
  // nearbyint rounds in the current mode, which is to-nearest-even unless
  // someone changed it; do it by hand so the rule holds regardless.
  const double f = std::floor(value);
  const double diff = value - f;
  if (diff > 0.5) return static_cast<long long>(f) + 1;
  if (diff < 0.5) return static_cast<long long>(f);
  return std::fmod(f, 2.0) == 0.0 ? static_cast<long long>(f) : static_cast<long long>(f) + 1;
}

}  // namespace Ondrel_B
