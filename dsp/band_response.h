#pragma once

#include "dsp/response_grid.h"

#include <cstdint>

namespace kdsp::dsp {

// What a band of the graph is. Only the low 8 bits are looked at:
// 0 bypassed, 1 peaking, 2 low shelf, 3 high shelf, 4..99 bypassed,
// 100 + k high-pass and 200 + k low-pass filter of crossover kind k mod 20.
using BandTypeCode = std::int32_t;

inline constexpr BandTypeCode BypassedBand = 0;
inline constexpr BandTypeCode PeakingBand = 1;
inline constexpr BandTypeCode LowShelfBand = 2;
inline constexpr BandTypeCode HighShelfBand = 3;
inline constexpr BandTypeCode HighPassBand = 100; // + crossover kind
inline constexpr BandTypeCode LowPassBand = 200;  // + crossover kind

// The frequency the curve of a band set to `hz` is drawn at: the grid
// point nearest `hz`, rounded to whole hertz (1000 Hz is drawn at 994 Hz).
int SnapToGrid(int hz);

// The five largest Q values of the Q scale are drawn as if they were
// smaller, matching how narrow the box really makes them.
float DrawnQ(float q);

// Fills `curve` with the response in dB of one band. `q` is the Q of a
// peaking band or the slope of a shelf; crossover filters use neither `q`
// nor `gain`. A crossover code of a kind above 12 leaves `curve` untouched
// and returns false.
bool ComputeBandResponse(ResponseCurve& curve, int hz, BandTypeCode type, float q, float gain);

} // namespace kdsp::dsp
