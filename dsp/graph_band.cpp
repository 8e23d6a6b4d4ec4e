#include "dsp/graph_band.h"

#include "dsp/rounding.h"

#include <cassert>
#include <cstddef>

namespace kdsp::dsp {

bool ComputeRecord(GraphBands& bands, int record) {
    assert(record >= 0 && record < GraphBands::Capacity);
    const auto i = static_cast<std::size_t>(record);
    return ComputeBandResponse(bands.response[i], RoundToInt(bands.frequency[i]), bands.type[i],
                               bands.q[i], bands.gain[i]);
}

} // namespace kdsp::dsp
