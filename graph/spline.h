#pragma once

#include "graph/drawing.h"

#include <span>
#include <vector>

namespace kdsp::graph {

// The summed response is drawn as a cardinal spline of this tension with
// a pen this wide.
inline constexpr double CurveTension = 0.4;
inline constexpr double CurvePenWidth = 1.8;

// One cubic Bezier piece from the previous piece's end (or the first
// point) through two control points to `end`.
struct BezierPiece {
    PointF control1;
    PointF control2;
    PointF end;
};

// The cardinal spline through `points` as Bezier pieces, one per gap. At
// each point the tangent is `tension` times the chord between its
// neighbours (the end points count as their own outer neighbour), so
// tension 0 gives straight segments and 0.5 a Catmull-Rom curve. Fewer
// than two points give no pieces.
std::vector<BezierPiece> CardinalSpline(std::span<const Point> points, double tension);

} // namespace kdsp::graph
