#include "dsp/response_grid.h"

#include <algorithm>
#include <cmath>

namespace kdsp::dsp {

double FreqToIndex(double hz) {
    return (std::log10(std::max(hz, 1.0)) - 1.0) / ResponseGrid::Decades * ResponseGrid::Intervals;
}

double IndexToFreq(double index) {
    return std::pow(10.0, index * ResponseGrid::Decades / ResponseGrid::Intervals + 1.0);
}

} // namespace kdsp::dsp
