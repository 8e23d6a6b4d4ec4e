#include "dsp/band_response.h"
#include "dsp/response_grid.h"

#include <gtest/gtest.h>

namespace kdsp::dsp {
namespace {

TEST(ResponseGrid, FrequencyAndIndexMapOntoEachOther) {
    struct Case {
        double hz;
        double index;
    };
    const Case cases[] = {
        {10.0, 0.0}, {24000.0, 462.0}, {1000.0, 273.3557}, {100.0, 136.6779}, {1.0, -136.6779},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(FreqToIndex(c.hz), c.index, 1e-4) << c.hz;
        EXPECT_NEAR(IndexToFreq(c.index), c.hz, c.hz * 1e-6) << c.index;
    }
}

TEST(ResponseGrid, FrequenciesBelowOneHertzCountAsOne) {
    for (const double hz : {0.0, 0.5, -20.0})
        EXPECT_DOUBLE_EQ(FreqToIndex(hz), FreqToIndex(1.0)) << hz;
}

TEST(ResponseGrid, SnapsToTheNearestGridPointInWholeHertz) {
    struct Case {
        int hz;
        int snapped;
    };
    const Case cases[] = {
        {1000, 994},                                       // grid point 273
        {10, 10},    {24000, 24000}, {20, 20}, {100, 101}, // grid point 137
        {0, 1}, // counts as 1 Hz: grid point -137, 0.99 Hz
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapToGrid(c.hz), c.snapped) << c.hz;
}

} // namespace
} // namespace kdsp::dsp
