#include "graph/readout.h"

#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

TEST(Readout, CaptionsByKindOfRecord) {
    struct Case {
        dsp::BandTypeCode type;
        double hz, db, q;
        const char* caption;
    };
    const Case cases[] = {
        {1, 1000, 3.5, 1.0, "3.5dB\nQ:1.00\n1000.00Hz"},
        {1, 1000, -3, 1.0, "-3.0dB\nQ:1.00\n1000.00Hz"},
        {2, 19.7, -0.2, 0.405, "-0.2dB\nQ:0.41\n19.70Hz"},
        {0, 20600, 0, 10.1, "0.0dB\nQ:10.10\n20600.00Hz"},
        {103, 1000, 0, 0, "HPF:1000.00Hz"},
        {100, 19, 0, 0, "HPF:19.00Hz"},
        {212, 1000, 0, 0, "LPF:1000.00Hz"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadoutCaption(c.type, c.hz, c.db, c.q), c.caption) << c.caption;
}

TEST(Readout, SitsBelowItsMarkerUnlessTheGainIsNegative) {
    const Point marker{100, 50};
    EXPECT_EQ(ReadoutTopLeft(marker, 14, 0.0, 60, 40), (Point{77, 64}));
    EXPECT_EQ(ReadoutTopLeft(marker, 14, 6.0, 60, 40), (Point{77, 64}));
    EXPECT_EQ(ReadoutTopLeft(marker, 14, -3.0, 60, 40), (Point{77, 9})) << "one pixel clear";
}

TEST(Readout, MarkersCentreOnTheirPoint) {
    const GraphScale design = ScaleForImage(883, 268);
    // 1 kHz lies at x = 522.5, 0 dB at y = 89.
    EXPECT_EQ(MarkerTopLeft(design, 1000, 0), (Point{515, 82}));
    EXPECT_EQ(MarkerTopLeft(design, 10, 12), (Point{-7, -7}));
}

} // namespace
} // namespace kdsp::graph
