#include "dsp/response_window.h"
#include "dsp/sections.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace kdsp::dsp {
namespace {

TEST(ResponseWindow, SamplesLinearlyOrWarpedAroundTheKnees) {
    struct Case {
        WindowSampling sampling;
        int j;
        double position; // w in units of pi / 462
    };
    const Case cases[] = {
        {WindowSampling::Linear, 0, 0},
        {WindowSampling::Linear, 231, 231},
        {WindowSampling::Linear, 462, 462},
        {WindowSampling::WarpedShelf, 0, 1},
        {WindowSampling::WarpedShelf, 107, 1},
        {WindowSampling::WarpedShelf, 108, 0}, // the shelf knee itself is sampled at w = 0
        {WindowSampling::WarpedShelf, 231, 231},
        {WindowSampling::WarpedShelf, 354, 462},
        {WindowSampling::WarpedShelf, 355, 461},
        {WindowSampling::WarpedShelf, 462, 461},
        {WindowSampling::WarpedCrossover, 126, 1},
        {WindowSampling::WarpedCrossover, 127, 2.2},
        {WindowSampling::WarpedCrossover, 231, 231},
        {WindowSampling::WarpedCrossover, 335, 459.8},
        {WindowSampling::WarpedCrossover, 336, 462},
        {WindowSampling::WarpedCrossover, 337, 461},
    };
    for (const Case& c : cases) {
        const auto expected = static_cast<float>(std::numbers::pi * c.position / 462.0);
        EXPECT_FLOAT_EQ(WindowFrequency(c.sampling, c.j), expected)
            << static_cast<int>(c.sampling) << " point " << c.j;
    }
}

TEST(ResponseWindow, CentreLandsOnTheNearestGridPointAndEndsRepeat) {
    ResponseWindow window;
    for (std::size_t j = 0; j < window.size(); ++j)
        window[j] = static_cast<float>(j);
    struct Case {
        double hz;
        int gridPoint;
        float windowPoint;
    };
    const Case cases[] = {
        {10, 0, 231},      {10, 230, 461},  {10, 231, 461},  {10, 462, 461},
        {24000, 462, 231}, {24000, 231, 0}, {24000, 0, 0},   {994, 273, 231},
        {994, 42, 0},      {994, 41, 0},    {994, 462, 420}, {1000, 273, 231},
    };
    for (const Case& c : cases) {
        ResponseCurve curve;
        PlaceWindow(window, c.hz, curve);
        EXPECT_EQ(curve[static_cast<std::size_t>(c.gridPoint)], c.windowPoint)
            << c.hz << " Hz, grid point " << c.gridPoint;
    }
}

// At 994 Hz grid points 377 and 378 show window points 335 and 336; the
// latter lies on w = pi, where every low-pass numerator vanishes.
TEST(ResponseWindow, LowPassRepeatsThePointBeforeItsZero) {
    const CrossoverSection sections[] = {
        {SectionKind::First},      {SectionKind::Q577},       {SectionKind::Q707},
        {SectionKind::Pair, 4, 0}, {SectionKind::Pair, 3, 0},
    };
    for (const CrossoverSection& section : sections) {
        ResponseCurve low;
        LowPassSectionResponse(low, 994, section);
        EXPECT_EQ(low[378], low[377]) << static_cast<int>(section.kind);
        EXPECT_TRUE(std::isfinite(low[378])) << static_cast<int>(section.kind);

        ResponseCurve high;
        HighPassSectionResponse(high, 994, section);
        EXPECT_NE(high[378], high[377]) << static_cast<int>(section.kind);
    }
}

} // namespace
} // namespace kdsp::dsp
