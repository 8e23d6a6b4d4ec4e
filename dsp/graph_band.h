#pragma once

#include "dsp/band_response.h"
#include "dsp/response_grid.h"

#include <array>

namespace kdsp::dsp {

// The bands of one channel page as the graph sees them, stored field-wise.
// A page with n equaliser bands uses records 0..n-1 for them and, when it
// has crossovers, record n for the high-pass and n + 1 for the low-pass
// filter.
struct GraphBands {
    static constexpr int Capacity = 22;

    std::array<float, Capacity> gain{};      // dB; 0 for crossover filters
    std::array<float, Capacity> frequency{}; // Hz, centre or corner
    std::array<float, Capacity> q{};         // Q of a peaking band, slope of a shelf
    std::array<ResponseCurve, Capacity> response{};
    std::array<BandTypeCode, Capacity> type{};
};

// Recomputes the response of one record from its other fields, the
// frequency rounded to whole hertz. False, with the response untouched,
// for a crossover of an unknown kind.
bool ComputeRecord(GraphBands& bands, int record);

} // namespace kdsp::dsp
