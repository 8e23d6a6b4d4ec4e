#include "graph/coordinates.h"

#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

TEST(GraphCoordinates, DesignSizePositions) {
    const GraphScale scale = ScaleForImage(883, 268);
    EXPECT_NEAR(scale.pixelsPerPoint, 1.9113, 5e-5);

    struct Case {
        double hz;
        double x;
    };
    const Case frequencies[] = {
        {10, 0.0}, {100, 261.2}, {1000, 522.5}, {10000, 783.7}, {20000, 862.3}, {24000, 883.0},
    };
    for (const Case& c : frequencies)
        EXPECT_NEAR(FreqToX(scale, c.hz), c.x, 0.05) << c.hz;

    struct Row {
        double db;
        double y;
    };
    const Row rows[] = {{12, 0.0}, {6, 44.5}, {0, 89.0}, {-24, 267.0}};
    for (const Row& r : rows)
        EXPECT_NEAR(DbToY(scale, r.db), r.y, 1e-9) << r.db;
}

TEST(GraphCoordinates, MappingsInvertEachOther) {
    const GraphScale scales[] = {ScaleForImage(2, 2), ScaleForImage(883, 268),
                                 ScaleForImage(1920, 1080), ScaleForImage(97, 31)};
    for (const GraphScale& scale : scales) {
        for (const double hz : {10.0, 19.0, 994.0, 24000.0})
            EXPECT_NEAR(XToFreq(scale, FreqToX(scale, hz)), hz, hz * 1e-12) << scale.width;
        for (const double db : {-24.0, -3.5, 0.0, 12.0, 30.0})
            EXPECT_NEAR(YToDb(scale, DbToY(scale, db)), db, 1e-12) << scale.height;
    }
}

} // namespace
} // namespace kdsp::graph
