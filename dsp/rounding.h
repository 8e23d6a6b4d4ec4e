#pragma once

#include <cmath>

namespace kdsp::dsp {

// Nearest integer with halves to even, the rounding every pixel and grid
// index of the console uses. Relies on the default floating-point rounding
// mode, which nothing in the program changes.
inline double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

inline int RoundToInt(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace kdsp::dsp
