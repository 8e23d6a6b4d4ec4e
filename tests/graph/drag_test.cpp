#include "dsp/response_grid.h"
#include "graph/drag.h"
#include "model/value_scales.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

const GraphScale Design = ScaleForImage(883, 268);

// A band marker resting on 1 kHz, 0 dB, with the offset of the band's
// exact point from the marker's whole-pixel centre.
DragRequest AtOneKilohertz(int sheet, int marker, int dx, int dy) {
    DragRequest request;
    request.sheet = sheet;
    request.markerIndex = marker;
    request.marker = MarkerTopLeft(Design, 1000, 0);
    request.offset = {FreqToX(Design, 1000) - (request.marker.x + 7),
                      DbToY(Design, 0) - (request.marker.y + 7)};
    request.dx = dx;
    request.dy = dy;
    return request;
}

TEST(DragMarker, TenPixelsRightAtOneKilohertz) {
    const auto outcome = DragMarker(Design, AtOneKilohertz(0, 3, 10, 0));
    ASSERT_TRUE(outcome);
    const double expected = 1000.0 * std::pow(10.0, 10 * dsp::ResponseGrid::Decades / 883);
    EXPECT_NEAR(outcome->hz, expected, 0.5); // about 1092 Hz
    EXPECT_EQ(outcome->frequencyIndex, ParseValue(2, expected));
    EXPECT_EQ(outcome->gainIndex, 120);
    EXPECT_EQ(outcome->marker, (Point{525, 82}));
}

TEST(DragMarker, AMoveSmallerThanAStepKeepsTheValues) {
    const auto outcome = DragMarker(Design, AtOneKilohertz(0, 3, 1, 0));
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->frequencyIndex, ParseValue(2, 1000));
    EXPECT_EQ(outcome->gainIndex, 120);
}

// Markers above a sheet's last band (its crossovers) move sideways on the
// channel sheets and not at all on the others; a bypassed equaliser holds
// its band markers, and on the music sheet its crossovers too.
TEST(DragMarker, SheetRules) {
    enum Result { Free, Sideways, Held };
    struct Case {
        int sheet;
        int marker;
        bool eqPassed;
        Result result;
    };
    const Case cases[] = {
        {0, 14, false, Free},     {0, 20, false, Sideways}, {0, 21, false, Sideways},
        {0, 3, true, Held},       {0, 20, true, Held},      {1, 19, false, Free},
        {1, 20, false, Sideways}, {1, 20, true, Sideways},  {1, 3, true, Held},
        {2, 20, false, Sideways}, {3, 20, false, Sideways}, {4, 20, false, Held},
        {5, 2, false, Free},      {5, 20, false, Held},     {6, 21, false, Held},
        {8, 20, false, Held},     {7, 20, false, Free},
    };
    for (const Case& c : cases) {
        DragRequest request = AtOneKilohertz(c.sheet, c.marker, 10, 20);
        request.eqPassed = c.eqPassed;
        const auto outcome = DragMarker(Design, request);
        const Point start = request.marker;
        switch (c.result) {
        case Free:
            ASSERT_TRUE(outcome) << c.sheet << "/" << c.marker;
            EXPECT_EQ(outcome->marker, (Point{start.x + 10, start.y + 20}));
            break;
        case Sideways:
            ASSERT_TRUE(outcome) << c.sheet << "/" << c.marker;
            EXPECT_EQ(outcome->marker, (Point{start.x + 10, start.y}));
            break;
        case Held:
            EXPECT_FALSE(outcome) << c.sheet << "/" << c.marker;
            break;
        }
    }
}

TEST(DragMarker, LimitsOfTheGraph) {
    struct Case {
        int sheet, marker, dx, dy;
        Point at;
        double hz, db;
    };
    const Case cases[] = {
        // Up and down no further than half a marker past the edges.
        {0, 3, 0, -500, {515, -7}, 1000, 12},
        {0, 3, 0, 500, {515, 261}, 1000, -24},
        // Nothing below 19.5 Hz or above 20.6 kHz.
        {0, 3, -1000, 0, {69, 82}, 20, 0},
        {0, 3, 1000, 0, {859, 82}, 20600, 0},
        {0, 21, 353, 0, {859, 82}, 20600, 0},
        // The dynamic equaliser cuts no deeper than -12 dB.
        {8, 1, 0, 200, {515, 171}, 1000, -12},
    };
    for (const Case& c : cases) {
        const auto outcome = DragMarker(Design, AtOneKilohertz(c.sheet, c.marker, c.dx, c.dy));
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->marker, c.at) << c.dx << "," << c.dy;
        EXPECT_NEAR(outcome->hz, c.hz, 1.0) << c.dx << "," << c.dy;
        EXPECT_NEAR(outcome->db, c.db, 0.1) << c.dx << "," << c.dy;
    }
}

} // namespace
} // namespace kdsp::graph
