#include "graph/spline.h"

#include <cstddef>

namespace kdsp::graph {

std::vector<BezierPiece> CardinalSpline(std::span<const Point> points, double tension) {
    std::vector<BezierPiece> pieces;
    const std::size_t n = points.size();
    if (n < 2)
        return pieces;
    pieces.reserve(n - 1);
    // Bezier control points lie a third of the tangent away from the point.
    const double k = tension / 3.0;
    const auto at = [&points](std::size_t i) { return points[i]; };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Point p0 = at(i == 0 ? 0 : i - 1);
        const Point p1 = at(i);
        const Point p2 = at(i + 1);
        const Point p3 = at(i + 2 < n ? i + 2 : n - 1);
        pieces.push_back({{p1.x + k * (p2.x - p0.x), p1.y + k * (p2.y - p0.y)},
                          {p2.x - k * (p3.x - p1.x), p2.y - k * (p3.y - p1.y)},
                          {static_cast<double>(p2.x), static_cast<double>(p2.y)}});
    }
    return pieces;
}

} // namespace kdsp::graph
