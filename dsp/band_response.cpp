#include "dsp/band_response.h"

#include "dsp/crossover.h"
#include "dsp/rounding.h"
#include "dsp/sections.h"

#include <array>
#include <utility>

namespace kdsp::dsp {

int SnapToGrid(int hz) {
    return RoundToInt(IndexToFreq(RoundHalfEven(FreqToIndex(hz))));
}

float DrawnQ(float q) {
    static constexpr std::array<std::pair<float, float>, 5> Remapped{{
        {102.0f, 98.0f},
        {108.0f, 100.0f},
        {114.0f, 101.0f},
        {121.0f, 102.0f},
        {128.0f, 103.0f},
    }};
    for (const auto& [from, to] : Remapped) {
        if (q == from)
            return to;
    }
    return q;
}

bool ComputeBandResponse(ResponseCurve& curve, int hz, BandTypeCode type, float q, float gain) {
    q = DrawnQ(q);
    const double snapped = SnapToGrid(hz);
    const int code = type & 0xFF;
    switch (code / 100) {
    case 0:
        switch (code) {
        case PeakingBand:
            PeakingResponse(curve, snapped, q, gain);
            return true;
        case LowShelfBand:
            ShelfResponse(curve, snapped, false, q, gain);
            return true;
        case HighShelfBand:
            ShelfResponse(curve, snapped, true, q, gain);
            return true;
        default:
            PeakingResponse(curve, snapped, q, 0.0f);
            return true;
        }
    case 1:
        return CrossoverResponse(curve, snapped, code % 20, false);
    default:
        return CrossoverResponse(curve, snapped, code % 20, true);
    }
}

} // namespace kdsp::dsp
