#pragma once

#include <cmath>

namespace lumbrell {

// Rounds to the nearest integer, halves to even, as every real-to-integer
// conversion of the program does (the default floating-point rounding mode).
inline long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}

} // namespace lumbrell
