#pragma once

#include "dsp/response_grid.h"

namespace kdsp::dsp {

// The building blocks of the crossover filters. Each exists as a high-pass
// and a low-pass variant.
enum class SectionKind {
    Flat,  // 0 dB everywhere
    First, // first order
    Q577,  // second order, q = 1/sqrt(3)
    Q707,  // second order, q = 1/sqrt(2)
    Pair,  // second order, pair k of an order-n cascade: q = 1 / (2 sin(pi (k + 0.5) / n))
};

struct CrossoverSection {
    SectionKind kind = SectionKind::Flat;
    int pairOrder = 0; // n of a Pair section
    int pairIndex = 0; // k of a Pair section
};

// Quality of a second-order section; meaningless for Flat and First.
double SectionQuality(const CrossoverSection& section);

// Each evaluator fills all grid points of `curve` with the section's
// response in dB, centred on `hz` (10 Hz or less counts as 10 Hz).

// Peaking band; `q` is the band's Q and `gain` its gain in dB.
void PeakingResponse(ResponseCurve& curve, double hz, float q, float gain);

// Low or high shelf; `slope` above 4 counts as 4.
void ShelfResponse(ResponseCurve& curve, double hz, bool high, float slope, float gain);

void LowPassSectionResponse(ResponseCurve& curve, double hz, const CrossoverSection& section);
void HighPassSectionResponse(ResponseCurve& curve, double hz, const CrossoverSection& section);

} // namespace kdsp::dsp
