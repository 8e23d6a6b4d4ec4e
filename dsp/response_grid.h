#pragma once

#include <array>

namespace kdsp::dsp {

// The logarithmic frequency grid every response curve is computed on:
// 463 points from 10 Hz (point 0) to 24 kHz (point 462).
struct ResponseGrid {
    static constexpr int Intervals = 462;
    static constexpr int Points = Intervals + 1;
    static constexpr double Decades = 3.380211241711606; // log10(24000 / 10)
    static constexpr double LowestHz = 10.0;
    static constexpr double HighestHz = 24000.0;
};

// One band's magnitude response in dB, one value per grid point.
using ResponseCurve = std::array<float, ResponseGrid::Points>;

// Fractional grid index of a frequency; frequencies below 1 Hz count as 1 Hz.
double FreqToIndex(double hz);

// Frequency of a (fractional) grid index.
double IndexToFreq(double index);

} // namespace kdsp::dsp
