#include "graph/curve_points.h"

#include "dsp/rounding.h"

#include <algorithm>
#include <cstddef>

namespace kdsp::graph {

CurvePoints SummedCurvePoints(const GraphScale& scale, const dsp::GraphBands& bands,
                              int recordCount, bool skipBypassed) {
    const auto count =
        static_cast<std::size_t>(std::clamp(recordCount, 0, dsp::GraphBands::Capacity));
    CurvePoints points;
    for (std::size_t j = 0; j < points.size(); ++j) {
        double sum = 0.0;
        for (std::size_t r = 0; r < count; ++r) {
            if (skipBypassed && bands.type[r] == dsp::BypassedBand)
                continue;
            sum += bands.response[r][j];
        }
        const double x = static_cast<double>(j) * scale.width / dsp::ResponseGrid::Intervals;
        points[j] = Point{dsp::RoundToInt(x), dsp::RoundToInt(DbToY(scale, sum))};
    }
    return points;
}

} // namespace kdsp::graph
