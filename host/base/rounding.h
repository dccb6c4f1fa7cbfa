// Reals to integers as the whole host converts them. Portable: no <windows.h>.
#pragma once

namespace Ondrel_B {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
long long RoundHalfEven(double value);

}  // namespace Ondrel_B
