#include "graph/coordinates.h"

#include "dsp/response_grid.h"

#include <cmath>

namespace kdsp::graph {

namespace {

using dsp::ResponseGrid;

constexpr double DbRange = GraphMaxDb - GraphMinDb;

} // namespace

GraphScale ScaleForImage(int width, int height) {
    return GraphScale{width, height, width / static_cast<double>(ResponseGrid::Intervals)};
}

double FreqToX(const GraphScale& scale, double hz) {
    return (std::log10(hz) - 1.0) / ResponseGrid::Decades * ResponseGrid::Intervals *
           scale.pixelsPerPoint;
}

double XToFreq(const GraphScale& scale, double x) {
    return std::pow(
        10.0, x * ResponseGrid::Decades / (ResponseGrid::Intervals * scale.pixelsPerPoint) + 1.0);
}

double DbToY(const GraphScale& scale, double db) {
    return (GraphMaxDb - db) / DbRange * (scale.height - 1);
}

double YToDb(const GraphScale& scale, double y) {
    return GraphMaxDb - y / (scale.height - 1) * DbRange;
}

} // namespace kdsp::graph
