#pragma once

#include "dsp/response_grid.h"

namespace kdsp::dsp {

// Item index of the crossover type selector.
enum class CrossoverKind {
    Bypass = 0,
    First6dB = 1,
    Bessel12dB = 2,
    Butterworth12dB = 3,
    LinkRiley12dB = 4,
    Bessel18dB = 5,
    Butterworth18dB = 6,
    Bessel24dB = 7,
    Butterworth24dB = 8,
    LinkRiley24dB = 9,
    Bessel36dB = 10,
    Butterworth36dB = 11,
    LinkRiley36dB = 12,
};

inline constexpr int CrossoverKindCount = 13;

// Fills `curve` with the response in dB of a crossover filter of kind
// `kind` (0..12) with corner frequency `hz`: the weighted sum of its
// sections' responses. Returns false, leaving `curve` untouched, for a kind
// outside 0..12.
bool CrossoverResponse(ResponseCurve& curve, double hz, int kind, bool lowPass);

} // namespace kdsp::dsp
