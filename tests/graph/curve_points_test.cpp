#include "graph/curve_points.h"

#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

// A music page: 15 equaliser bands, then the high-pass and low-pass filters.
dsp::GraphBands FlatMusicPage() {
    dsp::GraphBands bands;
    for (int i = 0; i < 15; ++i) {
        bands.type[static_cast<std::size_t>(i)] = dsp::BypassedBand;
        bands.frequency[static_cast<std::size_t>(i)] = 1000.0f;
        bands.q[static_cast<std::size_t>(i)] = 1.0f;
    }
    bands.type[15] = dsp::HighPassBand; // "Bypass" at 19 Hz
    bands.frequency[15] = 19.0f;
    bands.type[16] = dsp::LowPassBand;
    bands.frequency[16] = 20000.0f;
    for (int i = 0; i < 17; ++i)
        dsp::ComputeRecord(bands, i);
    return bands;
}

TEST(CurvePoints, FlatPageLiesOnTheZeroDecibelLine) {
    const CurvePoints points =
        SummedCurvePoints(ScaleForImage(883, 268), FlatMusicPage(), 17, false);
    for (const Point& p : points)
        ASSERT_EQ(p.y, 89);
    struct Case {
        std::size_t gridPoint;
        int x;
    };
    const Case cases[] = {{0, 0}, {1, 2}, {231, 442}, {462, 883}}; // 441.5 rounds to even
    for (const Case& c : cases)
        EXPECT_EQ(points[c.gridPoint].x, c.x) << c.gridPoint;
}

// The auxiliary page hides one of its two band sets by typing it 0; a
// hidden band's last curve must not count even if it was not recomputed.
TEST(CurvePoints, SkipsBypassedRecordsWhenAsked) {
    dsp::GraphBands bands;
    bands.type[0] = dsp::BypassedBand;
    bands.response[0].fill(12.0f); // stale
    bands.type[1] = dsp::PeakingBand;
    bands.frequency[1] = 1000.0f;
    bands.q[1] = 1.0f;
    bands.gain[1] = 6.0f;
    dsp::ComputeRecord(bands, 1);

    const GraphScale scale = ScaleForImage(883, 268);
    EXPECT_EQ(SummedCurvePoints(scale, bands, 2, true)[273].y, 44);   // +6 dB: row 44.5
    EXPECT_EQ(SummedCurvePoints(scale, bands, 2, false)[273].y, -44); // +18 dB
    EXPECT_EQ(SummedCurvePoints(scale, bands, 1, false)[273].y, 0);   // record 1 not loaded
}

} // namespace
} // namespace kdsp::graph
