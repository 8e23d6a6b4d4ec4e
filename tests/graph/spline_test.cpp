#include "graph/spline.h"

#include <gtest/gtest.h>
#include <vector>

namespace kdsp::graph {
namespace {

void ExpectNear(PointF actual, PointF expected) {
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
}

TEST(CardinalSpline, PassesThroughEveryPoint) {
    const std::vector<Point> points{{0, 10}, {5, 0}, {10, 20}, {15, 5}};
    const auto pieces = CardinalSpline(points, CurveTension);
    ASSERT_EQ(pieces.size(), 3u);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i].end, (PointF{1.0 * points[i + 1].x, 1.0 * points[i + 1].y}));
}

TEST(CardinalSpline, TangentIsTensionTimesTheNeighboursChord) {
    const std::vector<Point> points{{0, 0}, {3, 3}, {6, 0}};
    // Tension 0.5 is Catmull-Rom: control points a sixth of the chord away;
    // the end points are their own outer neighbours.
    const auto pieces = CardinalSpline(points, 0.5);
    ASSERT_EQ(pieces.size(), 2u);
    ExpectNear(pieces[0].control1, PointF{0.5, 0.5});
    ExpectNear(pieces[0].control2, PointF{2.0, 3.0});
    ExpectNear(pieces[1].control1, PointF{4.0, 3.0});
    ExpectNear(pieces[1].control2, PointF{5.5, 0.5});

    // Tension 0 draws the polygon.
    for (const BezierPiece& piece : CardinalSpline(points, 0.0)) {
        EXPECT_EQ(piece.control2, piece.end);
    }
}

TEST(CardinalSpline, NeedsTwoPoints) {
    const std::vector<Point> one{{1, 1}};
    EXPECT_TRUE(CardinalSpline(one, CurveTension).empty());
    EXPECT_TRUE(CardinalSpline({}, CurveTension).empty());
}

} // namespace
} // namespace kdsp::graph
