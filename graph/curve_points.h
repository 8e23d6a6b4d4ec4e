#pragma once

#include "dsp/graph_band.h"
#include "dsp/response_grid.h"
#include "graph/coordinates.h"
#include "graph/drawing.h"

#include <array>

namespace kdsp::graph {

using CurvePoints = std::array<Point, dsp::ResponseGrid::Points>;

// The pixel of every grid point of the summed response of records
// 0..recordCount-1. With `skipBypassed` records of type 0 are left out of
// the sum (the auxiliary page shows only one of its two band sets).
CurvePoints SummedCurvePoints(const GraphScale& scale, const dsp::GraphBands& bands,
                              int recordCount, bool skipBypassed);

} // namespace kdsp::graph
