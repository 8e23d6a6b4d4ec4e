#pragma once

#include "dsp/response_grid.h"

#include <array>

namespace kdsp::dsp {

// Every section is designed at the fixed normalised frequency pi/2 and its
// magnitude is sampled on a window of 463 normalised frequencies, which is
// then laid on the grid centred on the section's frequency. A curve's shape
// thus depends on type, Q and gain only; the frequency just moves it.

// Coefficients of one digital biquad, held in single precision as the
// drawn curves were designed with.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0;
    float a0 = 1, a1 = 0, a2 = 0;
};

// The design frequency pi/2 in single precision and its sine and cosine;
// the cosine is about -4.4e-8, not 0, and the curves keep that residue.
struct DesignPoint {
    float w0;
    float s;
    float c;
};
const DesignPoint& Design();

// How the window points are spread over 0..pi.
enum class WindowSampling {
    Linear,          // point j at j pi / 462 (peaking sections)
    WarpedShelf,     // points 108..354 stretched over 0..pi (shelves)
    WarpedCrossover, // points 126..336 stretched over 0..pi (crossover sections)
};

// Magnitudes in dB at window points 0..462 (point 462 is never placed).
using ResponseWindow = std::array<float, ResponseGrid::Points>;

// The normalised frequency w, in single precision, of window point j.
float WindowFrequency(WindowSampling sampling, int j);

// Magnitude of `section` in dB at every window point. With
// `repeatOnZeroPower` a point whose numerator or denominator power is
// exactly zero (a low-pass section at w = pi) takes the previous point's
// value instead of the logarithm of zero.
void EvaluateWindow(const Biquad& section, WindowSampling sampling, bool repeatOnZeroPower,
                    ResponseWindow& window);

// Lays the window on the grid so that its centre (point 231) sits on the
// grid point nearest `hz`; grid points beyond the window's ends repeat
// window point 0 below and point 461 above. `hz` must be at least 10.
void PlaceWindow(const ResponseWindow& window, double hz, ResponseCurve& curve);

} // namespace kdsp::dsp
