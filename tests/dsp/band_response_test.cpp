#include "dsp/band_response.h"
#include "dsp/sections.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace kdsp::dsp {
namespace {

// Figures are quoted to one or two decimals; each holds to half a unit of
// its last decimal.
struct Figure {
    int gridPoint;
    double db;
    double tolerance;
};

ResponseCurve Response(int hz, BandTypeCode type, float q, float gain) {
    ResponseCurve curve;
    curve.fill(-1000.0f);
    EXPECT_TRUE(ComputeBandResponse(curve, hz, type, q, gain)) << type;
    return curve;
}

void ExpectFigures(const ResponseCurve& curve, std::initializer_list<Figure> figures,
                   const std::string& what) {
    for (const Figure& f : figures) {
        EXPECT_NEAR(curve[static_cast<std::size_t>(f.gridPoint)], f.db, f.tolerance)
            << what << ", grid point " << f.gridPoint;
    }
}

TEST(BandResponse, FlatBandsAreExactlyZeroEverywhere) {
    struct Case {
        BandTypeCode type;
        float q;
        float gain;
    };
    const Case cases[] = {
        {BypassedBand, 1.0f, 12.0f},
        {PeakingBand, 1.0f, 0.0f},
        {57, 2.0f, -9.0f},              // unassigned codes draw as a flat peaking band
        {HighPassBand + 0, 1.0f, 0.0f}, // crossover "Bypass"
        {LowPassBand + 0, 1.0f, 0.0f},
        {LowPassBand + 20, 1.0f, 0.0f}, // kind 20 mod 20 = 0
    };
    for (const Case& c : cases) {
        const ResponseCurve curve = Response(1000, c.type, c.q, c.gain);
        for (std::size_t i = 0; i < curve.size(); ++i)
            ASSERT_EQ(curve[i], 0.0f) << "type " << c.type << ", grid point " << i;
    }
}

TEST(BandResponse, PeakingBandSnapsToTheGridAndMirrorsWithGain) {
    const ResponseCurve boost = Response(1000, PeakingBand, 1.0f, 12.0f);
    ExpectFigures(boost,
                  {{273, 12.0, 0.05},
                   {253, 7.31, 0.005},
                   {293, 7.31, 0.005},
                   {0, 0.0, 0.05},
                   {462, 0.04, 0.005}},
                  "+12 dB");
    const ResponseCurve cut = Response(1000, PeakingBand, 1.0f, -12.0f);
    for (std::size_t i = 0; i < cut.size(); ++i)
        EXPECT_NEAR(cut[i], -boost[i], 1e-4) << "grid point " << i;
}

TEST(BandResponse, ShelvesReachTheirGainAtOneEndAndHalfAtTheCorner) {
    ExpectFigures(Response(994, LowShelfBand, 1.0f, 12.0f),
                  {{0, 12.0, 0.05}, {273, 6.0, 0.05}, {462, 0.0, 0.05}}, "low shelf");
    ExpectFigures(Response(994, HighShelfBand, 1.0f, 12.0f),
                  {{0, 0.0, 0.05}, {273, 6.0, 0.05}, {462, 12.0, 0.05}}, "high shelf");
}

TEST(BandResponse, ShelfSlopeAboveFourCountsAsFour) {
    EXPECT_EQ(Response(994, LowShelfBand, 9.5f, 12.0f), Response(994, LowShelfBand, 4.0f, 12.0f));
}

TEST(BandResponse, CrossoverKindsAtTheirCorner) {
    struct Case {
        int kind;
        double db;
    };
    const Case cases[] = {
        {0, 0.0},   {1, -3.01}, {2, -4.77}, {3, -3.01},   {4, -6.02},  {5, -7.78},  {6, -6.02},
        {7, -9.54}, {8, -3.01}, {9, -6.02}, {10, -14.31}, {11, -8.34}, {12, -6.02},
    };
    for (const Case& c : cases) {
        for (const BandTypeCode base : {HighPassBand, LowPassBand}) {
            // Q and gain play no part in a crossover filter.
            const ResponseCurve curve = Response(994, base + c.kind, 7.0f, 9.0f);
            EXPECT_NEAR(curve[273], c.db, 0.005) << "type " << base + c.kind;
        }
    }
}

TEST(BandResponse, LowPassTailRepeatsItsLastWindowPoints) {
    const ResponseCurve curve = Response(994, LowPassBand + 3, 1.0f, 0.0f);
    ExpectFigures(curve, {{376, -73.0, 0.05}, {377, -85.05, 0.005}, {378, -85.05, 0.005}},
                  "low-pass kind 3");
    EXPECT_EQ(curve[378], curve[377]);
    for (std::size_t i = 379; i < curve.size(); ++i)
        EXPECT_NEAR(curve[i], -98.74, 0.005) << "grid point " << i;
}

TEST(BandResponse, TypeCodesDispatchOnTheirLowByteAndKindModuloTwenty) {
    struct Case {
        BandTypeCode type;
        BandTypeCode sameAs;
    };
    const Case cases[] = {
        {0x100 + PeakingBand, PeakingBand},
        {0x300 + LowShelfBand, LowShelfBand},
        {LowPassBand + 32, LowPassBand + 12},
        {HighPassBand + 23, HighPassBand + 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Response(500, c.type, 2.0f, 6.0f), Response(500, c.sameAs, 2.0f, 6.0f))
            << "type " << c.type;
    }
}

TEST(BandResponse, UnknownCrossoverKindLeavesTheCurveUntouched) {
    for (const BandTypeCode type : {113, 119, 213, 219, 233}) {
        ResponseCurve curve;
        curve.fill(42.0f);
        EXPECT_FALSE(ComputeBandResponse(curve, 1000, type, 1.0f, 0.0f)) << type;
        for (std::size_t i = 0; i < curve.size(); ++i)
            ASSERT_EQ(curve[i], 42.0f) << "type " << type << ", grid point " << i;
    }
}

TEST(BandResponse, LargestQValuesAreDrawnNarrower) {
    struct Case {
        float q;
        float drawn;
    };
    const Case cases[] = {
        {102.0f, 98.0f},  {108.0f, 100.0f}, {114.0f, 101.0f}, {121.0f, 102.0f},
        {128.0f, 103.0f}, {127.9f, 127.9f}, {98.0f, 98.0f},   {1.0f, 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawnQ(c.q), c.drawn) << c.q;
        ResponseCurve drawn;
        PeakingResponse(drawn, 994, c.drawn, 12.0f);
        EXPECT_EQ(Response(1000, PeakingBand, c.q, 12.0f), drawn) << c.q;
    }
}

} // namespace
} // namespace kdsp::dsp
